// Writes the seeds of the archive's fuzz target with the archive itself.
#include "base/fuzz/SeedWriter.h"
#include "framework/MemFile.h"
#include "framework/fuzz/FuzzArchiveClasses.h"

namespace {

std::unique_ptr<CFuzzItem> Item(uint32_t command, const std::string& name)
{
    auto item = std::make_unique<CFuzzItem>();
    item->command = command;
    item->name = name;
    item->weight = command / 4.0;
    return item;
}

template <class Write>
std::vector<uint8_t> Stored(Write write)
{
    fw::MemFile file;
    fw::Archive ar(file, fw::Archive::store);
    write(ar);
    ar.Close();
    return file.data();
}

} // namespace

int main(int argc, char** argv)
{
    SeedWriter seeds;
    if (!seeds.Open(argc, argv))
        return 2;

    // Nothing at all: two empty lists and a null object.
    seeds.Write("empty", Stored([](fw::Archive& ar) { ar.WriteCount(0); ar.WriteCount(0); ar.WriteObject(nullptr); }));

    // Strings of each length form, and a flat list of records.
    seeds.Write("strings-and-items", Stored([](fw::Archive& ar) {
        std::vector<std::string> strings{"", "Artwork", std::string(300, 'x')};
        fw::SerializeStrings(ar, strings);
        ar.WriteCount(0);
        ar.WriteObject(Item(32811, "Mosaic").get());
    }));

    // Nodes holding nodes and records: classes named once, then by index.
    seeds.Write("nested-nodes", Stored([](fw::Archive& ar) {
        std::vector<std::string> strings{"Deformations"};
        fw::SerializeStrings(ar, strings);
        std::vector<std::unique_ptr<CFuzzNode>> nodes;
        for (int n = 0; n < 2; ++n) {
            auto node = std::make_unique<CFuzzNode>();
            node->label = "node " + std::to_string(n);
            node->tags = {"a", "bc"};
            node->item = Item(100 + n, "Brush");
            auto inner = std::make_unique<CFuzzNode>();
            inner->children.push_back(Item(7, "Oil paint"));
            inner->children.push_back(nullptr);
            node->children.push_back(std::move(inner));
            node->children.push_back(Item(8, "Chalk"));
            nodes.push_back(std::move(node));
        }
        fw::SerializeObjects(ar, nodes);
        ar.WriteObject(nullptr);
    }));

    // A wide string, as older writers stored them.
    seeds.Write("wide-string", std::vector<uint8_t>{0x01, 0x00, 0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0xE9, 0x00,
                                                    0x00, 0x00, 0x00, 0x00});
    return seeds.Done();
}
