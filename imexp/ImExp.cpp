// The library's boundary: every exception of the readers, writers, work
// areas and the system stops here and becomes the text of a Status.
#include "imexp/ImExp.h"

#include "imexp/Fail.h"
#include "imexp/OutputFile.h"
#include "imexp/ReadTarget.h"
#include "imexp/Readers.h"
#include "imexp/WriteSource.h"
#include "imexp/Writers.h"

#include "base/QnExcept.h"
#include "platform/AtomicWriter.h"
#include "platform/GlobalBlock.h"
#include "platform/SystemError.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace imexp {

namespace {

// Runs work and answers its failure as text after prefix.
template <class Work>
Status Guard(const std::string& prefix, Work&& work)
{
    try {
        work();
        return Status::Ok();
    } catch (const QnExcept& e) {
        return Status::Failed(prefix + e.what());
    } catch (const std::bad_alloc&) {
        return Status::Failed(prefix + "not enough memory");
    } catch (const std::exception& e) {
        return Status::Failed(prefix + e.what());
    } catch (...) {
        return Status::Failed(prefix + "unexpected failure");
    }
}

// Reads the rest of the open file of size bytes after what head holds.
std::vector<uint8_t> ReadWholeFile(int fd, uint64_t size)
{
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = pread(fd, bytes.data() + got, bytes.size() - got, off_t(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            Fail(platform::ErrnoText(errno));
        if (n == 0)
            break;  // the file shrank meanwhile; the decoder sees it cut short
        got += size_t(n);
    }
    bytes.resize(got);
    return bytes;
}

struct OpenFile {
    int fd = -1;
    uint64_t size = 0;
    explicit OpenFile(const std::string& path)
    {
        fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            Fail(platform::ErrnoText(errno));
        struct stat info;
        if (fstat(fd, &info) != 0) {
            const int error = errno;
            close(fd);
            Fail(platform::ErrnoText(error));
        }
        if (!S_ISREG(info.st_mode)) {
            close(fd);
            Fail("not a file");
        }
        size = uint64_t(info.st_size);
    }
    ~OpenFile() { close(fd); }
};

// The format the first bytes of the open file show.
Format HeadFormat(const OpenFile& file)
{
    uint8_t head[16] = {};
    const ssize_t got = pread(file.fd, head, sizeof head, 0);
    return DetectFormat({head, got > 0 ? size_t(got) : 0});
}

void Decode(std::span<const uint8_t> bytes, Format format, CAbstractReadWA& sink, CProgress* progress,
            int32_t minWidth, int32_t minHeight)
{
    if (format == Format::Unknown)
        format = DetectFormat(bytes);
    ReadTarget target(sink, progress);
    target.AllowReductionTo(minWidth, minHeight);
    switch (format) {
    case Format::Bmp: ReadBmp(bytes, target, false); break;
    case Format::Dib: ReadBmp(bytes, target, true); break;
    case Format::Jpeg: ReadJpeg(bytes, target); break;
    case Format::Png: ReadPng(bytes, target); break;
    case Format::Tiff: ReadTiff(bytes, target); break;
    case Format::Gif: ReadGif(bytes, target); break;
    default: Fail(bytes.empty() ? "the file is empty" : "not a picture file of a known format");
    }
}

// Reads the open file of the given format into sink; TIFF keeps its
// strips where its directory says and is read from the file as needed.
void ReadOpenFile(const OpenFile& file, Format format, CAbstractReadWA& sink, CProgress* progress, int32_t minWidth,
                  int32_t minHeight)
{
    if (format == Format::Tiff) {
        ReadTarget target(sink, progress);
        ReadTiffFile(file.fd, file.size, target);
        return;
    }
    const std::vector<uint8_t> bytes = ReadWholeFile(file.fd, file.size);
    Decode(bytes, Format::Unknown, sink, progress, minWidth, minHeight);
}

} // namespace

Status ReadPicture(const std::string& path, CAbstractReadWA& sink, CProgress* progress)
{
    return ReadPictureAtLeast(path, sink, 0, 0, progress);
}

Status ReadPictureAtLeast(const std::string& path, CAbstractReadWA& sink, int32_t minWidth, int32_t minHeight,
                          CProgress* progress)
{
    return Guard("Can't open picture " + path + ": ", [&] {
        OpenFile file(path);
        ReadOpenFile(file, HeadFormat(file), sink, progress, minWidth, minHeight);
    });
}

Status ReadPictureOrPreview(const std::string& path, CAbstractReadWA& sink, CAbstractReadWA& preview,
                            const ReductionChooser& reduction, std::vector<uint8_t>& bytes, CProgress* progress)
{
    bytes.clear();
    const Status status = Guard("Can't open picture " + path + ": ", [&] {
        OpenFile file(path);
        const Format format = HeadFormat(file);
        if (format != Format::Jpeg) {
            ReadOpenFile(file, format, sink, progress, 0, 0);
            return;
        }
        std::vector<uint8_t> jpeg = ReadWholeFile(file.fd, file.size);
        int32_t width = 0, height = 0;
        {
            // The header is read at once and shows no progress: a progress
            // started here would end and start again with the decode.
            ReadTarget target(sink, nullptr);
            ReadJpegHeader(jpeg, target);
            width = target.Width();
            height = target.Height();
        }
        const int32_t by = reduction(width, height);
        if (by <= 1) {
            Decode(jpeg, format, sink, progress, 0, 0);
            return;
        }
        ReadTarget small(preview, progress);
        // The decoder rounds a reduced size up.
        small.AllowReductionTo((width + by - 1) / by, (height + by - 1) / by);
        ReadJpeg(jpeg, small);
        bytes = std::move(jpeg);
    });
    if (!status)
        bytes.clear();
    return status;
}

Status ReadPictureFromMemory(std::span<const uint8_t> bytes, CAbstractReadWA& sink, CProgress* progress,
                             Format format, int32_t minWidth, int32_t minHeight)
{
    return Guard("Can't read the picture: ", [&] { Decode(bytes, format, sink, progress, minWidth, minHeight); });
}

Status WritePicture(const std::string& path, const CAbstractWriteWA& source, const WriteOptions& options,
                    CProgress* progress)
{
    return Guard("Can't save picture " + path + ": ", [&] {
        const Format format = options.format != Format::Unknown ? options.format : FormatFromExtension(path);
        if (format == Format::Gif)
            Fail("GIF pictures can be read but not written");
        if (!CanWrite(format))
            Fail("the file name does not say which format to write (use .bmp, .jpg, .png or .tif)");
        WriteSource rows(source, progress);
        platform::AtomicWriter file(path);
        OutputFile out(file.Fd());
        switch (format) {
        case Format::Jpeg: WriteJpeg(out, rows, options); break;
        case Format::Png: WritePng(out, rows); break;
        case Format::Tiff: WriteTiff(out, rows, options); break;
        default: WriteBmp(out, rows); break;
        }
        if (!out.Flush())
            Fail(out.Error());
        file.Commit();
    });
}

WriteOptions WriteOptions::FromText(const char* text)
{
    WriteOptions options;
    if (!text)
        return options;
    std::string all(text);
    for (char& c : all)
        if (c == ',' || c == ';' || c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    size_t at = 0;
    while (at < all.size()) {
        const size_t end = std::min(all.find(' ', at), all.size());
        const std::string word = all.substr(at, end - at);
        at = end + 1;
        const size_t eq = word.find('=');
        if (eq == std::string::npos)
            continue;
        std::string key = word.substr(0, eq);
        for (char& c : key)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        const std::string value = word.substr(eq + 1);
        if (key == "quality")
            options.jpegQuality = std::atoi(value.c_str());
        else if (key == "compression")
            options.tiffCompression = value;
    }
    return options;
}

std::string WriteOptions::ToText() const
{
    return "quality=" + std::to_string(jpegQuality) + " compression=" + tiffCompression;
}

namespace {

SaveOptionsAsker& Asker()
{
    static SaveOptionsAsker asker;
    return asker;
}

} // namespace

void SetSaveOptionsAsker(SaveOptionsAsker asker) { Asker() = std::move(asker); }

bool IsCancel(const Status& status)
{
    const std::string_view cancelled(kCancelled);
    return !status.ok && status.error.size() >= cancelled.size() &&
           status.error.compare(status.error.size() - cancelled.size(), cancelled.size(), cancelled) == 0;
}

} // namespace imexp

namespace {

thread_local std::string g_lastError;
thread_local bool g_lastCancelled = false;

int Answer(const imexp::Status& status)
{
    g_lastError = status.error;
    g_lastCancelled = imexp::IsCancel(status);
    return status.ok ? 1 : 0;
}

// Puts text in place of the caller's option block, in a block of the same kind.
void ReplaceOptions(char** options, const std::string& text)
{
    platform::GlobalBlock* block = platform::GlobalBlock::Alloc(platform::GlobalBlock::Moveable, text.size() + 1);
    if (!block)
        throw std::bad_alloc();
    char* fresh = static_cast<char*>(platform::GlobalBlock::Lock(block));
    std::memcpy(fresh, text.c_str(), text.size() + 1);
    if (*options) {
        if (platform::GlobalBlock* old = platform::GlobalBlock::Handle(*options)) {
            platform::GlobalBlock::Unlock(old);
            platform::GlobalBlock::Free(old);
        }
    }
    *options = fresh;
}

} // namespace

int ImExp_ReadFile(CAbstractReadWA* sink, HWND, char* file, int, CProgress* progress, char**, int)
{
    if (!sink || !file)
        return Answer(imexp::Status::Failed("Can't open picture: no file or work area given"));
    return Answer(imexp::ReadPicture(file, *sink, progress));
}

int ImExp_WriteFile(const CAbstractWriteWA* source, HWND, char* file, int* format, CProgress* progress,
                    char** options, int flag)
{
    if (!source || !file)
        return Answer(imexp::Status::Failed("Can't save picture: no file or work area given"));
    imexp::WriteOptions parsed = imexp::WriteOptions::FromText(options ? *options : nullptr);
    const imexp::Format chosen = imexp::FormatFromExtension(file);
    if (flag && imexp::Asker() && (chosen == imexp::Format::Jpeg || chosen == imexp::Format::Tiff)) {
        if (!imexp::Asker()(chosen, parsed))
            return Answer(imexp::Status::Failed(std::string("Can't save picture ") + file + ": " + imexp::kCancelled));
        if (options)
            ReplaceOptions(options, parsed.ToText());
    }
    const imexp::Status status = imexp::WritePicture(file, *source, parsed, progress);
    if (status.ok && format)
        *format = int(imexp::FormatFromExtension(file));
    return Answer(status);
}

const char* ImExp_GetLastError() { return g_lastError.c_str(); }

int ImExp_LastErrorIsCancel() { return g_lastCancelled ? 1 : 0; }
