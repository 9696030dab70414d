#include "tasks/module/LdPictureFile.h"

#include "base/QnExcept.h"
#include "platform/AtomicFile.h"
#include "platform/Dib.h"

#include <span>

std::vector<uint8_t> CLdPictureFile::Make(const void* dib, uint32_t size)
{
    const std::span<const uint8_t> bytes(static_cast<const uint8_t*>(dib), dib ? size : 0);
    std::string reason;
    const std::optional<platform::DibLayout> layout = platform::ReadDibLayout(bytes, &reason);
    if (!layout)
        throw QnExcept(("The picture can't be written: " + reason + ".").c_str(), "LdPictureFile", __LINE__);
    const uint64_t fileSize = uint64_t(platform::BITMAPFILEHEADER::kSize) + size;
    if (fileSize > UINT32_MAX)
        throw QnExcept("The picture can't be written: it is too large for a bitmap file.", "LdPictureFile",
                       __LINE__);

    platform::BITMAPFILEHEADER header;
    header.bfSize = uint32_t(fileSize);
    header.bfOffBits = uint32_t(platform::BITMAPFILEHEADER::kSize + layout->bitsOffset);
    std::vector<uint8_t> file(platform::BITMAPFILEHEADER::kSize);
    header.Write(file.data());
    file.insert(file.end(), bytes.begin(), bytes.end());
    return file;
}

void CLdPictureFile::Write(const std::string& path, const void* dib, uint32_t size)
{
    platform::AtomicFile::Replace(path, Make(dib, size));
}
