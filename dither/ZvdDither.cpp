// Option validity and the dither contexts of the dithering library.
#include "dither/ZvDither.h"

#include <algorithm>
#include <array>
#include <new>
#include <vector>

namespace {

constexpr int kMethods = 21;

int Kind(uint32_t flags) { return int(flags & 7); }
int Method(uint32_t flags) { return int((flags >> 3) & 31); }

// Levels per channel of a uniform palette: red, green, blue.
bool UniformLevels(uint32_t colours, int levels[3])
{
    if (colours == 16) {
        levels[0] = 2, levels[1] = 4, levels[2] = 2;
        return true;
    }
    for (int n = 2; n <= 6; ++n)
        if (uint32_t(n * n * n) == colours) {
            levels[0] = levels[1] = levels[2] = n;
            return true;
        }
    return false;
}

// Levels per channel of direct colour: 5-5-5, 5-6-5 or 8-8-8 bits.
void DirectLevels(uint32_t colours, int levels[3])
{
    const int green = colours >= 65536 ? (colours >= 16777216 ? 256 : 64) : 32;
    const int other = colours >= 16777216 ? 256 : 32;
    levels[0] = other, levels[1] = green, levels[2] = other;
}

// The threshold of a pattern at (x, y) as a fraction num / period, 0 <= num
// < period; methods 0 and 1 have none.
struct Threshold {
    int num;
    int period;
};

Threshold PatternAt(int method, int x, int y)
{
    static constexpr int kBayer[8][8] = {
        {0, 32, 8, 40, 2, 34, 10, 42},   {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
        {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},   {51, 19, 59, 27, 49, 17, 57, 25},
        {15, 47, 7, 39, 13, 45, 5, 37},   {63, 31, 55, 23, 61, 29, 53, 21}};
    // Clustered dots that grow from the middle.
    static constexpr int kFat[4][4] = {{12, 5, 6, 13}, {4, 0, 1, 7}, {11, 3, 2, 8}, {15, 10, 9, 14}};
    static constexpr int kBasket[4][4] = {{0, 1, 8, 9}, {3, 2, 11, 10}, {12, 13, 4, 5}, {15, 14, 7, 6}};
    static constexpr int kCross[4][4] = {{10, 2, 11, 14}, {3, 0, 1, 12}, {9, 4, 8, 15}, {13, 5, 6, 7}};
    static constexpr int kFlower[4][4] = {{8, 2, 10, 15}, {3, 0, 4, 13}, {9, 5, 11, 7}, {14, 6, 12, 1}};
    static constexpr int kGrater[4][4] = {{0, 8, 2, 10}, {6, 14, 4, 12}, {3, 11, 1, 9}, {5, 13, 7, 15}};
    static constexpr int kHelix[4][4] = {{0, 1, 2, 3}, {11, 12, 13, 4}, {10, 15, 14, 5}, {9, 8, 7, 6}};
    static constexpr int kSquare[4][4] = {{15, 11, 7, 14}, {10, 0, 3, 6}, {9, 1, 2, 5}, {13, 8, 4, 12}};
    const int x8 = x & 7, y8 = y & 7, x4 = x & 3, y4 = y & 3;
    switch (method) {
    case 2: return {kBayer[y8][x8], 64};
    case 3: return {kFat[y4][x4], 16};
    case 4: case 5: case 6: { const int p = method - 2; return {x % p, p}; }
    case 7: case 8: case 9: { const int p = method - 5; return {y % p, p}; }
    case 10: return {(x + 2 * y) & 7, 8};
    case 11: return {kBasket[y4][x4], 16};
    case 12: return {kCross[y4][x4], 16};
    case 13: case 14: case 15: case 16: { const int p = method - 11; return {(x + y) % p, p}; }
    case 17: return {kFlower[y4][x4], 16};
    case 18: return {kGrater[y4][x4], 16};
    case 19: return {kHelix[y4][x4], 16};
    default: return {kSquare[y4][x4], 16};
    }
}

} // namespace

struct ZvdDither {
    int colour = 1;
    int method = 0;
    bool optimised = false;
    bool indexed = true;          // 1-byte indices out, else 3-byte colour
    int levels[3] = {2, 2, 2};    // red, green, blue (grey uses [0])
    const int* table = nullptr;   // optimised palettes
    LOGPALETTE* palette = nullptr;
    int x0 = 0, y0 = 0, first = 0, width = 0;
    int row = 0;
    std::vector<int> err[2];      // error diffusion: this row and the next, per channel
};

int ZvdIsValidOption(int colour, uint32_t colours, uint32_t flags)
{
    if (Method(flags) >= kMethods || flags > 0xFF)
        return 0;
    int levels[3];
    switch (Kind(flags)) {
    case 0: return colour == 0 && colours >= 2 && colours <= 256;
    case 1: return colour == 1 && colours >= 32768 && colours <= 16777216;
    // Black and white, and the four greys of a 16-colour display.
    case 2: return colour == 0 && colours >= 2 && colours <= 4;
    case 5: return colour == 1 && UniformLevels(colours, levels);
    case 6:
    case 7: return colour == 1 && colours >= 16 && colours <= 256;
    default: return 0; // the picture's own palette is shown directly, never dithered
    }
}

ZvdDither* ZvdCreateDither(int colour, uint32_t colours, uint32_t flags, const int* table, LOGPALETTE* palette,
                           int x0, int y0, int first, int last, int)
{
    if (!ZvdIsValidOption(colour, colours, flags) || !palette || last < first)
        return nullptr;
    auto* d = new (std::nothrow) ZvdDither;
    if (!d)
        return nullptr;
    d->colour = colour;
    d->method = Method(flags);
    d->x0 = x0;
    d->y0 = y0;
    d->first = first;
    d->width = last - first + 1;
    const int kind = Kind(flags);
    switch (kind) {
    case 0:
    case 2:
        d->levels[0] = d->levels[1] = d->levels[2] = int(colours);
        palette->palNumEntries = uint16_t(colours);
        for (uint32_t i = 0; i < colours; ++i) {
            const auto v = uint8_t(i * 255 / (colours - 1));
            palette->palPalEntry[i] = PALETTEENTRY{v, v, v, 0};
        }
        break;
    case 1:
        DirectLevels(colours, d->levels);
        d->indexed = false;
        break;
    case 5: {
        UniformLevels(colours, d->levels);
        const int* l = d->levels;
        palette->palNumEntries = uint16_t(colours);
        int i = 0;
        for (int r = 0; r < l[0]; ++r)
            for (int g = 0; g < l[1]; ++g)
                for (int b = 0; b < l[2]; ++b)
                    palette->palPalEntry[i++] = PALETTEENTRY{uint8_t(r * 255 / (l[0] - 1)),
                                                             uint8_t(g * 255 / (l[1] - 1)),
                                                             uint8_t(b * 255 / (l[2] - 1)), 0};
        break;
    }
    default:
        if (!table) {
            delete d;
            return nullptr;
        }
        d->optimised = true;
        d->table = table;
        break;
    }
    d->palette = palette;
    if (d->method == 1)
        for (auto& e : d->err)
            e.assign(size_t(d->width + 2) * 3, 0);
    return d;
}

namespace {

inline int Quantise(int v, int levels, int num, int period, bool ordered)
{
    const int steps = levels - 1;
    int level;
    if (ordered)
        level = (v * steps * period + (2 * num + 1) * 255 / 2) / (255 * period);
    else
        level = (v * steps + 127) / 255;
    return std::clamp(level, 0, steps);
}

inline int LevelValue(int level, int levels) { return level * 255 / (levels - 1); }

} // namespace

void ZvdDitherRow(const uint8_t* src, uint8_t* dst, ZvdDither* d)
{
    const int channels = d->colour ? 3 : 1;
    const bool diffuse = d->method == 1;
    const bool ordered = d->method >= 2;
    int* errHere = diffuse ? d->err[0].data() + 3 : nullptr;
    int* errNext = diffuse ? d->err[1].data() + 3 : nullptr;
    const int y = d->y0 + d->row;

    for (int i = 0; i < d->width; ++i) {
        const int x = d->x0 + i;
        const Threshold t = ordered ? PatternAt(d->method, x, y) : Threshold{0, 1};
        int v[3] = {};
        for (int c = 0; c < channels; ++c) {
            // Colour rows are blue, green, red; v is kept red, green, blue.
            v[c] = channels == 3 ? src[3 * i + 2 - c] : src[i];
            if (diffuse)
                v[c] = std::clamp(v[c] + errHere[3 * i + c] / 16, 0, 255);
        }
        int shown[3] = {};
        if (d->optimised) {
            int probe[3];
            for (int c = 0; c < 3; ++c)
                probe[c] = ordered ? std::clamp(v[c] + (2 * t.num + 1 - t.period) * 32 / t.period, 0, 255) : v[c];
            const int index = d->table[ZvdCell(probe[0], probe[1], probe[2])];
            const PALETTEENTRY& p = d->palette->palPalEntry[index];
            dst[i] = uint8_t(index);
            shown[0] = p.peRed, shown[1] = p.peGreen, shown[2] = p.peBlue;
        } else if (channels == 1) {
            const int level = Quantise(v[0], d->levels[0], t.num, t.period, ordered);
            dst[i] = uint8_t(level);
            shown[0] = LevelValue(level, d->levels[0]);
        } else {
            int level[3];
            for (int c = 0; c < 3; ++c) {
                level[c] = Quantise(v[c], d->levels[c], t.num, t.period, ordered);
                shown[c] = LevelValue(level[c], d->levels[c]);
            }
            if (d->indexed) {
                dst[i] = uint8_t((level[0] * d->levels[1] + level[1]) * d->levels[2] + level[2]);
            } else {
                dst[3 * i] = uint8_t(shown[2]);
                dst[3 * i + 1] = uint8_t(shown[1]);
                dst[3 * i + 2] = uint8_t(shown[0]);
            }
        }
        if (diffuse) {
            // Floyd and Steinberg's weights, in sixteenths.
            for (int c = 0; c < channels; ++c) {
                const int e = v[c] - shown[c];
                errHere[3 * (i + 1) + c] += 7 * e;
                errNext[3 * (i - 1) + c] += 3 * e;
                errNext[3 * i + c] += 5 * e;
                errNext[3 * (i + 1) + c] += e;
            }
        }
    }
    if (diffuse) {
        std::swap(d->err[0], d->err[1]);
        std::fill(d->err[1].begin(), d->err[1].end(), 0);
    }
    ++d->row;
}

void ZvdFreeDither(ZvdDither* d) { delete d; }
