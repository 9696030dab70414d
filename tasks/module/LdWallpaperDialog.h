// "Set Wallpaper": a preview of the desktop with the picture centred or
// tiled, "Use picture", and Apply, OK (both set the wallpaper), Cancel (puts
// back what the desktop had) and Help. The work is CLdWallpaperSetter's.
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"
#include "tasks/module/LdWallpaperSetter.h"

#include <QImage>
#include <QPixmap>

#include <cstdint>

class QPainter;

class CLdWallpaperDialog : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 131;
    static constexpr uint32_t IDC_PREVIEW = 1002;
    static constexpr uint32_t IDC_CENTERED = 1003;
    static constexpr uint32_t IDC_TILED = 1004;
    static constexpr uint32_t IDC_APPLY = 1005;
    static constexpr uint32_t IDC_USE_PICTURE = 1006;
    static constexpr uint32_t kHelpId = 103;

    // dib and dibSize: the picture (the caller's, outliving the dialog);
    // setter does the work on the desktop.
    CLdWallpaperDialog(const void* dib, uint32_t dibSize, CLdWallpaperSetter& setter, QWidget* parent = nullptr);

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnCommand(uint32_t id) override;
    void OnOK() override;
    void OnCancel() override;
    // Apply.
    void SetDesktopWallpaper();

    // The preview's painting, on the preview control's own surface.
    void PaintPreview(QPainter& painter, const QRect& area);

    // The full-screen client size at opening, which the preview stands for.
    int screenWidth = 0;
    int screenHeight = 0;

protected:
    void CreateControls() override;

private:
    CLdWallpaperSetter& setter_;
    QImage picture_;
    QPixmap scaled_;  // the picture at its tile size, made when the size changes
    QWidget* preview_ = nullptr;
};
