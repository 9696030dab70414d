// The catalogue of filter plug-ins found in the folders the user named: the
// records in the order they were added, their categories, the folder list,
// and the parameter handles each plug-in kept from its last run. One per
// process; loaded from the catalogue file and kept in step with the folders
// by the scan (PlugInScan.cpp), written back when something changed.
#pragma once

#include "pluginhost/OwnedHandle.h"
#include "pluginhost/PlugInCategoryTable.h"
#include "pluginhost/PlugInFolderList.h"
#include "pluginhost/PlugInRecord.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class PlugInMenu;
class PlugInUi;

class PlugInCatalogue {
public:
    PlugInCatalogue();
    ~PlugInCatalogue();
    PlugInCatalogue(const PlugInCatalogue&) = delete;
    PlugInCatalogue& operator=(const PlugInCatalogue&) = delete;

    // ---- Records
    // The record of an id; null for 0 or an unknown id.
    const PlugInRecord* FindById(uint32_t id) const;
    // Numbers the record from the counter and appends it; the record's
    // category reference now belongs to the catalogue. Gives the id.
    uint32_t AddRecord(const PlugInRecord& record);
    // Removal releases the category reference and frees both handles.
    void RemoveByPath(std::string_view path);
    void RemoveById(uint32_t id);
    // Id of the first record of that name, -1 if none.
    int32_t IdByName(std::string_view name) const;
    // Id of the record bound to a menu command, -1 if none.
    int32_t IdByMenuId(uint32_t menuId) const;
    // Id of the first record of that module and entry, -1 if none.
    int32_t IdByEntry(std::string_view path, std::string_view entry) const;
    // Without a buffer: stores name length + 1 in *length and gives 1. With
    // one: copies the name cut to *length - 1 characters and without a
    // trailing "..." (when longer than three characters), gives 1. Gives 0
    // for an unknown id, a missing length or a length below 1.
    int32_t GetName(uint32_t id, char* buffer, int32_t* length) const;
    void SetMenuId(uint32_t id, uint32_t menuId);

    size_t Count() const { return entries_.size(); }
    // Records in list order (index below Count()).
    const PlugInRecord& At(size_t index) const { return entries_[index]->record; }

    // ---- Handles kept from the last run
    // A duplicate of the record's handle (the caller owns it); null when the
    // record has none, or it is no longer valid. Throws std::bad_alloc.
    Handle GetParameters(uint32_t id) const;
    Handle GetData(uint32_t id) const;
    // Frees the record's handle and keeps a duplicate of h (none when h is
    // null or not valid). Throws std::bad_alloc.
    void SetParameters(uint32_t id, Handle h);
    void SetData(uint32_t id, Handle h);

    PlugInCategoryTable& Categories() { return categories_; }
    const PlugInCategoryTable& Categories() const { return categories_; }
    PlugInFolderList& Folders() { return folders_; }
    const PlugInFolderList& Folders() const { return folders_; }

    // ---- The catalogue file (PlugInCatalogueFile.cpp)
    // Reads folders and records; a file that is absent or damaged in any way
    // leaves the catalogue without its records (the scan rebuilds them) and
    // dirty, so that a sound file replaces it.
    void ReadFile(const std::string& path);
    // Writes the whole catalogue to a temporary file beside path and renames
    // it over path; on failure the old file stays as it was. True on success.
    bool WriteFile(const std::string& path) const;

    // ---- The scan (PlugInScan.cpp)
    // Takes a new folder list (null: rescans the stored one), drops the
    // records of folders that left it, reads the modules of folders that
    // joined it and re-reads changed modules of the others.
    void ApplyFolders(const PlugInFolderList* folders, PlugInUi& ui);
    // Re-reads a module when its file time differs from its records'.
    void RefreshModule(const std::string& path, uint64_t fileTime, PlugInUi& ui);
    // Reads the plug-ins of one module file into the catalogue, from its
    // resources only; a file that is not a module, or that cannot be read
    // for any reason (damaged, too large, memory short), is skipped and
    // noted in Skipped(). False only when a record could not be added.
    bool ReadModule(const std::string& path, uint64_t fileTime, PlugInUi& ui);

    // A module file the last scan passed over, and why.
    struct SkippedModule {
        std::string path;
        std::string reason;
    };
    const std::vector<SkippedModule>& Skipped() const { return skipped_; }

    // ---- Menus (PlugInMenus.cpp)
    // Builds the plug-in submenus into the attached menu (keep false: the
    // old ones are removed first). 0 when not initialised, else 1.
    int32_t BuildMenus(bool keep);
    void RemoveMenus();
    // Attaches a menu: the plug-in items get command ids from firstId on.
    int32_t AttachMenu(PlugInMenu* menu, uint32_t firstId);
    void DetachMenu();

    // ---- State
    bool initialised = false;
    bool dirty = false;
    std::string catalogueFile;
    std::string startFolder;

private:
    struct Entry {
        PlugInRecord record;
        OwnedHandle parameters;
        OwnedHandle data;
    };

    Entry* FindEntry(uint32_t id) const;
    void Remove(size_t index);
    void RemoveIf(const std::function<bool(const PlugInRecord&)>& doomed);
    void NoteSkipped(const std::string& path, std::string reason);

    std::vector<std::unique_ptr<Entry>> entries_;
    uint32_t nextId_ = 1;
    PlugInCategoryTable categories_;
    PlugInFolderList folders_;
    std::vector<SkippedModule> skipped_;

    // The attached menu, its first command id and its item count before
    // the plug-in items were added.
    PlugInMenu* menu_ = nullptr;
    uint32_t firstMenuId_ = 0;
    int32_t menuBaseCount_ = 0;
    std::vector<std::unique_ptr<PlugInMenu>> submenus_;
};
