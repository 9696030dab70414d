#include "album/app/AlbumTimeText.h"

#include <ctime>

std::string AlbumTimeText(int64_t seconds)
{
    const time_t t = static_cast<time_t>(seconds);
    std::tm local{};
    if (!localtime_r(&t, &local))
        return {};
    char text[64];
    return std::string(text, std::strftime(text, sizeof text, "%H:%M:%S %d/%m/%Y", &local));
}
