// The scroll bars of the picture view: which are needed for a picture
// extent in a client area, the scroll range and the position, which is
// negative (centring the picture) in a direction where the picture is
// smaller than the client and centring is on.
#pragma once

#include <cstdint>

struct ScrollAxis {
    bool bar = false;      // the axis needs a bar
    int32_t client = 0;    // client extent once the bars are taken off
    int32_t range = 0;     // total - client, 0 without a bar
    int32_t position = 0;  // may be negative when centred
};

struct ScrollLayout {
    ScrollAxis x;
    ScrollAxis y;
};

// total: the zoomed picture's extent; client: the client area without any
// bar; barSize: the width of a vertical bar (and height of a horizontal
// one); pos: the wanted position.
ScrollLayout LayOutScrollBars(int32_t totalX, int32_t totalY, int32_t clientX, int32_t clientY, int32_t barSize,
                              int32_t posX, int32_t posY, bool centre);
