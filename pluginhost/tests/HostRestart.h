// The library's host is one per process and starts only once. A test that
// started it over a folder of its own hands it back unstarted and without
// records, so that the next test's start reads its own folder, not one that
// is gone.
#pragma once

#include "pluginhost/FxgateLibrary.h"

inline void ForgetHostStart()
{
    if (FxgateLibrary* library = Fxgate()) {
        PlugInCatalogue& catalogue = library->catalogue;
        while (catalogue.Count() > 0)
            catalogue.RemoveById(catalogue.At(0).id);
        catalogue.initialised = false;
    }
}
