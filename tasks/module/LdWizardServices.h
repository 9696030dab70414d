// Where the wizards find the editor and the desktop services they use: the
// editor's main frame, the desktop's wallpaper setting, a launcher for the
// screen savers, the user's registry store and the folder that holds the
// pictures handed to the desktop (the system folder of the suite, beside
// the registry store). Tool objects are made by the editor through their
// run-time records, so these are process-wide; tests put recording ones in.
#pragma once

#include "platform/RegistryStore.h"

#include <string>

class CLdEditorHost;
class CLdProgramLauncher;
class CLdWallpaperBackend;

class CLdWizardServices {
public:
    static CLdEditorHost& Editor();
    static CLdWallpaperBackend& Wallpaper();
    static CLdProgramLauncher& Launcher();
    // The store the screen savers read: RegistryStore::User().
    static platform::RegistryStore Registry();
    // The folder of the picture files, ending in "/": the suite's config
    // folder, where the registry store lies too.
    static std::string SystemFolder();

    // Null puts the default back.
    static void SetEditor(CLdEditorHost* editor);
    static void SetWallpaper(CLdWallpaperBackend* wallpaper);
    static void SetLauncher(CLdProgramLauncher* launcher);
};
