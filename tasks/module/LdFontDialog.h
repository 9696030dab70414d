// "Choose font": the face, bold and italic of a text shape or of a band of
// the month grid. The face is picked from a menu that a click on the sample
// opens; the sample shows the caller's text in the chosen font, as large
// as fits two thirds of the box.
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QFrame;
class QPainter;

class CLdFontDialog : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 136;
    static constexpr uint32_t IDC_ITALIC = 1000;
    static constexpr uint32_t IDC_BOLD = 1001;
    static constexpr uint32_t IDC_SAMPLE = 1002;
    static constexpr uint32_t kHelpContext = 102;

    explicit CLdFontDialog(QWidget* parent = nullptr);

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnOK() override;

    // The sample's rectangle (in the sample box) and the font it is drawn in.
    QRect SampleRect() const;
    QFont SampleFont() const;
    void PaintSample(QPainter& painter) const;
    // A press on the sample box: the face menu at screenPoint.
    void OnSamplePressed(const QPoint& screenPoint);

    // Answers the face menu instead of showing it: given the faces listed and
    // the column of each, returns the index chosen or -1.
    using FaceMenuHook = std::function<int(const std::vector<std::string>& items,
                                           const std::vector<int32_t>& columns)>;
    static FaceMenuHook SetFaceMenuHook(FaceMenuHook hook);

    int bold = 0;
    int italic = 0;
    std::string faceName;
    std::string sampleText;
    std::vector<std::string> faces;

protected:
    void CreateControls() override;

private:
    int RunFaceMenu(const QPoint& screenPoint);

    QFrame* sample_ = nullptr;
};

// Makes the sketch's font dialog this one.
void LdInstallFontDialog();
