// "Edge style" (template 271): the mask gallery over the picture's
// thumbnail, its pages, the light direction of the shadow, OK, Cancel and
// "&Help". Its choices are kept in the module's settings with OK. Help
// opens the contents of the module's help; F1 on a control, or a right
// click on one, pops up the control's topic.
#pragma once

#include "filters/edges/EdgesBlend.h"
#include "framework/Dialog.h"

namespace fw {
class DialogHelp;
}

class GalleryWindow;
class LightControl;
class Thumbnail;

class EdgesDialog : public fw::Dialog {
public:
    static constexpr uint32_t IDD = 271;
    static constexpr uint32_t IDC_GALLERY = 1007;
    static constexpr uint32_t IDC_PREVIOUS = 1008;
    static constexpr uint32_t IDC_NEXT = 1009;
    static constexpr uint32_t IDC_LIGHT = 1010;
    static constexpr uint32_t IDC_TABS = 1011;
    static constexpr uint32_t ID_HELP = 9;

    EdgesDialog(const Thumbnail& thumbnail, uint32_t colour, QWidget* parent = nullptr);

    // After OK: the chosen mask and shadow option.
    int32_t mask = 0;
    int32_t shadow = 0;

protected:
    void CreateControls() override;
    bool OnInitDialog() override;
    void OnCommand(uint32_t id) override;
    void OnOK() override;

private:
    void UpdatePageButtons();

    const Thumbnail& thumbnail_;
    EdgesColour colour_;
    GalleryWindow* gallery_ = nullptr;
    LightControl* light_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    fw::DialogHelp* help_;
};
