#include "tasks/module/LdWizardServices.h"

#include "platform/SettingsLocation.h"
#include "tasks/module/LdEditorHost.h"
#include "tasks/module/LdGSettingsWallpaper.h"
#include "tasks/module/LdProgramLauncher.h"

namespace {

// The owner the registry store is kept under (RegistryStore::User()).
constexpr const char* kSuiteFolder = "Quendle";

CLdEditorHost* editorOverride = nullptr;
CLdWallpaperBackend* wallpaperOverride = nullptr;
CLdProgramLauncher* launcherOverride = nullptr;

}  // namespace

CLdEditorHost& CLdWizardServices::Editor()
{
    return editorOverride ? *editorOverride : CLdEditorHost::Application();
}

CLdWallpaperBackend& CLdWizardServices::Wallpaper()
{
    static CLdGSettingsWallpaper desktop;
    return wallpaperOverride ? *wallpaperOverride : desktop;
}

CLdProgramLauncher& CLdWizardServices::Launcher()
{
    return launcherOverride ? *launcherOverride : CLdProgramLauncher::Detached();
}

platform::RegistryStore CLdWizardServices::Registry() { return platform::RegistryStore::User(); }

std::string CLdWizardServices::SystemFolder() { return platform::SettingsLocation::ConfigFolder(kSuiteFolder); }

void CLdWizardServices::SetEditor(CLdEditorHost* editor) { editorOverride = editor; }

void CLdWizardServices::SetWallpaper(CLdWallpaperBackend* wallpaper) { wallpaperOverride = wallpaper; }

void CLdWizardServices::SetLauncher(CLdProgramLauncher* launcher) { launcherOverride = launcher; }
