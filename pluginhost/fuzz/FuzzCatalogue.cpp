// A libFuzzer target for the catalogue file: read, every record and its
// category looked at, written again, and what was written must read back
// to the same records.
#include "pluginhost/FixedString.h"
#include "pluginhost/PlugInCatalogue.h"
#include "pluginhost/fuzz/ScratchFolder.h"

#include <cstdint>

namespace {

const ScratchFolder& Scratch()
{
    static const ScratchFolder folder;
    return folder;
}

// The records as the file keeps them: everything but the ids.
std::string Summary(const PlugInCatalogue& catalogue)
{
    std::string text;
    for (size_t i = 0; i < catalogue.Count(); ++i) {
        const PlugInRecord& r = catalogue.At(i);
        const char* category = catalogue.Categories().Name(r.category);
        if (!category)
            __builtin_trap(); // a record whose category is not in use
        text += FixedView(r.path);
        text += '|';
        text += category;
        text += '|';
        text += FixedView(r.name);
        text += '|';
        text += FixedView(r.entry);
        text += '|';
        text += FixedView(r.aboutEntry);
        text += '|' + std::to_string(r.modes) + '|' + std::to_string(r.timeLow) + '|' + std::to_string(r.timeHigh);
        text.append(reinterpret_cast<const char*>(r.filterCases), sizeof r.filterCases);
        text += '\n';
    }
    for (const std::string& folder : catalogue.Folders())
        text += "folder " + folder + '\n';
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PlugInCatalogue catalogue;
    catalogue.ReadFile(Scratch().Write("input.DAT", data, size));
    const std::string first = Summary(catalogue);
    if (!catalogue.WriteFile(Scratch().Path("output.DAT")))
        return 0;
    PlugInCatalogue again;
    again.ReadFile(Scratch().Path("output.DAT"));
    if (Summary(again) != first)
        __builtin_trap();
    return 0;
}
