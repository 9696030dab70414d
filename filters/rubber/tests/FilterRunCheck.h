// What the tests of rubber.8bf's filters share: the host modes a filter is
// run in (each row of the host list the frame serves, with narrow bands, a
// selection, a grey picture and deferred bands among them), a run with a
// stored parameter block, and the output of a run held against a field of
// the formulas (any type with w, h and Source in 1/16 pixel).
#pragma once

#include "RubberFixture.h"

#include <cstring>
#include <string>
#include <vector>

struct HostMode {
    const char* name;
    int32_t row;
    uint32_t sig;
    bool advance;
    int16_t planes;
    Rect filterRect; // empty: the whole picture
    int32_t maxSpace;   // 0: three times the picture
};

inline void PrintTo(const HostMode& m, std::ostream* out) { *out << m.name; }

inline const std::vector<HostMode>& AllHostModes()
{
    static const std::vector<HostMode> modes{
        {"PhotoshopNarrowBands", 0, PI_FOURCC('8', 'B', 'I', 'M'), true, 3, Rect{0, 0, 0, 0}, 57 * 3 * 3 * 5},
        {"CorelSelectionInOneBand", 1, 0x018E6FDB, true, 3, Rect{6, 9, 38, 50}, 0},
        {"PainterRowByRow", 2, PI_FOURCC('F', 'S', 'X', '3'), true, 3, Rect{0, 0, 0, 0}, 0},
        {"PaintShopProGrey", 3, PI_FOURCC('8', 'B', 'I', 'M'), true, 1, Rect{0, 0, 0, 0}, 57 * 45},
        {"PublisherDeferredSelection", 4, PI_FOURCC('B', 'U', 'P', 'P'), false, 3, Rect{3, 4, 40, 44}, 57 * 3 * 9},
        {"FxgateDeferred", 5, PI_HOST_SIG_FXGATE, false, 3, Rect{0, 0, 0, 0}, 57 * 45 * 3},
    };
    return modes;
}

// The picture of every mode.
constexpr int32_t kModeWidth = 57, kModeHeight = 45;

template <class Field>
void ExpectField(const ScriptedHost& host, const Field& field)
{
    const Rect& r = host.FilterRect();
    const RefArea f{r.left, r.top, r.right, r.bottom};
    const RefPicture in{host.Width(), host.Height(), host.Planes(), host.input.data()};
    for (int32_t y = 0; y < host.Height(); ++y)
        for (int32_t x = 0; x < host.Width(); ++x)
            for (int32_t k = 0; k < host.Planes(); ++k)
                ASSERT_EQ(host.Out(x, y, k), RubberPixel(in, f, field, x, y, k, host.record.backColor))
                    << "pixel " << x << "," << y << " plane " << k;
}

// The width and height of a host's filter area.
inline int32_t AreaWidth(const ScriptedHost& h) { return h.FilterRect().right - h.FilterRect().left; }
inline int32_t AreaHeight(const ScriptedHost& h) { return h.FilterRect().bottom - h.FilterRect().top; }

class FilterRunFixture : public RubberFixture {
protected:
    // A run of entry in mode with block stored (its ShowDialog 0), after a
    // Parameters call that made the block.
    std::unique_ptr<ScriptedHost> RunStored(const HostMode& m, const char* entry, const std::vector<int32_t>& block)
    {
        RememberHost(m.row, m.sig);
        auto host = MakeHost({m.sig, m.advance, kModeWidth, kModeHeight, m.planes, m.filterRect, m.maxSpace}, entry);
        host->Reset();
        EXPECT_EQ(host->Call(filterSelectorParameters), 0);
        std::memcpy(host->parameters->data, block.data(), block.size() * sizeof(int32_t));
        EXPECT_EQ(host->Run(false), 0);
        EXPECT_EQ(host->badRequests, 0);
        return host;
    }
};

// The preview shown, against a field at the tile's size: the nearest
// source, mid grey outside.
template <class Field>
void ExpectPreviewField(const ShownMap& shown, const ShownMap& unfiltered, int32_t planes, const Field& field)
{
    ASSERT_EQ(shown.width, unfiltered.width);
    ASSERT_EQ(shown.height, unfiltered.height);
    const RefPicture tile{unfiltered.width, unfiltered.height, planes, unfiltered.pixels.data()};
    for (int32_t y = 0; y < tile.height; ++y)
        for (int32_t x = 0; x < tile.width; ++x)
            for (int32_t k = 0; k < planes; ++k)
                ASSERT_EQ(shown.pixels[size_t((y * tile.width + x) * planes + k)],
                          RubberPreviewPixel(tile, field, x, y, k))
                    << "preview " << x << "," << y;
}
