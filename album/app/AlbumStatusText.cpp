#include "album/app/AlbumStatusText.h"

#include "album/doc/AlbumRcStr.h"

namespace {

std::string Fill(int stringId, const char* mark, const std::string& value)
{
    std::string text = OvAlbumRcStr()(stringId);
    if (const size_t at = text.find(mark); at != std::string::npos)
        text.replace(at, 2, value);
    return text;
}

} // namespace

std::string AlbumStatusText(int stringId, int number)
{
    return Fill(stringId, "%d", std::to_string(number));
}

std::string AlbumStatusText(int stringId, const std::string& text)
{
    return Fill(stringId, "%s", text);
}
