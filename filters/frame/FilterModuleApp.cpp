#include "filters/frame/FilterModuleApp.h"

#include "filters/frame/FilterModuleInfo.h"
#include "filters/frame/FilterModuleState.h"
#include "framework/App.h"
#include "framework/HelpProvider.h"
#include "platform/Module.h"
#include "platform/SettingsLocation.h"

namespace {

std::string OwnModulePath()
{
    static const int anchor = 0;
    return platform::Module::PathOfAddress(&anchor);
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string FileOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Stem(const std::string& path)
{
    std::string file = FileOf(path);
    const size_t dot = file.rfind('.');
    return dot == std::string::npos ? file : file.substr(0, dot);
}

// The application object is made at load, before any host call can need it.
__attribute__((constructor)) void MakeAtLoad() { FilterModuleApp::Get(); }

} // namespace

FilterModuleApp& FilterModuleApp::Get()
{
    static FilterModuleApp app;
    return app;
}

std::string FilterModuleApp::ProfileName(const std::string& modulePath) { return Stem(modulePath) + ".INI"; }

FilterModuleApp::FilterModuleApp()
    : modulePath_(OwnModulePath()),
      helpFile_(FolderOf(modulePath_) + "/" +
                (FilterModuleDescription().helpFile ? std::string(FilterModuleDescription().helpFile)
                                                    : Stem(modulePath_) + ".HLP")),
      profile_(platform::SettingsLocation::SettingsFile(ProfileName(modulePath_), Stem(modulePath_),
                                                        FolderOf(modulePath_)))
{
    InitInstance();
}

void FilterModuleApp::InitInstance() { FrameState().hostNumber = profile_.GetInt("Host", "Hostnum", -1); }

void FilterModuleApp::WinHelp(uint32_t id) const
{
    fw::HelpProvider::Instance().Show(helpFile_, id, fw::HELP_CONTEXT);
}
