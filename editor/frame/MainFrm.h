// The editor's main window: the MDI area with the picture windows, the two
// dialog bars of the guided interface (tasks at the left, the current
// task's tools or a tool's options at the top), the status bar and the
// interface manager. It routes every command through the bars and the
// manager before the framework, takes pictures handed over by a second
// start of the editor or by the album, starts the album, and attaches the
// plug-in menus the first time a menu opens over a picture.
#pragma once

#include <cstdint>
#include <deque>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/frame/InterfaceManager.h"
#include "editor/palette/LdPalette.h"
#include "framework/MDIFrameWnd.h"

class PlugInQtMenu;
class QMenu;

class CLdStatusBar;
class QMenu;

class CMainFrame : public fw::MDIFrameWnd {
    FW_DECLARE_DYNAMIC(CMainFrame)

public:
    static constexpr uint32_t ID_OPTIONS_CONVERTERS = 32835;
    static constexpr uint32_t ID_FILE_OPEN_ALBUM = 32773;
    static constexpr uint32_t ID_VIEW_TOOL_PALETTE = 32852;
    static constexpr uint32_t ID_OPTIONS_PLUGIN_FOLDERS = 33003;
    static constexpr uint32_t ID_FILE_SCAN_AND_PRINT = 33002;
    static constexpr uint32_t ID_FILE_ACQUIRE = 33000;
    static constexpr uint32_t ID_FILE_PAGE_SETUP = 57605;
    static constexpr uint32_t ID_FILE_PRINT_DIRECT = 57608;
    static constexpr uint32_t kFirstPlugInCommand = 10000;
    static constexpr uint32_t kLastPlugInCommand = 20000;
    static constexpr uint32_t kCopyDataKind = 563;
    static constexpr size_t kCopyDataBytes = 260;
    // The document menu's "Effects" menu, where the plug-ins go.
    static constexpr int kEffectsMenuIndex = 4;

    CMainFrame(const CLdRegistry& registry, CLdBarHost& host);
    ~CMainFrame() override;

    // What the frame's creation does after the window exists: the status
    // bar, the two bars, the palette when asked, the splash. False when a
    // bar cannot be made.
    bool OnCreate(bool showPalette);
    CInterfaceManager& Manager() { return manager_; }

    // The tool palette: where it opens (empty: where the system puts it),
    // and what becomes of it: its rectangle when it closes or goes, and
    // whether the user closed it (false) or showed it (true).
    QRect paletteGeometry;
    std::function<void(const QRect&)> onPaletteGeometry;
    std::function<void(bool shown)> onPaletteShown;
    CLdPalette* Palette() const { return palette_; }
    CLdStatusBar* GetLdStatusBar() const { return statusBar_; }

    // The menus: 150 without a picture window, 151 over one. Rebuilt when
    // that changes.
    void UpdateMenus();
    // A menu is about to open: an open tool panel is committed and closed,
    // and the plug-in menus are attached once a picture is open.
    void OnInitMenu();
    std::string GetMessageString(uint32_t id) const override;

    // Pictures from outside, opened in turn (after a running evaluation).
    void OnDropFiles(const std::vector<std::string>& paths) override;
    // The copy-data record of a second start or the album: {563, 260 bytes}.
    bool OnCopyData(uint32_t kind, const std::string& data);
    // A scanned picture in file path: a new document made from it.
    void OnScannedPicture(const std::string& path);
    // Commands that arrive while an evaluation runs wait for its end.
    bool OnCmdMsg(uint32_t id, fw::CmdCode code, fw::CmdUI* ui) override;
    const fw::MessageMap* GetMessageMap() const override;
    // Runs what waited for an evaluation to end.
    void RunDeferred();

    // How the album is started (tests replace it): program and arguments.
    std::function<bool(const std::string&, const std::vector<std::string>&)> startProgram;
    // How the plug-in folders dialog and the converters' settings are shown.
    std::function<void()> openPlugInFolders;
    std::function<void()> configureConverters;

    bool pluginMenuAttached = false;
    bool scanAndPrintPending = false;

protected:
    void OnUpdateFrameTitle(bool addToTitle) override;

private:
    void OnOpenFromAlbum();
    void OnConfigureConverters();
    void OnPlugInFolders();
    void OnScanAndPrint();
    void OnViewToolPalette();
    void OnUpdateViewToolPalette(fw::CmdUI& ui);
    void Defer(std::function<void()> work);

    // Puts the plug-ins' submenus into the Effects menu of the menu bar shown.
    void AttachPlugInMenu(QMenu* effects);

    void ShowPalette();

    CInterfaceManager manager_;
    // What the palette asks of the program goes to the bars' host.
    class PaletteHost : public CLdPaletteHost {
    public:
        explicit PaletteHost(CLdBarHost& host) : host_(host) {}
        CLodo40Doc* ActiveDocument() override;
        uint32_t Background() override;
        uint32_t Foreground() override;

    private:
        CLdBarHost& host_;
    };
    PaletteHost paletteHost_;
    QPointer<CLdPalette> palette_;
    CLdStatusBar* statusBar_ = nullptr;
    uint32_t menuShown_ = 0;
    // The Effects menu the plug-in catalogue fills: it keeps this object
    // until the menu is detached, so it lives as long as that menu.
    std::unique_ptr<PlugInQtMenu> pluginMenu_;
    std::deque<std::function<void()>> deferred_;
    bool deferredPosted_ = false;
};
