// A libFuzzer target for what the folder scan reads of a module file: its
// ELF section headers, the resource table of its "pi_rsrc" section, and the
// plug-in resources in it, through PlugInCatalogue::ReadModule. A file that
// cannot be read must be skipped with a reason; every record found must
// have a category in use.
#include "pluginhost/PlugInCatalogue.h"
#include "pluginhost/PlugInUi.h"
#include "pluginhost/fuzz/ScratchFolder.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const ScratchFolder scratch;
    const std::string path = scratch.Write("module.8bf", data, size);
    PlugInCatalogue catalogue;
    PlugInUi ui;
    if (!catalogue.ReadModule(path, 0, ui))
        __builtin_trap(); // only running out of memory stops a module
    for (const PlugInCatalogue::SkippedModule& skipped : catalogue.Skipped())
        if (skipped.reason.empty() || catalogue.Count() != 0)
            __builtin_trap();
    for (size_t i = 0; i < catalogue.Count(); ++i)
        if (!catalogue.Categories().Name(catalogue.At(i).category) || catalogue.At(i).entry[0] == '\0')
            __builtin_trap();
    return 0;
}
