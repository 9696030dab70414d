#include "editor/registry/LdRegistry.h"

#include <algorithm>
#include <exception>
#include <string_view>

#include "editor/loadable/LdExports.h"
#include "editor/loadable/LdLoadable.h"
#include "editor/loadable/LdModule.h"
#include "framework/ProfileStore.h"
#include "platform/Module.h"
#include "platform/ProgramLocation.h"

struct CLdRegistry::Library {
    platform::Module module;
    std::unique_ptr<CLdModule> resources;
};

namespace {

// A chain of base classes longer than this is a damaged record, not a class
// hierarchy; it would otherwise be walked for ever if it loops.
constexpr int kMaxChain = 64;
// More classes than any module offers: a count beyond it is damage.
constexpr int32_t kMaxClasses = 4096;

bool ChainHasName(const fw::RuntimeClass* first, std::string_view name)
{
    int steps = 0;
    for (const fw::RuntimeClass* c = first; c && steps < kMaxChain; c = c->GetBaseClass(), ++steps)
        if (c->className && name == c->className)
            return true;
    return false;
}

std::string ClassNameOf(const fw::RuntimeClass* record)
{
    return record->className ? record->className : "(unnamed)";
}

const char* KindWord(bool task) { return task ? "task" : "tool"; }

}  // namespace

CLdRegistry::CLdRegistry() = default;

CLdRegistry::~CLdRegistry()
{
    classMap_.clear();
    libraries_.clear();
}

void CLdRegistry::LoadTaskNames(fw::ProfileStore& profile)
{
    const int32_t count = std::min(profile.GetInt("Tasks", "tasks", 0), kMaxSettingsCount);
    for (int32_t i = 0; i < count; ++i)
        taskNames_.push_back(profile.GetString("Tasks", "task" + std::to_string(i), ""));
}

void CLdRegistry::LoadTaskLibraries(fw::ProfileStore& profile) { LoadLibraries(profile, Kind::Task); }

void CLdRegistry::LoadToolLibraries(fw::ProfileStore& profile) { LoadLibraries(profile, Kind::Tool); }

std::string CLdRegistry::ResolveLibraryPath(const std::string& name)
{
    if (!name.empty() && name.front() == '/')
        return name;
    return platform::ProgramLocation::ProgramFolder() + name;
}

void CLdRegistry::LoadLibraries(fw::ProfileStore& profile, Kind kind)
{
    const bool task = kind == Kind::Task;
    const std::string section = task ? "Tasks" : "Tools";
    const int32_t count = std::min(profile.GetInt(section, "libs", 0), kMaxSettingsCount);
    for (int32_t i = 0; i < count; ++i) {
        const std::string name = profile.GetString(section, "lib" + std::to_string(i), "");
        if (name.empty())
            continue;
        const std::string path = ResolveLibraryPath(name);
        auto library = std::make_unique<Library>();
        if (!library->module.Load(path)) {
            problems_.push_back("Can't load the " + std::string(KindWord(task)) + " library " + path + ": " +
                                library->module.Error());
            continue;
        }
        try {
            library->resources = CLdModule::FromFile(path);
        } catch (const std::exception& e) {
            problems_.push_back("The resources of " + path + " can't be read: " + e.what());
            continue;
        }
        if (RegisterClasses(*library, kind))
            libraries_.push_back(std::move(library));
    }
}

bool CLdRegistry::RegisterClasses(Library& library, Kind kind)
{
    const bool task = kind == Kind::Task;
    const std::string& path = library.resources->Path();
    auto* count = library.module.Entry<LdCountProc>(task ? kLdCountTasks : kLdCountTools);
    auto* init = library.module.Entry<LdInitProc>(task ? kLdTaskInit : kLdToolInit);
    if (!count || !init) {
        problems_.push_back("The " + std::string(KindWord(task)) + " library " + path + " does not export " +
                            (task ? kLdCountTasks : kLdCountTools) + " and " + (task ? kLdTaskInit : kLdToolInit));
        return false;
    }
    try {
        int32_t classes = count();
        if (classes > kMaxClasses) {
            problems_.push_back("The " + std::string(KindWord(task)) + " library " + path + " counts " +
                                std::to_string(classes) + " classes; only the first " +
                                std::to_string(kMaxClasses) + " are taken");
            classes = kMaxClasses;
        }
        for (int32_t j = 0; j < classes; ++j) {
            const fw::RuntimeClass* record = init(uint32_t(j));
            if (record)
                RegisterClass(record, library, kind);
            else
                problems_.push_back(std::string(task ? kLdTaskInit : kLdToolInit) + "(" + std::to_string(j) +
                                    ") of " + path + " gives no class");
        }
    } catch (const std::exception& e) {
        problems_.push_back("The " + std::string(KindWord(task)) + " library " + path + " failed: " + e.what());
    } catch (...) {
        problems_.push_back("The " + std::string(KindWord(task)) + " library " + path + " failed");
    }
    // Kept while a record of the map points into it.
    return std::any_of(classMap_.begin(), classMap_.end(),
                       [&](const auto& entry) { return entry.second->module == library.resources.get(); });
}

void CLdRegistry::RegisterClass(const fw::RuntimeClass* record, const Library& library, Kind kind)
{
    const std::string& path = library.resources->Path();
    const std::string className = ClassNameOf(record);
    if (!ChainHasName(record, "CLdTask") && !ChainHasName(record, "CLdTool")) {
        problems_.push_back("The class " + className + " of " + path + " is neither a task nor a tool class");
        return;
    }
    std::unique_ptr<fw::Object> object;
    try {
        object.reset(record->CreateObject());
    } catch (const std::exception& e) {
        problems_.push_back("The class " + className + " of " + path + " can't be created: " + e.what());
        return;
    } catch (...) {
        problems_.push_back("The class " + className + " of " + path + " can't be created");
        return;
    }
    auto* loadable = dynamic_cast<CLdLoadable*>(object.get());
    if (!loadable) {
        problems_.push_back("The class " + className + " of " + path +
                            (object ? " is not built on the editor's task and tool classes" : " can't be created"));
        return;
    }
    const std::string name = loadable->GetName();
    if (name.empty()) {
        problems_.push_back("The class " + className + " of " + path + " has no short name");
        return;
    }
    // A later task replaces an earlier one of its name; the first tool of a
    // name stays.
    if (kind == Kind::Tool && classMap_.count(name))
        return;
    classMap_[name] = std::make_unique<CLoadableRTI>(*record, library.resources.get());
}

std::unique_ptr<CLdLoadable> CLdRegistry::CreateLoadable(const std::string& name) const
{
    const CLoadableRTI* rti = Find(name);
    if (!rti)
        return nullptr;
    std::unique_ptr<fw::Object> object(rti->classRecord.CreateObject());
    auto* loadable = dynamic_cast<CLdLoadable*>(object.get());
    if (!loadable)
        return nullptr;
    object.release();
    loadable->SetModule(rti->module);
    return std::unique_ptr<CLdLoadable>(loadable);
}

bool CLdRegistry::IsToolName(const std::string& name) const
{
    const CLoadableRTI* rti = Find(name);
    return rti && ChainHasName(rti->classRecord.GetBaseClass(), "CLdTool");
}

const CLoadableRTI* CLdRegistry::Find(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    auto it = classMap_.find(name);
    return it == classMap_.end() ? nullptr : it->second.get();
}

std::vector<std::string> CLdRegistry::ShortNames() const
{
    std::vector<std::string> names;
    for (const auto& entry : classMap_)
        names.push_back(entry.first);
    return names;
}
