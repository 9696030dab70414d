// The album's main frame: the menus, a toolbar of the common commands, the
// status bar, a smallest size, and the scanner's commands with the way
// scanned pictures are transferred.
#pragma once

#include <functional>
#include <string>

#include "framework/FrameWnd.h"

class QToolBar;
class WA;

class CMainFrame : public fw::FrameWnd {
    FW_DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();

    // Pane 0 of the status bar, drawn at once (progress while adding).
    void SetStatusText(const std::string& text);
    QToolBar* ToolBar() const { return toolBar_; }

    const fw::MessageMap* GetMessageMap() const override;

    // 1: the scanner hands pictures over natively; 0: through memory.
    int transferMethod = 1;

    void OnAcquire();
    void OnSelectSource();
    void OnThruMemory() { transferMethod = 0; }
    void OnNative() { transferMethod = 1; }
    void OnUpdateScannerIdle(fw::CmdUI& ui);
    void OnUpdateThruMemory(fw::CmdUI& ui);
    void OnUpdateNative(fw::CmdUI& ui);

    // A picture from the scanner, its reference handed over: it goes to
    // the application's store of scanned pictures (the scan folder and the
    // album), or to storeScannedPicture when one is set (tests).
    void OnScannedPicture(WA* picture);
    std::function<void(WA* picture)> storeScannedPicture;

private:
    QToolBar* toolBar_ = nullptr;
};
