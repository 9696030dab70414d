// The palette objects of the dithering library: colour counts, the median
// cut that makes an optimised palette from them, and the map of colours to
// the palette's entries.
#include "dither/ZvDither.h"

#include <algorithm>
#include <new>
#include <vector>

struct ZvdPaletteObj {
    std::vector<int> table;
};

ZvdPaletteObj* ZvdCreatePalette()
{
    auto* obj = new (std::nothrow) ZvdPaletteObj;
    if (!obj)
        return nullptr;
    try {
        obj->table.assign(ZVD_TABLE_CELLS, 0);
    } catch (const std::bad_alloc&) {
        delete obj;
        return nullptr;
    }
    return obj;
}

int* ZvdGetTable(ZvdPaletteObj* obj) { return obj ? obj->table.data() : nullptr; }

void ZvdFreePalette(ZvdPaletteObj* obj) { delete obj; }

void ZvdReleaseTable(ZvdPaletteObj*) {}

void ZvdCountRow(const uint8_t* bgr, int width, int* table)
{
    for (int i = 0; i < width; ++i, bgr += 3) {
        int& cell = table[ZvdCell(bgr[2], bgr[1], bgr[0])];
        if (cell < 0x7FFFFFFF)
            ++cell;
    }
}

int ZvdColorsToMake(const int* table, void*, int wanted)
{
    const int distinct = int(std::count_if(table, table + ZVD_TABLE_CELLS, [](int c) { return c > 0; }));
    return std::clamp(std::min(wanted, distinct), 1, 256);
}

namespace {

struct Cell {
    uint8_t c[3]; // red, green, blue, 5 bits each
    int64_t count;
};

struct Box {
    size_t begin, end; // cells[begin, end)
    int lo[3], hi[3];
    int64_t count;

    void Fit(const std::vector<Cell>& cells)
    {
        count = 0;
        for (int k = 0; k < 3; ++k) {
            lo[k] = 31;
            hi[k] = 0;
        }
        for (size_t i = begin; i < end; ++i) {
            count += cells[i].count;
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min<int>(lo[k], cells[i].c[k]);
                hi[k] = std::max<int>(hi[k], cells[i].c[k]);
            }
        }
    }
    int WidestChannel() const
    {
        int best = 0;
        for (int k = 1; k < 3; ++k)
            if (hi[k] - lo[k] > hi[best] - lo[best])
                best = k;
        return best;
    }
    int Range() const { return hi[WidestChannel()] - lo[WidestChannel()]; }
};

// Splits the box at the median of its count along its widest channel.
bool Split(std::vector<Cell>& cells, Box& box, Box& second)
{
    if (box.end - box.begin < 2)
        return false;
    const int k = box.WidestChannel();
    std::sort(cells.begin() + ptrdiff_t(box.begin), cells.begin() + ptrdiff_t(box.end),
              [k](const Cell& a, const Cell& b) { return a.c[k] < b.c[k]; });
    int64_t half = 0;
    size_t mid = box.begin + 1;
    for (size_t i = box.begin; i + 1 < box.end; ++i) {
        half += cells[i].count;
        mid = i + 1;
        if (2 * half >= box.count)
            break;
    }
    second = Box{mid, box.end, {}, {}, 0};
    box.end = mid;
    box.Fit(cells);
    second.Fit(cells);
    return true;
}

} // namespace

int ZvdMakePalette(int* table, LOGPALETTE* out, void*, int count)
{
    if (!table || !out)
        return 0;
    count = std::clamp(count, 1, 256);
    std::vector<Cell> cells;
    for (int i = 0; i < ZVD_TABLE_CELLS; ++i)
        if (table[i] > 0)
            cells.push_back(Cell{{uint8_t(i >> 10), uint8_t((i >> 5) & 31), uint8_t(i & 31)}, table[i]});
    if (cells.empty())
        cells.push_back(Cell{{0, 0, 0}, 1});

    std::vector<Box> boxes{Box{0, cells.size(), {}, {}, 0}};
    boxes[0].Fit(cells);
    while (int(boxes.size()) < count) {
        // The box of the widest colour range goes next, the more populous on a tie.
        auto it = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return a.Range() != b.Range() ? a.Range() < b.Range() : a.count < b.count;
        });
        Box second{};
        if (it->Range() == 0 || !Split(cells, *it, second))
            break;
        boxes.push_back(second);
    }

    out->palVersion = 0x300;
    out->palNumEntries = uint16_t(boxes.size());
    for (size_t b = 0; b < boxes.size(); ++b) {
        int64_t sum[3] = {};
        for (size_t i = boxes[b].begin; i < boxes[b].end; ++i)
            for (int k = 0; k < 3; ++k)
                sum[k] += int64_t(cells[i].c[k] * 8 + 4) * cells[i].count;
        const int64_t n = std::max<int64_t>(boxes[b].count, 1);
        out->palPalEntry[b] = PALETTEENTRY{uint8_t((sum[0] + n / 2) / n), uint8_t((sum[1] + n / 2) / n),
                                           uint8_t((sum[2] + n / 2) / n), 0};
    }

    ZvdMapToPalette(table, out);
    return 1;
}

void ZvdMapToPalette(int* table, const LOGPALETTE* palette)
{
    const int entries = std::clamp<int>(palette->palNumEntries, 1, 256);
    for (int i = 0; i < ZVD_TABLE_CELLS; ++i) {
        const int r = (i >> 10) * 8 + 4, g = ((i >> 5) & 31) * 8 + 4, bl = (i & 31) * 8 + 4;
        int best = 0, bestD = 1 << 30;
        for (int e = 0; e < entries; ++e) {
            const PALETTEENTRY& p = palette->palPalEntry[e];
            const int dr = r - p.peRed, dg = g - p.peGreen, db = bl - p.peBlue;
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestD) {
                bestD = d;
                best = e;
            }
        }
        table[i] = best;
    }
}
