// The plain exported functions. Each answers as the interface defines, and
// none lets an exception out.
#include "pluginhost/Fxgate.h"

#include "pluginhost/FixedString.h"
#include "pluginhost/FxgateLibrary.h"
#include "pluginhost/FxgateStrings.h"

#include <cstring>

namespace {

PlugInCatalogue* Initialised()
{
    FxgateLibrary* library = Fxgate();
    return library && library->catalogue.initialised ? &library->catalogue : nullptr;
}

// Positions of the enumerations: a category index + 1, a record id.
void* ToPosition(uintptr_t value) { return reinterpret_cast<void*>(value); }
uintptr_t FromPosition(void* position) { return reinterpret_cast<uintptr_t>(position); }

} // namespace

extern "C" {

int32_t PIInitPluginSupport(const PIInitPaths* paths)
{
    FxgateLibrary* library = Fxgate();
    if (!library || !paths || !paths->catalogueFile || !*paths->catalogueFile)
        return 0;
    PlugInCatalogue& catalogue = library->catalogue;
    if (catalogue.initialised)
        return 1;
    try {
        const std::string folder = paths->pluginFolder ? paths->pluginFolder : "";
        PlugInFolderList given;
        if (!folder.empty() && !given.Add(folder))
            return 0;
        catalogue.catalogueFile = paths->catalogueFile;
        catalogue.startFolder = folder;
        catalogue.ReadFile(catalogue.catalogueFile);
        catalogue.ApplyFolders(folder.empty() ? nullptr : &given, library->ui);
        catalogue.initialised = true;
        library->host.InstallCallbacks();
        return 1;
    } catch (...) {
        return 0;
    }
}

int32_t PITermPluginSupport()
{
    FxgateLibrary* library = Fxgate();
    try {
        return library && library->WriteCatalogue() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

void PISetPluginUi(PlugInUi* ui)
{
    if (FxgateLibrary* library = Fxgate())
        library->ui.Install(ui);
}

int32_t PIAttachPluginMenu(PlugInMenu* menu, uint32_t firstId)
{
    PlugInCatalogue* catalogue = Initialised();
    try {
        return catalogue ? catalogue->AttachMenu(menu, firstId) : 0;
    } catch (...) {
        return 0;
    }
}

void PIDettachPluginMenu()
{
    try {
        if (PlugInCatalogue* catalogue = Initialised())
            catalogue->DetachMenu();
    } catch (...) {
    }
}

int32_t PIGetPluginIDByMenuID(uint32_t commandId)
{
    PlugInCatalogue* catalogue = Initialised();
    // Records without a menu item hold 0, which is no command.
    return catalogue && commandId != 0 ? catalogue->IdByMenuId(commandId) : -1;
}

int32_t PIGetPluginName(uint32_t id, char* buffer, int32_t* length)
{
    FxgateLibrary* library = Fxgate();
    return library ? library->catalogue.GetName(id, buffer, length) : 0;
}

int32_t PIOpenPluginDialog(void* owner)
{
    PlugInCatalogue* catalogue = Initialised();
    if (!catalogue)
        return 0;
    try {
        FxgateLibrary* library = Fxgate();
        PlugInFolderList folders = catalogue->Folders();
        if (library->ui.EditFolders(owner, folders))
            catalogue->ApplyFolders(&folders, library->ui);
        return 1;
    } catch (...) {
        return 0;
    }
}

int32_t PIOpenPluginAboutDialog(void* window, uint32_t id)
{
    if (!Initialised())
        return 0;
    try {
        return Fxgate()->host.About(window, id);
    } catch (...) {
        return kRunFailed;
    }
}

int32_t PIExecutePlugin(void* window, uint32_t id, int32_t askParameters, uint32_t background, uint32_t foreground,
                        CAbstractReadWA_Ex* destination, CAbstractWriteWA_Ex* source, int32_t offsetX,
                        int32_t offsetY, CAbstractWriteWA_Ex* mask, PIProgressFunction progress,
                        PIDisplayFunction display, int32_t* withinSelection)
{
    // Failures answer a failure, never 0 (which means done).
    if (!Initialised())
        return kRunNotFound;
    if (!window || !destination || !source || !mask)
        return kRunNoWorkArea;
    try {
        return Fxgate()->host.ExecuteById(window, id, askParameters, background, foreground, destination, source,
                                          offsetX, offsetY, mask, progress, display, withinSelection);
    } catch (...) {
        return kRunFailed;
    }
}

int32_t PIGetLastPluginError()
{
    FxgateLibrary* library = Fxgate();
    return library ? library->host.LastError() : 0;
}

const char* PIGetPluginMessage(int32_t id) { return FxgateText(id); }

void* PIGetFirstPluginCatgPosition()
{
    PlugInCatalogue* catalogue = Initialised();
    if (!catalogue)
        return nullptr;
    const PlugInCategoryTable& categories = catalogue->Categories();
    for (int32_t i = 0; i < categories.Capacity(); ++i)
        if (categories.InUse(i))
            return ToPosition(uintptr_t(i) + 1);
    return nullptr;
}

const char* PIGetNextPluginCatg(void** position, int32_t* index)
{
    PlugInCatalogue* catalogue = Initialised();
    if (!catalogue || !position || !*position)
        return nullptr;
    const PlugInCategoryTable& categories = catalogue->Categories();
    const auto at = static_cast<int32_t>(FromPosition(*position) - 1);
    const char* name = categories.Name(at);
    if (!name) {
        *position = nullptr;
        return nullptr;
    }
    if (index)
        *index = at;
    *position = nullptr;
    for (int32_t i = at + 1; i < categories.Capacity(); ++i) {
        if (categories.InUse(i)) {
            *position = ToPosition(uintptr_t(i) + 1);
            break;
        }
    }
    return name;
}

void* PIGetFirstPluginPosition()
{
    PlugInCatalogue* catalogue = Initialised();
    return catalogue && catalogue->Count() ? ToPosition(catalogue->At(0).id) : nullptr;
}

const char* PIGetNextPluginName(void** position, int32_t category, uint32_t* id)
{
    if (id)
        *id = 0;
    PlugInCatalogue* catalogue = Initialised();
    if (!catalogue || !position || !*position)
        return nullptr;
    const uintptr_t from = FromPosition(*position);
    *position = nullptr;
    size_t i = 0;
    while (i < catalogue->Count() && catalogue->At(i).id != from)
        ++i;
    for (; i < catalogue->Count(); ++i) {
        const PlugInRecord& record = catalogue->At(i);
        if (record.category != category)
            continue;
        if (id)
            *id = record.id;
        if (i + 1 < catalogue->Count())
            *position = ToPosition(catalogue->At(i + 1).id);
        return record.name;
    }
    return nullptr;
}

} // extern "C"
