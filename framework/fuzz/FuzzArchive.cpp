// A libFuzzer target for the archive's reading: a string list, then a list
// of owned objects (nodes holding strings, lists and records), then one
// more owned object. Whatever is read is written again, and what that
// writes must read back to the same bytes.
#include "framework/Exception.h"
#include "framework/MemFile.h"
#include "framework/fuzz/FuzzArchiveClasses.h"

#include <cstdint>
#include <vector>

namespace {

struct Contents {
    std::vector<std::string> strings;
    std::vector<std::unique_ptr<CFuzzNode>> nodes;
    std::unique_ptr<fw::Object> last;

    void Serialize(fw::Archive& ar)
    {
        fw::SerializeStrings(ar, strings);
        fw::SerializeObjects(ar, nodes);
        if (ar.IsStoring())
            ar.WriteObject(last.get());
        else
            last = ar.ReadOwnedObject();
    }
};

std::vector<uint8_t> Store(Contents& contents)
{
    fw::MemFile file;
    fw::Archive ar(file, fw::Archive::store);
    contents.Serialize(ar);
    ar.Close();
    return file.data();
}

void Load(Contents& contents, std::vector<uint8_t> bytes)
{
    fw::MemFile file(std::move(bytes));
    fw::Archive ar(file, fw::Archive::load);
    contents.Serialize(ar);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Contents first;
    try {
        Load(first, std::vector<uint8_t>(data, data + size));
    } catch (const fw::ArchiveException& e) {
        if (e.GetErrorMessage().empty())
            __builtin_trap();
        return 0;
    }
    const std::vector<uint8_t> stored = Store(first);
    Contents second;
    Load(second, stored); // raises (and so fails) when the archive cannot read its own output
    if (Store(second) != stored)
        __builtin_trap();
    return 0;
}
