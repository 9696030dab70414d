// Reading and writing picture files through the work-area interfaces.
// Nothing here raises: every call answers whether it worked and, when not,
// the reason as text in the library's own words. Reading picks the format
// from the file's content, never from its name; writing picks it from the
// name's extension unless told, and replaces the target only once the new
// file is complete.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "imexp/WorkArea.h"

namespace imexp {

enum class Format : int { Unknown = 0, Bmp = 1, Dib = 2, Jpeg = 3, Png = 4, Tiff = 5, Gif = 6 };

const char* FormatName(Format format);
// The format of the content that starts with head (a few dozen bytes are
// enough), or Unknown.
Format DetectFormat(std::span<const uint8_t> head);
// The format a file name asks for by its extension (".jpg", ".TIF"...), or
// Unknown.
Format FormatFromExtension(const std::string& path);
bool CanWrite(Format format);

// The answer of every call: ok, or failed with a reason.
struct Status {
    bool ok = true;
    std::string error;

    static Status Ok() { return {}; }
    static Status Failed(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

// Largest picture, in pixels, that a reader accepts and a writer saves.
// The default is kDefaultPixelLimit, or the environment variable
// QNIMEXP_MAX_PIXELS when it holds a positive whole number (anything else
// is ignored with a warning on standard error); programs that keep the
// setting in their INI file pass it here.
constexpr uint64_t kDefaultPixelLimit = uint64_t(1) << 28;  // 16384 x 16384
uint64_t PixelLimit();
void SetPixelLimit(uint64_t pixels);
// A limit as the variable gives it: decimal digits only, above zero and
// within 64 bits; nothing for any other text.
std::optional<uint64_t> ParsePixelLimit(std::string_view text);

// Reads the picture in the file into sink. On failure the sink may have
// been given part of the picture; the caller drops it.
Status ReadPicture(const std::string& path, CAbstractReadWA& sink, CProgress* progress = nullptr);
// The same for a picture wanted at least minWidth x minHeight (a thumbnail's
// source): a JPEG may come out smaller than stored, by 2, 4 or 8, while it
// stays that large; other formats come at their full size.
Status ReadPictureAtLeast(const std::string& path, CAbstractReadWA& sink, int32_t minWidth, int32_t minHeight,
                          CProgress* progress = nullptr);
// The same from bytes in memory; format Unknown detects it from the bytes.
// minWidth and minHeight allow a smaller picture as ReadPictureAtLeast does.
Status ReadPictureFromMemory(std::span<const uint8_t> bytes, CAbstractReadWA& sink, CProgress* progress = nullptr,
                             Format format = Format::Unknown, int32_t minWidth = 0, int32_t minHeight = 0);

// A picture to be shown before all its pixels are needed. reduction, given
// the picture's full size, answers 1, 2, 4 or 8. A JPEG whose reduction is
// above 1 is announced to sink at its full size without rows, decoded into
// preview that many times smaller (the JPEG's own scaled decode), and its
// bytes are handed back for the full decode later (ReadPictureFromMemory):
// the preview's decode has read all of them, so a damaged file fails here.
// Any other file is read into sink whole, as ReadPicture does, and bytes is
// left empty.
using ReductionChooser = std::function<int32_t(int32_t width, int32_t height)>;
Status ReadPictureOrPreview(const std::string& path, CAbstractReadWA& sink, CAbstractReadWA& preview,
                            const ReductionChooser& reduction, std::vector<uint8_t>& bytes,
                            CProgress* progress = nullptr);
// True when status failed because the progress or the user asked to stop.
bool IsCancel(const Status& status);

struct WriteOptions {
    Format format = Format::Unknown;  // Unknown: from the file name's extension
    int jpegQuality = 85;             // 1..100
    // TIFF compression: "none", "lzw", "packbits", "deflate" or "jpeg"
    // (continuous-tone pictures only; others fall back to lzw).
    std::string tiffCompression = "lzw";

    // Reads "quality=NN" and "compression=NAME" from an option text
    // (separated by blanks, commas or semicolons); unknown words are ignored.
    static WriteOptions FromText(const char* text);
    // The option text FromText reads back.
    std::string ToText() const;
};

// The program's options dialog: shown by ImExp_WriteFile when its flag asks
// for options and the format has any (JPEG, TIFF). It edits options and
// answers false when the user cancels. None is set by default.
using SaveOptionsAsker = std::function<bool(Format format, WriteOptions& options)>;
void SetSaveOptionsAsker(SaveOptionsAsker asker);

// Writes source to path in a temporary file beside it and renames it over
// path once complete; on failure path is left exactly as it was and the
// temporary file is gone. Paletted pictures saved as JPEG go out as colour.
Status WritePicture(const std::string& path, const CAbstractWriteWA& source, const WriteOptions& options = {},
                    CProgress* progress = nullptr);

} // namespace imexp

// The entry points the picture library and the programs call. They answer
// nonzero on success; after a failure ImExp_GetLastError gives the reason
// (per thread, until the next call).
using HWND = struct HWND__*;

enum : int { IMEXP_ANY_FORMAT = 0xFFFF };

// format: IMEXP_ANY_FORMAT, -1 or one of imexp::Format; the content decides
// in any case. options and flag are not used by reading.
int ImExp_ReadFile(CAbstractReadWA* sink, HWND window, char* file, int format, CProgress* progress, char** options,
                   int flag);
// The format comes from the file name; *format receives the one written
// (imexp::Format). *options, when set, is an option text as read by
// WriteOptions::FromText. A nonzero flag asks for the options through the
// program's SaveOptionsAsker first; the options chosen replace *options (a
// movable global block, as the caller's is), and a cancel fails the save
// as cancelled by the user.
int ImExp_WriteFile(const CAbstractWriteWA* source, HWND window, char* file, int* format, CProgress* progress,
                    char** options, int flag);
const char* ImExp_GetLastError();
// Nonzero when the last failure was the user's cancel (progress or options).
int ImExp_LastErrorIsCancel();
