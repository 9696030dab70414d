// The values a drawing context takes from its client: monitor gamma and the
// colour and dither options.
#pragma once

#include <cstdint>

// Monitor gamma per channel in whole hundredths (100 = 1.00).
struct ZV_MG {
    ZV_MG() = default;
    ZV_MG(int r, int g, int b) : red(r), green(g), blue(b) {}

    bool IsIdentity() const { return red == 100 && green == 100 && blue == 100; }
    bool operator==(const ZV_MG&) const = default;

    int red = 100;
    int green = 100;
    int blue = 100;
};

// Kinds of output in bits 0-2 of the option flags.
enum : uint32_t {
    ZV_KIND_GREY = 0,
    ZV_KIND_DIRECT_COLOR = 1,
    ZV_KIND_ONE_BIT = 2,
    ZV_KIND_PICTURE_PALETTE = 3,
    ZV_KIND_UNIFORM = 5,
    ZV_KIND_OPTIMIZED = 7,
    ZV_KIND_MASK = 7,
    ZV_DITHER_MASK = 0xF8, // the dithering method's index times 8
};

// Colour and dither option.
struct ZV_CDOPT {
    ZV_CDOPT() = default;
    ZV_CDOPT(int colour, int direct, uint32_t colours, uint32_t flags)
        : color(colour), direct(direct), colors(colours), flags(flags)
    {
    }

    uint32_t Kind() const { return flags & ZV_KIND_MASK; }
    // Kinds 6 and 7 both count as optimised palette.
    bool IsOptimized() const { return (flags & 6) == 6; }
    int DitherIndex() const { return int((flags & ZV_DITHER_MASK) >> 3); }
    bool operator==(const ZV_CDOPT&) const = default;

    int color = 1;             // 1 colour output, 0 grey or black and white
    int direct = 0;            // 1 the picture's own palette or levels unchanged
    uint32_t colors = 16777216;
    uint32_t flags = 1;
};

// A colour and dither option with the fast-view choice: with fast view a
// slow option may be replaced by a faster one close to it.
struct ZV_CDOPTFV : ZV_CDOPT {
    ZV_CDOPTFV() = default;
    ZV_CDOPTFV(int colour, int direct, uint32_t colours, uint32_t flags, int fastView)
        : ZV_CDOPT(colour, direct, colours, flags), fastView(fastView)
    {
    }
    ZV_CDOPTFV(const ZV_CDOPT& o, int fastView) : ZV_CDOPT(o), fastView(fastView) {}

    bool operator==(const ZV_CDOPTFV&) const = default;

    int fastView = 1;
};
