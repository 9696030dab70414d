#include "imexp/ImExp.h"

#include "base/QnLittleEndian.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace imexp {

namespace {

bool StartsWith(std::span<const uint8_t> head, const char* magic, size_t n)
{
    return head.size() >= n && std::memcmp(head.data(), magic, n) == 0;
}

bool KnownBits(unsigned bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

// A packed DIB has no magic: its header size, one plane and a known bit
// count are what tell it from other data.
bool LooksLikeDib(std::span<const uint8_t> head)
{
    if (head.size() < 16)
        return false;
    const uint32_t size = QnGetLE32(head.data());
    if (size == 12)
        return QnGetLE16(head.data() + 8) == 1 && KnownBits(QnGetLE16(head.data() + 10));
    const bool knownSize = size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124;
    return knownSize && QnGetLE16(head.data() + 12) == 1 && KnownBits(QnGetLE16(head.data() + 14));
}

} // namespace

const char* FormatName(Format format)
{
    switch (format) {
    case Format::Bmp: return "BMP";
    case Format::Dib: return "DIB";
    case Format::Jpeg: return "JPEG";
    case Format::Png: return "PNG";
    case Format::Tiff: return "TIFF";
    case Format::Gif: return "GIF";
    default: return "unknown";
    }
}

Format DetectFormat(std::span<const uint8_t> head)
{
    if (StartsWith(head, "BM", 2) && head.size() >= 18)
        return Format::Bmp;
    if (StartsWith(head, "\xFF\xD8\xFF", 3))
        return Format::Jpeg;
    if (StartsWith(head, "\x89PNG\r\n\x1A\n", 8))
        return Format::Png;
    if (StartsWith(head, "II*\0", 4) || StartsWith(head, "MM\0*", 4) || StartsWith(head, "II+\0", 4) ||
        StartsWith(head, "MM\0+", 4))
        return Format::Tiff;
    if (StartsWith(head, "GIF87a", 6) || StartsWith(head, "GIF89a", 6))
        return Format::Gif;
    if (LooksLikeDib(head))
        return Format::Dib;
    return Format::Unknown;
}

Format FormatFromExtension(const std::string& path)
{
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return Format::Unknown;
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == "bmp" || ext == "dib" || ext == "rle")
        return Format::Bmp;
    if (ext == "jpg" || ext == "jpeg" || ext == "jpe" || ext == "jfif")
        return Format::Jpeg;
    if (ext == "png")
        return Format::Png;
    if (ext == "tif" || ext == "tiff")
        return Format::Tiff;
    if (ext == "gif")
        return Format::Gif;
    return Format::Unknown;
}

bool CanWrite(Format format)
{
    return format == Format::Bmp || format == Format::Dib || format == Format::Jpeg || format == Format::Png ||
           format == Format::Tiff;
}

} // namespace imexp
