#include "pluginhost/CPIInstance.h"

#include "filters/sdk/PIHandles.h"
#include "pluginhost/FixedString.h"
#include "pluginhost/FxgateLibrary.h"
#include "pluginhost/piInstExceptions.h"
#include "platform/Module.h"

#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace {

// A copy of a handle's data, or the value itself when it is no handle.
intptr_t DuplicateValue(intptr_t value)
{
    const auto h = reinterpret_cast<Handle>(value);
    if (!IsValidHostHandle(h))
        return value;
    Handle copy = DuplicateHandleBlock(h);
    if (!copy)
        throw piInst_err_nomemory();
    return reinterpret_cast<intptr_t>(copy);
}

// A copy of a valid handle; null for none or one that is no longer valid.
Handle DuplicateHandle(Handle h)
{
    if (!IsValidHostHandle(h))
        return nullptr;
    Handle copy = DuplicateHandleBlock(h);
    if (!copy)
        throw piInst_err_nomemory();
    return copy;
}

} // namespace

CPIInstance::CPIInstance(uint32_t id)
{
    FxgateLibrary* library = Fxgate();
    if (!library)
        throw piInst_error();
    const PlugInRecord* record = library->catalogue.FindById(id);
    if (!record)
        throw piInst_err_ID();
    id_ = id;
    CopyFixed(path_, FixedView(record->path));
    CopyFixed(entry_, FixedView(record->entry));
    modes_ = record->modes;
    std::memcpy(filterCases_, record->filterCases, sizeof(filterCases_));
    CopyFixed(name_, FixedView(record->name));
    std::string_view display = FixedView(name_);
    if (display.size() > 3 && display.substr(display.size() - 3) == "...")
        display.remove_suffix(3);
    CopyFixed(displayName_, display);
}

CPIInstance::CPIInstance(const CPIInstance& other)
    : askParameters_(other.askParameters_), modes_(other.modes_), id_(other.id_)
{
    std::memcpy(path_, other.path_, sizeof(path_));
    std::memcpy(entry_, other.entry_, sizeof(entry_));
    std::memcpy(name_, other.name_, sizeof(name_));
    std::memcpy(displayName_, other.displayName_, sizeof(displayName_));
    std::memcpy(filterCases_, other.filterCases_, sizeof(filterCases_));
    data_ = DuplicateValue(other.data_);
    try {
        parameters_ = DuplicateHandle(other.parameters_);
    } catch (...) {
        FreeHostHandle(reinterpret_cast<Handle>(data_));
        throw;
    }
}

CPIInstance& CPIInstance::operator=(const CPIInstance& other)
{
    if (this != &other) {
        CPIInstance copy(other);
        std::swap(parameters_, copy.parameters_);
        std::swap(data_, copy.data_);
        askParameters_ = copy.askParameters_;
        std::memcpy(path_, copy.path_, sizeof(path_));
        std::memcpy(entry_, copy.entry_, sizeof(entry_));
        std::memcpy(name_, copy.name_, sizeof(name_));
        std::memcpy(displayName_, copy.displayName_, sizeof(displayName_));
        modes_ = copy.modes_;
        std::memcpy(filterCases_, copy.filterCases_, sizeof(filterCases_));
        id_ = copy.id_;
    }
    return *this;
}

CPIInstance::~CPIInstance() { FreeHandles(); }

void CPIInstance::FreeHandles()
{
    FreeHostHandle(parameters_);
    FreeHostHandle(reinterpret_cast<Handle>(data_));
    parameters_ = nullptr;
    data_ = 0;
}

int32_t CPIInstance::CatalogueId() const
{
    const PlugInCatalogue& catalogue = Fxgate()->catalogue;
    const PlugInRecord* record = catalogue.FindById(id_);
    if (record && FixedView(record->path) == FixedView(path_) && FixedView(record->entry) == FixedView(entry_))
        return static_cast<int32_t>(id_);
    // A rescan numbers the records anew: the same module and entry is the
    // same plug-in.
    return catalogue.IdByEntry(FixedView(path_), FixedView(entry_));
}

void CPIInstance::Execute(void* window, uint32_t background, uint32_t foreground, CAbstractReadWA_Ex* destination,
                          CAbstractWriteWA_Ex* source, PIPOINT maskOffset, CAbstractWriteWA_Ex* mask,
                          PIProgressFunction progress, PIDisplayFunction display, PIRECT* changed,
                          int32_t* withinSelection)
{
    // The run's own reference to the module, released however the run ends.
    platform::Module module;
    if (!module.Load(path_))
        throw piInst_err_loadDll();
    FxgateLibrary* library = Fxgate();
    if (!library)
        throw piInst_err_host();
    auto* entry = module.Entry<std::remove_pointer_t<PIFilterEntry>>(entry_);
    if (!entry)
        throw piInst_err_getproc();
    PlugInHost& host = library->host;
    if (host.BeginRun(window, background, foreground, destination, source, maskOffset.x, maskOffset.y, mask, progress,
                      display, withinSelection) != kRunDone)
        throw piInst_err_hostparams();

    const bool firstRun = askParameters_ == 1;
    int32_t id = -1;
    if (firstRun) {
        if (parameters_ && !IsValidHostHandle(parameters_))
            throw piInst_err_params();
        id = CatalogueId();
        if (id > 0) {
            try {
                Handle parameters = library->catalogue.GetParameters(static_cast<uint32_t>(id));
                Handle data = library->catalogue.GetData(static_cast<uint32_t>(id));
                FreeHandles();
                parameters_ = parameters;
                data_ = reinterpret_cast<intptr_t>(data);
            } catch (const std::bad_alloc&) {
                throw piInst_err_nomemory();
            }
        }
    }

    const int32_t result =
        host.Run(&askParameters_, entry, modes_, filterCases_, &parameters_, &data_, changed);
    if (result == kRunCancelled)
        throw piInst_cancel();
    if (result != kRunDone)
        throw piInst_err_execute();

    if (firstRun && id > 0) {
        try {
            library->catalogue.SetParameters(static_cast<uint32_t>(id), parameters_);
            library->catalogue.SetData(static_cast<uint32_t>(id), reinterpret_cast<Handle>(data_));
        } catch (const std::bad_alloc&) {
            throw piInst_err_nomemory();
        }
    }
}
