// The task and tool classes of the libraries that the settings file lists,
// filed by short name, and the stage names; a bar makes an object by name
// when it needs one. The application owns one registry for the life of the
// program; the libraries it loaded stay loaded as long as it lives, so every
// object made by CreateLoadable must be deleted before it.
//
// A library or class that cannot serve is skipped without a message, as the
// editor has always done; Problems() keeps the reason of each skip for
// whoever wants to know.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/registry/LoadableRTI.h"

namespace fw {
class ProfileStore;
}
class CLdLoadable;
class CLdModule;

class CLdRegistry {
public:
    // Most libraries or stage names a settings count is taken to mean.
    static constexpr int32_t kMaxSettingsCount = 1024;

    CLdRegistry();
    ~CLdRegistry();
    CLdRegistry(const CLdRegistry&) = delete;
    CLdRegistry& operator=(const CLdRegistry&) = delete;

    // "Tasks": "tasks" = count, "task%i" = stage names, appended in order
    // (empty ones too).
    void LoadTaskNames(fw::ProfileStore& profile);
    // "Tasks" (or "Tools"): "libs" = count, "lib%i" = library files. Each
    // library's classes are filed under their short names; a later task
    // replaces an earlier one of the same name, while the first tool of a
    // name stays.
    void LoadTaskLibraries(fw::ProfileStore& profile);
    void LoadToolLibraries(fw::ProfileStore& profile);

    // An absolute name as it is; any other is taken from the program's
    // folder.
    static std::string ResolveLibraryPath(const std::string& name);

    // A new object of the class filed under name, its resource module set;
    // null for an empty or unknown name. The caller owns the object.
    std::unique_ptr<CLdLoadable> CreateLoadable(const std::string& name) const;
    // The class filed under name is a tool: a class in its chain of base
    // classes, from its direct base on, is named "CLdTool".
    bool IsToolName(const std::string& name) const;

    const CLoadableRTI* Find(const std::string& name) const;
    // Every short name of the map, in byte order.
    std::vector<std::string> ShortNames() const;
    const std::vector<std::string>& TaskNames() const { return taskNames_; }
    const std::vector<std::string>& Problems() const { return problems_; }

private:
    struct Library;
    enum class Kind { Task, Tool };

    void LoadLibraries(fw::ProfileStore& profile, Kind kind);
    // False when the library offers nothing (it is then dropped).
    bool RegisterClasses(Library& library, Kind kind);
    void RegisterClass(const fw::RuntimeClass* record, const Library& library, Kind kind);

    // Declared first so that the libraries go last, after the records that
    // point into them.
    std::vector<std::unique_ptr<Library>> libraries_;
    std::map<std::string, std::unique_ptr<CLoadableRTI>> classMap_;
    std::vector<std::string> taskNames_;
    std::vector<std::string> problems_;
};
