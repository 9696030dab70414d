// Rows through the import sink and back out of the export source, and the
// same pixels rendered across tile borders, for every pixel type and for
// pictures of one pixel, one tile, just over one tile and one long line.
#include "PictureTestSupport.h"

#include "picture/RowPacking.h"
#include "platform/Dib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using pictest::Noise;
using pictest::RenderRect;

namespace {

struct Size {
    int32_t w, h;
};

class PictureRows : public ::testing::TestWithParam<std::tuple<int, Size>> {};

// Packed rows of random pixels, with every bit that holds no pixel 0.
std::vector<std::vector<uint8_t>> RandomRows(int type, int32_t w, int32_t h)
{
    const unsigned bits = unsigned(WaBitsPerPixel(type));
    const size_t padded = size_t(platform::DibRowBytes(uint64_t(w), bits));
    const int64_t pixelBits = int64_t(w) * bits;
    std::vector<std::vector<uint8_t>> rows(size_t(h), std::vector<uint8_t>(padded, 0));
    uint32_t n = uint32_t(type) * 977;
    for (auto& row : rows)
        for (int64_t bit = 0; bit < pixelBits; bit += 8) {
            uint8_t v = Noise(n++);
            if (pixelBits - bit < 8)
                v &= uint8_t(0xFF << (8 - (pixelBits - bit)));
            row[size_t(bit / 8)] = v;
        }
    return rows;
}

std::vector<PALETTEENTRY> RandomPalette(int count)
{
    std::vector<PALETTEENTRY> pal(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        pal[size_t(i)] = PALETTEENTRY{Noise(3 * i), Noise(3 * i + 1), Noise(3 * i + 2), 0};
    return pal;
}

} // namespace

TEST_P(PictureRows, RowsRoundTripAndRenderAcrossTiles)
{
    const auto [type, size] = GetParam();
    const auto [w, h] = size;
    const int32_t bpp = type == WA_RGB24 ? 3 : 1;
    const int palSize = WaPaletteSize(type);
    std::vector<PALETTEENTRY> pal = RandomPalette(std::max(palSize, 1));

    PpQnPicture pic = PpQnPicture::Empty();
    ASSERT_EQ(pic->SetImageNum(1), 0);
    ASSERT_EQ(pic->SetLayersNum(0, 1), 0);
    ASSERT_EQ(pic->SetSize(0, 0, w, h), 0);
    ASSERT_EQ(pic->SetType(0, 0, type), 0);
    ASSERT_EQ(pic->SetPalette(0, 0, pal.data(), palSize), 0);
    ASSERT_EQ(pic->SetRes(0, 0, 96, 72), 0);
    const auto rows = RandomRows(type, w, h);
    // Rows may come in any order: every other one first.
    for (int32_t i = 0; i < h; i += 2)
        pic->SetRow(0, 0, i, rows[size_t(i)].data());
    for (int32_t i = 1; i < h; i += 2)
        pic->SetRow(0, 0, i, rows[size_t(i)].data());

    const size_t packed = size_t(QnPackedRowBytes(type, w));
    std::vector<uint8_t> back(rows[0].size(), 0xEE);
    for (int32_t i = 0; i < h; ++i) {
        pic->GetRow(0, 0, i, back.data());
        ASSERT_TRUE(std::equal(back.begin(), back.begin() + ptrdiff_t(packed), rows[size_t(i)].begin())) << "row " << i;
    }

    int gw = 0, gh = 0, gt = 0, hr = 0, vr = 0;
    pic->GetSize(0, 0, gw, gh);
    pic->GetType(0, 0, gt);
    pic->GetRes(0, 0, hr, vr);
    EXPECT_EQ(std::make_tuple(gw, gh, gt, hr, vr), std::make_tuple(w, h, type, 96, 72));

    std::vector<PALETTEENTRY> got(256);
    ASSERT_EQ(pic->GetPaletteEntries(0, 256, got.data()), palSize);
    for (int i = 0; i < palSize; ++i) {
        const PALETTEENTRY want = type == WA_1BIT  ? PALETTEENTRY{uint8_t(255 * i), uint8_t(255 * i), uint8_t(255 * i), 0}
                                  : type == WA_GRAY ? PALETTEENTRY{uint8_t(i), uint8_t(i), uint8_t(i), 0}
                                                    : pal[size_t(i)];
        EXPECT_EQ(std::make_tuple(got[i].peRed, got[i].peGreen, got[i].peBlue),
                  std::make_tuple(want.peRed, want.peGreen, want.peBlue)) << "entry " << i;
    }

    // The pixels top-down, one or three bytes each.
    std::vector<uint8_t> expected(size_t(w) * size_t(h) * size_t(bpp));
    for (int32_t i = 0; i < h; ++i)
        QnUnpackRow(type, rows[size_t(i)].data(), w, expected.data() + size_t(h - 1 - i) * size_t(w) * size_t(bpp));

    const QnRect rects[] = {{0, 0, w, h}, {w / 3, h / 3, w - w / 5, h - h / 7}, {w / 2, h / 2, w, h}};
    for (const QnRect& r : rects) {
        if (r.IsEmpty())
            continue;
        const std::vector<uint8_t> pixels = RenderRect(PpQnRenderObj(pic), 0, r, bpp);
        for (int32_t y = r.top; y < r.bottom; ++y)
            ASSERT_EQ(0, std::memcmp(pixels.data() + size_t(y - r.top) * size_t(r.Width()) * bpp,
                                     expected.data() + (size_t(y) * size_t(w) + size_t(r.left)) * bpp,
                                     size_t(r.Width()) * bpp))
                << "line " << y << " of (" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
        const std::vector<uint8_t> alpha = RenderRect(PpQnRenderObj(pic), 1, r, bpp);
        EXPECT_TRUE(std::all_of(alpha.begin(), alpha.end(), [](uint8_t a) { return a == 255; }));
        // The same lines read straight from the tiles over a range reaching
        // past both sides: the bytes outside the picture stay as they were.
        const QnRange range{r.left - 2, r.right + 3};
        for (int32_t y = r.top; y < r.bottom; ++y) {
            std::vector<uint8_t> line(size_t(range.end - range.start) * bpp, 0xEE);
            pic->ReadFromRow(0, y, range, line.data());
            const size_t inside = size_t(std::min(range.end, w) - std::max(range.start, 0)) * bpp;
            const size_t before = size_t(std::max(range.start, 0) - range.start) * bpp;
            ASSERT_EQ(0, std::memcmp(line.data() + before,
                                     expected.data() + (size_t(y) * size_t(w) + size_t(std::max(range.start, 0))) * bpp,
                                     inside))
                << "line " << y;
            EXPECT_TRUE(std::all_of(line.begin(), line.begin() + ptrdiff_t(before), [](uint8_t v) { return v == 0xEE; }));
            EXPECT_TRUE(std::all_of(line.begin() + ptrdiff_t(before + inside), line.end(),
                                    [](uint8_t v) { return v == 0xEE; }));
        }
    }
    std::vector<uint8_t> untouched(size_t(bpp), 0xEE);
    pic->ReadFromRow(0, h, QnRange{0, 1}, untouched.data());
    pic->ReadFromRow(0, -1, QnRange{0, 1}, untouched.data());
    EXPECT_EQ(untouched, std::vector<uint8_t>(size_t(bpp), 0xEE));
}

INSTANTIATE_TEST_SUITE_P(TypesAndSizes, PictureRows,
                         ::testing::Combine(::testing::Values(WA_1BIT, WA_4BIT, WA_8BIT, WA_GRAY, WA_RGB24),
                                            ::testing::Values(Size{1, 1}, Size{64, 64}, Size{65, 65},
                                                              Size{10000, 1})),
                         [](const auto& info) {
                             const Size size = std::get<1>(info.param);
                             return "type" + std::to_string(std::get<0>(info.param)) + "_" +
                                    std::to_string(size.w) + "x" + std::to_string(size.h);
                         });
