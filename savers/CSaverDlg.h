// The saver's settings dialog: a live preview, the size slider (and for the
// whirl the strength slider), "Use screen" and OK and Cancel. Moving a
// slider hands the value to the preview, which stores it; OK stores every
// value and makes the program the screen saver.
#pragma once

#include "framework/Dialog.h"
#include "savers/SaverModel.h"

#include <memory>
#include <string>

class CSaverWnd;
class QCheckBox;
class QSlider;

class CSaverDlg : public fw::Dialog {
public:
    // programPath is what the screen-saver registration records.
    CSaverDlg(const SaverProgram& program, SaverSettings settings, SaverScreen& screen, std::string programPath,
              QWidget* parent = nullptr);

    // The dialog's values (read from the settings at construction).
    int32_t size = 10;
    int32_t strength = 30;  // whirl only
    int useScreen = 0;

    CSaverWnd* Preview() const { return preview_; }

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnCommand(uint32_t id) override;
    void OnOK() override;
    // System commands 16 to 31 show the About box.
    void OnSysCommand(uint32_t id);
    // The end of a slider's tracking: its position becomes the value.
    void OnSliderReleased(uint32_t id);
    void OnUseScreen();
    void OnLoadPicture();

protected:
    void CreateControls() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QSlider* MakeSlider(uint32_t id);
    QSlider* Slider(uint32_t id) const;
    QCheckBox* UseScreenBox() const;

    const SaverProgram& program_;
    SaverSettings settings_;
    SaverScreen& screen_;
    std::string programPath_;
    QWidget* placeholder_ = nullptr;
    CSaverWnd* preview_ = nullptr;
};
