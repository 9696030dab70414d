#include "editor/effects/HandleArchive.h"

#include "base/QnExcept.h"
#include "editor/effects/EffectStrings.h"
#include "filters/sdk/PIHandles.h"
#include "framework/Archive.h"

#include <cstring>
#include <new>

namespace {

constexpr const char* kFile = "PlugInInstance";

[[noreturn]] void Fail(int id, int line)
{
    QnExcept(EffectString(id).c_str(), kFile, line).raise();
}

} // namespace

void WriteHandleToArchive(Handle h, fw::Archive& archive)
{
    if (!archive.IsStoring())
        Fail(IDS_BAD_ARCHIVE_OPERATION, __LINE__);
    if (!h) {
        archive << uint32_t{0};
        return;
    }
    if (!IsValidHostHandle(h))
        Fail(IDS_INVALID_HANDLE, __LINE__);
    const int32_t size = GetHostHandleSize(h);
    archive << uint32_t(size);
    archive.Write(h->data, size_t(size));
}

Handle ReadHandleFromArchive(fw::Archive& archive)
{
    if (!archive.IsLoading())
        Fail(IDS_BAD_ARCHIVE_OPERATION, __LINE__);
    uint32_t size = 0;
    archive >> size;
    if (size == 0 || size > uint32_t(INT32_MAX))
        return nullptr;
    Handle h = NewHostHandle(int32_t(size));
    if (!h)
        return nullptr;
    archive.Read(h->data, size);
    return h;
}

Handle DuplicateHandleChecked(Handle h)
{
    if (!IsValidHostHandle(h))
        Fail(IDS_INVALID_HANDLE, __LINE__);
    Handle copy = DuplicateHandleBlock(h);
    if (!copy)
        throw std::bad_alloc();
    return copy;
}

void FreeHandleChecked(Handle h)
{
    if (!FreeHostHandle(h))
        Fail(IDS_INVALID_HANDLE, __LINE__);
}
