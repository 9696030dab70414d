// Writes the seeds of the catalogue file's fuzz target with the catalogue
// itself (PlugInCatalogue::WriteFile).
#include "base/fuzz/SeedWriter.h"
#include "pluginhost/FixedString.h"
#include "pluginhost/PlugInCatalogue.h"

#include <cstdlib>

namespace {

void AddRecord(PlugInCatalogue& catalogue, const std::string& path, const std::string& name,
               const std::string& category)
{
    PlugInRecord r;
    CopyFixed(r.path, path);
    CopyFixed(r.name, name);
    CopyFixed(r.entry, "ENTRYPOINT" + std::to_string(catalogue.Count() + 1));
    CopyFixed(r.aboutEntry, "ENTRYPOINT1");
    r.modes = 0x50;
    r.timeLow = 0x12345678;
    r.timeHigh = 0x01D00000;
    r.filterCases[0] = {1, 1, 0, 0};
    r.category = catalogue.Categories().Add(category.c_str());
    catalogue.AddRecord(r);
}

void Write(SeedWriter& seeds, const std::string& name, const PlugInCatalogue& catalogue)
{
    if (!catalogue.WriteFile(seeds.PathFor(name)))
        std::abort();
}

} // namespace

int main(int argc, char** argv)
{
    SeedWriter seeds;
    if (!seeds.Open(argc, argv))
        return 2;

    PlugInCatalogue empty;
    Write(seeds, "empty.DAT", empty);

    // No folders: the plug-in section starts where the folders would.
    PlugInCatalogue records;
    AddRecord(records, "/plugins/rubber.8bf", "Rubber...", "Orvane Collection: Rubber");
    AddRecord(records, "/plugins/rubber.8bf", "Perspe...", "Orvane Collection: Rubber");
    AddRecord(records, "/plugins/invert.8bf", "Invert...", "");
    Write(seeds, "records.DAT", records);

    PlugInCatalogue folders;
    folders.Folders().Add("/home/user/plugins");
    folders.Folders().Add("/opt/filters");
    AddRecord(folders, "/opt/filters/blur.8bf", "Blur more", "Blur");
    AddRecord(folders, "/opt/filters/blur.8bf", "Sharpen edges...", "Sharpen");
    Write(seeds, "folders-and-records.DAT", folders);
    return seeds.Done();
}
