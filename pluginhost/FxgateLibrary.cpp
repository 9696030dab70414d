#include "pluginhost/FxgateLibrary.h"

namespace {

FxgateLibrary* library = nullptr;

// Made when the library is loaded, destroyed when it is unloaded.
struct LibraryLifetime {
    FxgateLibrary state;
    LibraryLifetime() { library = &state; }
    ~LibraryLifetime()
    {
        try {
            state.WriteCatalogue();
        } catch (...) {
            // Unloading goes on; the file keeps its last good content.
        }
        library = nullptr;
    }
} lifetime;

} // namespace

FxgateLibrary::FxgateLibrary() : host(catalogue, ui) {}

FxgateLibrary::~FxgateLibrary() = default;

bool FxgateLibrary::WriteCatalogue()
{
    if (!catalogue.initialised || !catalogue.dirty)
        return true;
    if (!catalogue.WriteFile(catalogue.catalogueFile))
        return false;
    catalogue.dirty = false;
    return true;
}

FxgateLibrary* Fxgate() { return library; }
