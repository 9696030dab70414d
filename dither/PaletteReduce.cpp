#include "dither/PaletteReduce.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

int Distance(const PALETTEENTRY& a, const PALETTEENTRY& b)
{
    return std::abs(a.peRed - b.peRed) + std::abs(a.peGreen - b.peGreen) + std::abs(a.peBlue - b.peBlue);
}

struct Entry {
    int nearest = 0;
    uint16_t distance = 65535;
    bool absorbing = false;
    bool merged = false;
    uint32_t sum[3] = {};
    uint32_t count = 1;
};

} // namespace

int QnReducePalette(LOGPALETTE& palette, int limit, std::vector<uint8_t>& remap)
{
    const int n = std::min<int>(palette.palNumEntries, 256);
    limit = std::max(limit, 1);
    if (n <= limit) {
        remap.clear();
        return 0;
    }
    remap.resize(256);
    std::iota(remap.begin(), remap.end(), 0);

    std::vector<Entry> e(size_t(n), Entry{});
    for (int i = 0; i < n; ++i) {
        const PALETTEENTRY& p = palette.palPalEntry[i];
        e[size_t(i)].sum[0] = p.peRed;
        e[size_t(i)].sum[1] = p.peGreen;
        e[size_t(i)].sum[2] = p.peBlue;
        for (int j = 0; j < n; ++j) {
            if (j == i)
                continue;
            const int d = Distance(p, palette.palPalEntry[j]);
            if (d < e[size_t(i)].distance) {
                e[size_t(i)].distance = uint16_t(d);
                e[size_t(i)].nearest = j;
            }
        }
    }
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return e[size_t(a)].distance < e[size_t(b)].distance; });

    const int wanted = n - limit;
    int merges = 0;
    for (size_t k = 0; k < order.size() && merges < wanted; ++k) {
        Entry& from = e[size_t(order[k])];
        if (from.absorbing)
            continue;
        // A merged entry leads on to where it went; the chain ends at a
        // survivor, never at the entry itself.
        int t = from.nearest;
        while (e[size_t(t)].merged)
            t = e[size_t(t)].nearest;
        Entry& to = e[size_t(t)];
        for (int c = 0; c < 3; ++c)
            to.sum[c] += from.sum[c];
        to.count += from.count;
        to.absorbing = true;
        from.merged = true;
        remap[size_t(order[k])] = uint8_t(t);
        ++merges;
    }

    // Survivors take new numbers in sorted order.
    std::vector<int> renumber(size_t(n), -1);
    PALETTEENTRY out[256] = {};
    int next = 0;
    for (const int i : order) {
        const Entry& s = e[size_t(i)];
        if (s.merged)
            continue;
        renumber[size_t(i)] = next;
        out[next] = PALETTEENTRY{uint8_t((s.sum[0] + s.count / 2) / s.count),
                                 uint8_t((s.sum[1] + s.count / 2) / s.count),
                                 uint8_t((s.sum[2] + s.count / 2) / s.count), 0};
        ++next;
    }
    for (int i = 0; i < n; ++i) {
        int t = i;
        while (e[size_t(t)].merged)
            t = remap[size_t(t)];
        remap[size_t(i)] = uint8_t(renumber[size_t(t)]);
    }
    std::copy(out, out + next, palette.palPalEntry);
    palette.palNumEntries = uint16_t(next);
    return merges;
}
