// Types that cross the exported interface of the plug-in host library.
#pragma once

#include <cstdint>

// Paths handed to PIInitPluginSupport: the catalogue file and a plug-in
// folder (may be empty).
struct PIInitPaths {
    const char* catalogueFile;
    const char* pluginFolder;
};

// A rectangle of the picture, rows counted from the top; right and bottom
// are exclusive.
struct PIRECT {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};
static_assert(sizeof(PIRECT) == 16);

struct PIPOINT {
    int32_t x;
    int32_t y;
};

// What the display function receives from a plug-in's displayPixels.
// Depth 8: one grey plane; depth 16: red, green and blue planes, planeBytes
// apart. base points at the first pixel of the source rectangle.
struct tagPIPIXELMAP {
    int16_t depth;
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
    int32_t dstRow;
    int32_t dstColumn;
    int32_t rowBytes;
    int32_t colBytes;
    int32_t planeBytes;
    const uint8_t* base;
    void* platformContext;
};

// Progress of a run: phase 0 start with (0, 100), 1 a step with (done,
// total), 2 the end with (100, 100); a nonzero answer asks to cancel.
using PIProgressFunction = int32_t (*)(int32_t phase, int32_t a, int32_t b);
using PIDisplayFunction = void (*)(const tagPIPIXELMAP* pixelMap);

// Colours are 0x00BBGGRR: red in the low byte.
inline uint8_t PIRed(uint32_t colour) { return static_cast<uint8_t>(colour); }
inline uint8_t PIGreen(uint32_t colour) { return static_cast<uint8_t>(colour >> 8); }
inline uint8_t PIBlue(uint32_t colour) { return static_cast<uint8_t>(colour >> 16); }
inline uint32_t PIColour(uint8_t red, uint8_t green, uint8_t blue)
{
    return uint32_t{red} | uint32_t{green} << 8 | uint32_t{blue} << 16;
}
