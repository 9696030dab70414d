// The preview tile and the filtering in every host mode: which rows of the
// picture the tile shows, how the host is asked for them, and how many
// Continue calls a run takes when the host delivers every band itself.
#include "FrameFixture.h"

#include <algorithm>

namespace {

struct ModeCase {
    const char* name;
    int32_t row;
    uint32_t sig;
    bool hasAdvanceState;
    int32_t width;
    int32_t height;
    int16_t planes;
    Rect filterRect; // empty: the whole picture
};

void PrintTo(const ModeCase& c, std::ostream* out) { *out << c.name; }

struct Tile {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;
};

int32_t CeilDiv(int32_t a, int32_t b) { return (a + b - 1) / b; }

// What the tile of a host mode shows: the host's sampling for rows 0 and 3,
// else the module's reduction into the 250-pixel box (row by row for rows
// 2, 4 and 5, each next source row asked after the last one shown).
Tile ExpectedTile(const ScriptedHost& host, int32_t row)
{
    const Rect f = host.FilterRect();
    const int32_t fw = f.right - f.left;
    const int32_t fh = f.bottom - f.top;
    Tile tile;
    std::vector<std::pair<int32_t, int32_t>> at; // source x, y of every pixel
    if (row == 0 || row == 3) {
        const int32_t scale = std::max(CeilDiv(fh, std::min(fh, 248)), CeilDiv(fw, std::min(fw, 248)));
        const int32_t top = f.top / scale, left = f.left / scale;
        tile.width = f.right / scale - left;
        tile.height = f.bottom / scale - top;
        for (int32_t y = 0; y < tile.height; ++y)
            for (int32_t x = 0; x < tile.width; ++x)
                at.emplace_back(scale * (left + x), scale * (top + y));
    } else {
        if (fh < fw) {
            tile.width = 250;
            tile.height = fh * 250 / fw;
        } else {
            tile.height = 250;
            tile.width = fw * 250 / fh;
        }
        auto source = [&](int32_t i) { return std::min(fh - 1, i * (fh - 1) / tile.height); };
        for (int32_t i = 0; i < tile.height; ++i) {
            const int32_t y = row == 1 ? source(i) : i == 0 ? 0 : source(i - 1) + 1;
            for (int32_t j = 0; j < tile.width; ++j)
                at.emplace_back(f.left + j * fw / tile.width, f.top + y);
        }
    }
    for (auto [x, y] : at)
        for (int32_t k = 0; k < host.Planes(); ++k)
            tile.pixels.push_back(host.In(x, y, k));
    return tile;
}

class FrameHostModes : public FrameFixture, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(FrameHostModes, ShowsTheReducedPictureAndFiltersIt)
{
    const ModeCase& c = GetParam();
    RememberHost(c.row, c.sig);
    auto host = MakeHost({c.sig, c.hasAdvanceState, c.width, c.height, c.planes, c.filterRect});
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_TRUE(preselected.empty()) << "the host was known";
    EXPECT_EQ(filterDialogs, 1);
    EXPECT_EQ(host->badRequests, 0);
    ExpectFiltered(*host);

    // The dialog showed the unfiltered tile, then the filtered one.
    const Tile expected = ExpectedTile(*host, c.row);
    ASSERT_EQ(host->shown.size(), 2u);
    EXPECT_EQ(host->shown[0].width, expected.width);
    EXPECT_EQ(host->shown[0].height, expected.height);
    EXPECT_EQ(host->shown[0].version, 1);
    EXPECT_FALSE(host->shown[0].hasMasks);
    EXPECT_TRUE(host->shown[0].pixels == expected.pixels) << "unfiltered tile";
    std::vector<uint8_t> filtered = expected.pixels;
    for (uint8_t& b : filtered)
        b = uint8_t(255 - b);
    EXPECT_TRUE(host->shown[1].pixels == filtered) << "working tile";

    // Rows 4 and 5 defer every request to the next Continue: one per tile
    // row, one that opens the dialog, one per filtered row. The others ask
    // advanceState and are done within one Continue.
    const int32_t fh = host->FilterRect().bottom - host->FilterRect().top;
    if (c.row >= 4)
        EXPECT_EQ(host->continues, expected.height + 1 + fh);
    else if (!c.hasAdvanceState)
        EXPECT_EQ(host->continues, 2 + fh); // sampling delivered by one Continue
    else
        EXPECT_EQ(host->continues, 1);
    // Row 1 asks for the whole filter area at once.
    if (c.row == 1) {
        EXPECT_EQ(host->largestInput, fh * (host->FilterRect().right - host->FilterRect().left));
    }
}

const uint32_t k8BIM = PI_FOURCC('8', 'B', 'I', 'M');

INSTANTIATE_TEST_SUITE_P(
    Rows, FrameHostModes,
    ::testing::Values(ModeCase{"PhotoshopSamples", 0, k8BIM, true, 600, 300, 3, {}},
                      ModeCase{"PaintShopProSamplesATallPicture", 3, k8BIM, true, 300, 600, 3, {}},
                      ModeCase{"CorelTakesTheWholeSelection", 1, 0x018E6FDB, true, 120, 80, 3, {10, 5, 70, 105}},
                      ModeCase{"PainterRowByRow", 2, PI_FOURCC('F', 'S', 'X', '3'), true, 300, 500, 3, {}},
                      ModeCase{"PublisherDefersASquareSelection", 4, PI_FOURCC('B', 'U', 'P', 'P'), false, 60, 60,
                               3, {5, 5, 45, 45}},
                      ModeCase{"EditorDefersThoughItCouldAdvance", 5, PI_HOST_SIG_EDITOR, true, 90, 40, 3, {}},
                      ModeCase{"GreyPictureUnderFxgate", 5, PI_HOST_SIG_FXGATE, false, 50, 70, 1, {}},
                      ModeCase{"SamplingRowOnAHostWithoutAdvanceState", 0, k8BIM, false, 600, 300, 3, {}}),
    [](const ::testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.name); });

} // namespace
