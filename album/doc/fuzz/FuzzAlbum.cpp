// The ".OVA" album file read on any bytes, through the album's own open. An
// album that opens is saved and opened again, and must come back the same:
// every field, and record paths that name the same files.
#include "album/doc/OvalbumDoc.h"
#include "framework/MessageBox.h"
#include "platform/AtomicFile.h"
#include "platform/tests/TestFolder.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

auto FieldsOf(const COvalbumRec& r)
{
    return std::make_tuple(r.path, r.group, r.subgroup, r.alias, r.comments, r.creationTime, r.modificationTime,
                           r.hasThumbnail, r.hasThumbnail ? r.thumbnail : AlbumThumbnailBlock{});
}

bool SameAlbum(const COvalbumDoc& a, const COvalbumDoc& b)
{
    if (std::tie(a.comments, a.viewOnlyFound, a.groupCaption, a.subgroupCaption, a.aliasCaption) !=
            std::tie(b.comments, b.viewOnlyFound, b.groupCaption, b.subgroupCaption, b.aliasCaption) ||
        a.GetRecords().size() != b.GetRecords().size())
        return false;
    for (size_t i = 0; i < a.GetRecords().size(); ++i)
        if (FieldsOf(*a.GetRecords()[i]) != FieldsOf(*b.GetRecords()[i]))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Every input is written to a file and saved again: kept in memory where
    // there is room, rather than synced to a disk.
    if (access("/dev/shm", W_OK) == 0)
        setenv("TMPDIR", "/dev/shm", 0);
    // A damaged file is reported in a message box: answered here.
    fw::SetMessageBoxHook([](const fw::MessageBoxRequest&) { return fw::IDOK; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TestFolder folder;
    const std::string path = folder / "album.ova";
    platform::AtomicFile::Replace(path, std::span<const uint8_t>(data, size));

    COvalbumDoc doc;
    if (!doc.OnOpenDocument(path))
        return 0;
    const std::string copy = folder / "copy.ova";
    Check(doc.OnSaveDocument(copy));
    COvalbumDoc again;
    Check(again.OnOpenDocument(copy));
    Check(SameAlbum(doc, again));
    return 0;
}
