#include "album/doc/AlbumFileTimes.h"

#include <algorithm>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>

int32_t AlbumTimeFrom(int64_t seconds)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(seconds, 0, std::numeric_limits<int32_t>::max()));
}

std::optional<AlbumFileTimes> ReadAlbumFileTimes(const std::string& path)
{
    struct statx st {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_MTIME | STATX_BTIME, &st) != 0)
        return std::nullopt;
    AlbumFileTimes times;
    times.modification = AlbumTimeFrom(st.stx_mtime.tv_sec);
    times.creation = (st.stx_mask & STATX_BTIME) ? AlbumTimeFrom(st.stx_btime.tv_sec) : times.modification;
    return times;
}
