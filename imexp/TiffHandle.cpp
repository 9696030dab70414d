#include "imexp/TiffHandle.h"

#include "imexp/Fail.h"
#include "imexp/OutputFile.h"

#include <cerrno>
#include <cstdio>
#include <sys/mman.h>
#include <unistd.h>
#include <cstring>

namespace imexp {

namespace {

tmsize_t MemRead(thandle_t h, void* out, tmsize_t size)
{
    auto* in = static_cast<TiffHandle::MemoryInput*>(h);
    if (size < 0 || in->at > in->bytes.size())
        return -1;
    const uint64_t n = std::min<uint64_t>(uint64_t(size), in->bytes.size() - in->at);
    std::memcpy(out, in->bytes.data() + in->at, size_t(n));
    in->at += n;
    return tmsize_t(n);
}

tmsize_t MemWrite(thandle_t, void*, tmsize_t) { return -1; }

toff_t MemSeek(thandle_t h, toff_t offset, int whence)
{
    auto* in = static_cast<TiffHandle::MemoryInput*>(h);
    uint64_t base = whence == SEEK_CUR ? in->at : whence == SEEK_END ? in->bytes.size() : 0;
    if (offset > UINT64_MAX - base)
        return toff_t(-1);
    in->at = base + offset;
    return in->at;
}

int MemClose(thandle_t) { return 0; }
toff_t MemSize(thandle_t h) { return static_cast<TiffHandle::MemoryInput*>(h)->bytes.size(); }

int MemMap(thandle_t h, void** base, toff_t* size)
{
    auto* in = static_cast<TiffHandle::MemoryInput*>(h);
    *base = const_cast<uint8_t*>(in->bytes.data());
    *size = in->bytes.size();
    return 1;
}
void MemUnmap(thandle_t, void*, toff_t) {}

int NoMap(thandle_t, void**, toff_t*) { return 0; }

// Tiled files are read through a mapping where the system gives one:
// libtiff's unmapped path rounds raw tile buffers and then refuses
// uncompressed tiles whose size is not a multiple of 1024 bytes.
int FdMap(thandle_t h, void** base, toff_t* size)
{
    auto* in = static_cast<TiffHandle::FileInput*>(h);
    if (in->size == 0 || in->size > uint64_t(SIZE_MAX))
        return 0;
    void* at = mmap(nullptr, size_t(in->size), PROT_READ, MAP_PRIVATE, in->fd, 0);
    if (at == MAP_FAILED)
        return 0;
    *base = at;
    *size = in->size;
    return 1;
}

void FdUnmap(thandle_t, void* base, toff_t size) { munmap(base, size_t(size)); }

tmsize_t FdRead(thandle_t h, void* out, tmsize_t size)
{
    auto* in = static_cast<TiffHandle::FileInput*>(h);
    if (size < 0)
        return -1;
    size_t got = 0;
    while (got < size_t(size)) {
        const ssize_t n = pread(in->fd, static_cast<uint8_t*>(out) + got, size_t(size) - got, off_t(in->at + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += size_t(n);
    }
    in->at += got;
    return tmsize_t(got);
}

toff_t FdSeek(thandle_t h, toff_t offset, int whence)
{
    auto* in = static_cast<TiffHandle::FileInput*>(h);
    uint64_t base = whence == SEEK_CUR ? in->at : whence == SEEK_END ? in->size : 0;
    if (offset > UINT64_MAX - base)
        return toff_t(-1);
    in->at = base + offset;
    return in->at;
}

toff_t FdSize(thandle_t h) { return static_cast<TiffHandle::FileInput*>(h)->size; }

tmsize_t FileRead(thandle_t h, void* out, tmsize_t size)
{
    return tmsize_t(static_cast<OutputFile*>(h)->Read(out, size_t(size)));
}
tmsize_t FileWrite(thandle_t h, void* data, tmsize_t size)
{
    return static_cast<OutputFile*>(h)->Write(data, size_t(size)) ? size : -1;
}
toff_t FileSeek(thandle_t h, toff_t offset, int whence)
{
    return toff_t(static_cast<OutputFile*>(h)->Seek(int64_t(offset), whence));
}
int FileClose(thandle_t h) { return static_cast<OutputFile*>(h)->Flush() ? 0 : -1; }
toff_t FileSize(thandle_t h) { return toff_t(static_cast<OutputFile*>(h)->Size()); }

} // namespace

int TiffHandle::OnError(TIFF*, void* self, const char*, const char* format, va_list args)
{
    char text[512];
    vsnprintf(text, sizeof text, format, args);
    auto* handle = static_cast<TiffHandle*>(self);
    if (handle->error_.empty())
        handle->error_ = text;
    return 1;
}

int TiffHandle::OnWarning(TIFF*, void* self, const char*, const char* format, va_list args)
{
    // libtiff only warns when a tag's data lies past the end of the file and
    // goes on without it; for us that file is cut short.
    char text[512];
    vsnprintf(text, sizeof text, format, args);
    auto* handle = static_cast<TiffHandle*>(self);
    if (std::strstr(text, "IO error") && handle->error_.empty())
        handle->error_ = text;
    return 1;
}

TiffHandle::TiffHandle(std::span<const uint8_t> bytes, int64_t maxAlloc) : input_{bytes}
{
    OpenForReading(&input_, MemRead, MemSeek, MemSize, MemMap, MemUnmap, maxAlloc);
}

TiffHandle::TiffHandle(int fd, uint64_t size, int64_t maxAlloc, Access access) : file_{fd, size, 0}
{
    OpenForReading(&file_, FdRead, FdSeek, FdSize, access == Access::Map ? FdMap : NoMap, FdUnmap, maxAlloc);
}

void TiffHandle::OpenForReading(thandle_t input, TIFFReadWriteProc read, TIFFSeekProc seek, TIFFSizeProc size,
                                TIFFMapFileProc map, TIFFUnmapFileProc unmap, int64_t maxAlloc)
{
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, OnError, this);
    TIFFOpenOptionsSetWarningHandlerExtR(options, OnWarning, this);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, tmsize_t(maxAlloc));
    tif_ = TIFFClientOpenExt("picture", "r", input, read, MemWrite, seek, MemClose, size, map, unmap, options);
    TIFFOpenOptionsFree(options);
    if (!tif_)
        Fail("the TIFF header is damaged");
    if (!error_.empty()) {
        TIFFClose(tif_);  // the destructor does not run for a constructor that raises
        tif_ = nullptr;
        imexp::Fail("the TIFF data is cut short (" + error_ + ")");
    }
}

TiffHandle::TiffHandle(OutputFile& file)
{
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, OnError, this);
    TIFFOpenOptionsSetWarningHandlerExtR(options, OnWarning, this);
    tif_ = TIFFClientOpenExt("picture", "w", &file, FileRead, FileWrite, FileSeek, FileClose, FileSize, NoMap,
                             MemUnmap, options);
    TIFFOpenOptionsFree(options);
    if (!tif_)
        Fail("the TIFF file cannot be started");
}

TiffHandle::~TiffHandle()
{
    if (tif_)
        TIFFClose(tif_);
}

bool TiffHandle::Close()
{
    TIFF* tif = tif_;
    tif_ = nullptr;
    const bool ok = TIFFFlush(tif) == 1;
    TIFFClose(tif);
    return ok && error_.empty();
}

void TiffHandle::Fail(const std::string& what) const
{
    imexp::Fail(error_.empty() ? what : what + " (" + error_ + ")");
}

} // namespace imexp
