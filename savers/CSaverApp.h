// The saver program: what its command line asks (the settings dialog, the
// effect inside another window, or the full-screen saver), with the
// settings in the user's registry store.
#pragma once

#include "framework/App.h"
#include "savers/DesktopScreen.h"
#include "savers/SaverCommandLine.h"
#include "savers/SaverProgram.h"
#include "savers/SaverSettings.h"

class CSaverWnd;
class CSaverFullScreenWnd;

class CSaverApp : public fw::App {
public:
    // store: where the settings live (the user's registry store in the
    // programs, a test's own in tests).
    CSaverApp(const SaverProgram& program, platform::RegistryStore store);

    bool InitInstance() override;
    int Run() override;

    // The settings dialog; then the program ends.
    void RunSettingsDialog();
    // The effect inside the native window id; false when there is no such
    // window to draw into.
    bool CreatePreview(uint64_t window);
    void CreateFullScreen();

    // The full-screen window while there is one.
    CSaverFullScreenWnd* FullScreenWnd() const { return fullScreen_; }
    // The effect window of the preview or full-screen run.
    CSaverWnd* EffectWnd() const { return effectWnd_; }

    SaverSettings Settings() const { return SaverSettings(store_, program_.name); }
    SaverScreen& Screen() { return *screen_; }
    // Tests put a desktop of their own in place.
    void SetScreen(SaverScreen* screen) { screen_ = screen ? screen : &desktop_; }

private:
    // The window's end ends the program.
    void AdoptEffectWindow(CSaverWnd* window);

    const SaverProgram& program_;
    platform::RegistryStore store_;
    DesktopScreen desktop_;
    SaverScreen* screen_ = &desktop_;
    CSaverWnd* effectWnd_ = nullptr;
    CSaverFullScreenWnd* fullScreen_ = nullptr;
    bool windowless_ = false;
};
