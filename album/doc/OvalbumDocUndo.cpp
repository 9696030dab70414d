// One level of undo: the whole album serialised into memory before each
// change, read back by Undo.
#include "album/doc/OvalbumDoc.h"

#include "album/doc/AlbumPaths.h"
#include "framework/Archive.h"
#include "framework/MemFile.h"

namespace {

constexpr size_t kSnapshotGrowth = 1024;

} // namespace

void COvalbumDoc::TakeSnapshot()
{
    auto snapshot = std::make_unique<fw::MemFile>(kSnapshotGrowth);
    fw::Archive ar(*snapshot, fw::Archive::store);
    Serialize(ar);
    ar.Close();
    snapshot_ = std::move(snapshot);
    snapshotBase_ = AlbumBaseFolder(currentPath_);
    snapshotClean_ = !IsModified();
}

bool COvalbumDoc::Undo()
{
    if (!snapshot_)
        return false;
    snapshot_->SeekToBegin();
    fw::Archive ar(*snapshot_, fw::Archive::load);
    Load(ar, snapshotBase_);
    SetModifiedFlag(!snapshotClean_);
    DropSnapshot();
    UpdateAllViews(nullptr);
    return true;
}

void COvalbumDoc::DropSnapshot()
{
    snapshot_.reset();
    snapshotBase_.clear();
    snapshotClean_ = false;
}
