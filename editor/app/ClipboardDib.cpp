#include "editor/app/ClipboardDib.h"

#include <unistd.h>

#include "base/QnExcept.h"
#include "editor/document/DocStrings.h"
#include "framework/Clipboard.h"
#include "platform/Dib.h"
#include "platform/TempFile.h"

std::string LdWriteDibToTempFile(const std::vector<uint8_t>& dib)
{
    std::string error;
    const auto layout = platform::ReadDibLayout(dib, &error);
    if (!layout)
        QnExcept(("The picture on the clipboard is damaged: " + error).c_str(), "Lodo40", __LINE__).raise();
    // The file header points past the header and colour table the DIB has.
    const size_t offset = platform::BITMAPFILEHEADER::kSize + layout->bitsOffset;
    std::vector<uint8_t> file(platform::BITMAPFILEHEADER::kSize);
    platform::BITMAPFILEHEADER header;
    header.bfSize = uint32_t(platform::BITMAPFILEHEADER::kSize + dib.size());
    header.bfOffBits = uint32_t(offset);
    header.Write(file.data());
    file.insert(file.end(), dib.begin(), dib.end());

    int fd = -1;
    const std::string path = platform::TempFile::Create(platform::TempFile::TempFolder(), "~sclg", ".bmp", &fd);
    size_t written = 0;
    while (written < file.size()) {
        const ssize_t n = ::write(fd, file.data() + written, file.size() - written);
        if (n <= 0)
            break;
        written += size_t(n);
    }
    ::close(fd);
    if (written != file.size()) {
        ::unlink(path.c_str());
        QnExcept(("Can't write the temporary file " + path).c_str(), "Lodo40", __LINE__).raise();
    }
    return path;
}

std::string WriteClipboardDibToTempFile()
{
    const auto dib = fw::Clipboard::GetDib();
    if (!dib)
        QnExcept(DocString(IDS_NO_CLIPBOARD_DATA).c_str(), "Lodo40", 1222).raise();
    return LdWriteDibToTempFile(*dib);
}
