// The option panel of the Emboss tool: the light angle as in the integer
// panel, and the light colour as its components and a swatch that opens
// the colour dialog. It works on copies: nothing goes back to the tool.
#pragma once

#include "tasks/module/LdColParam.h"
#include "tasks/module/panels/LdIntParamPanel.h"

#include <QRect>

class CLdEmbossPanel : public CLdIntParamPanel {
public:
    static constexpr uint32_t IDD = 134;
    static constexpr uint32_t IDC_COLOR_TEXT = 1003;

    explicit CLdEmbossPanel(QWidget* parent = nullptr);

    // Copies of the tool's angle and colour; the angle shown under caption.
    void Bind(const CLdIntParam& angle, const CLdColParam& colour, const std::string& caption);

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;

    // The swatch in panel coordinates, its sunken edge included.
    QRect SwatchRect() const;
    // A click released at point (panel coordinates): over the swatch it
    // offers the colour dialog; true when it was over the swatch.
    bool OnButtonReleased(const QPoint& point);

    std::string colorText;
    CLdColParam color;

protected:
    void CreateControls() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FormatColor();
};
