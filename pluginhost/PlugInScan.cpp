// Keeping the catalogue in step with the plug-in folders. Modules are never
// loaded here: only the resources of their files are read.
#include "pluginhost/FixedString.h"
#include "pluginhost/FxgateStrings.h"
#include "pluginhost/ModuleFiles.h"
#include "pluginhost/PlugInCatalogue.h"
#include "pluginhost/PlugInResourceParser.h"
#include "pluginhost/PlugInUi.h"
#include "pluginhost/WaitCursor.h"
#include "platform/ResourceTable.h"

#include <exception>
#include <new>
#include <set>

namespace {

// Whether a module path names a file directly inside folder.
bool IsInFolder(std::string_view path, const std::string& folder)
{
    const std::string prefix = PathInFolder(folder, "");
    return path.size() > prefix.size() && path.substr(0, prefix.size()) == prefix &&
           path.find('/', prefix.size()) == std::string_view::npos;
}

} // namespace

void PlugInCatalogue::NoteSkipped(const std::string& path, std::string reason)
{
    std::erase_if(skipped_, [&](const SkippedModule& s) { return s.path == path; });
    skipped_.push_back({path, std::move(reason)});
}

bool PlugInCatalogue::ReadModule(const std::string& path, uint64_t fileTime, PlugInUi& ui)
{
    // Whatever goes wrong with one file costs that file alone: the scan
    // goes on with the next one.
    std::vector<ParsedPlugIn> found;
    try {
        const platform::ResourceTable resources = platform::ResourceTable::FromFile(path);
        found = ReadModulePiPL(resources);
        std::vector<ParsedPlugIn> older = ReadModuleOldForm(resources);
        found.insert(found.end(), std::make_move_iterator(older.begin()), std::make_move_iterator(older.end()));
    } catch (const std::bad_alloc&) {
        NoteSkipped(path, path + ": not enough memory to read its resources");
        return true;
    } catch (const std::exception& error) {
        NoteSkipped(path, error.what()); // the reason names the file
        return true;
    }

    for (ParsedPlugIn& plugIn : found) {
        PlugInRecord& record = plugIn.record;
        ui.SetRegistrationName(std::string(FixedView(record.name)));
        CopyFixed(record.path, path);
        record.timeLow = static_cast<uint32_t>(fileTime);
        record.timeHigh = static_cast<uint32_t>(fileTime >> 32);
        record.category = categories_.Add(plugIn.category.c_str());
        try {
            AddRecord(record);
        } catch (const std::bad_alloc&) {
            categories_.Release(record.category);
            return false;
        }
    }
    return true;
}

void PlugInCatalogue::RefreshModule(const std::string& path, uint64_t fileTime, PlugInUi& ui)
{
    for (const auto& entry : entries_) {
        const PlugInRecord& r = entry->record;
        if (FixedView(r.path) != path)
            continue;
        if ((uint64_t{r.timeHigh} << 32 | r.timeLow) == fileTime)
            return;
        break;
    }
    RemoveByPath(path);
    dirty = true;
    ReadModule(path, fileTime, ui);
}

void PlugInCatalogue::ApplyFolders(const PlugInFolderList* folders, PlugInUi& ui)
{
    WaitCursor wait(ui);
    skipped_.clear();

    PlugInFolderList kept, added, removed;
    if (folders) {
        PlugInFolderList next;
        for (const std::string& folder : *folders) {
            if (next.Contains(folder))
                continue;
            next.Add(folder);
            (folders_.Contains(folder) ? kept : added).Add(folder);
        }
        for (const std::string& folder : folders_)
            if (!next.Contains(folder))
                removed.Add(folder);
        folders_ = next;
    } else {
        kept = folders_;
    }

    // Records of the folders that left the list, also of modules that have
    // vanished from them since.
    for (const std::string& folder : removed) {
        const size_t before = entries_.size();
        RemoveIf([&](const PlugInRecord& r) { return IsInFolder(FixedView(r.path), folder); });
        if (entries_.size() != before)
            dirty = true;
    }

    std::set<std::string, std::less<>> found;
    std::vector<std::vector<ModuleFile>> addedModules;
    int32_t total = 0;
    for (const std::string& folder : added) {
        addedModules.push_back(ListModuleFiles(folder));
        total += static_cast<int32_t>(addedModules.back().size());
    }
    if (total > 0) {
        ui.ShowRegistration(total, FxgateRc()(IDS_PI_ADDING_PLUGINS));
        int32_t done = 0;
        for (const std::vector<ModuleFile>& modules : addedModules) {
            for (const ModuleFile& module : modules) {
                ui.SetRegistrationModule(module.path);
                found.insert(module.path);
                dirty = true;
                const bool more = ReadModule(module.path, module.fileTime, ui);
                ui.StepRegistration(++done);
                if (!more)
                    break; // out of memory: the rest of that folder waits for the next scan
            }
        }
        ui.HideRegistration();
    }

    for (const std::string& folder : kept) {
        for (const ModuleFile& module : ListModuleFiles(folder)) {
            RefreshModule(module.path, module.fileTime, ui);
            found.insert(module.path);
        }
    }

    // Modules that are gone from their folders.
    RemoveIf([&](const PlugInRecord& r) { return !found.count(FixedView(r.path)); });

    BuildMenus(false);
}
