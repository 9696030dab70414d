// The palette's sample picture made from a picture: the reduction step, the
// pixels it samples, and the bitmap file written from it.
#include "editor/palette/CustomImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// A 24-bit DIB whose pixel (x, y from the top) is (x, y, 9) in blue, green, red.
std::vector<uint8_t> Dib(int32_t w, int32_t h)
{
    const size_t row = (size_t(w) * 3 + 3) / 4 * 4;
    std::vector<uint8_t> dib(40 + row * size_t(h), 0);
    auto put = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            dib[at + size_t(i)] = uint8_t(v >> (8 * i));
    };
    put(0, 40);
    put(4, uint32_t(w));
    put(8, uint32_t(h));
    dib[12] = 1;
    dib[14] = 24;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            uint8_t* p = dib.data() + 40 + row * size_t(h - 1 - y) + 3 * size_t(x);
            p[0] = uint8_t(x);
            p[1] = uint8_t(y);
            p[2] = 9;
        }
    return dib;
}

int32_t Field(const std::vector<uint8_t>& b, size_t at)
{
    return int32_t(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | b[at + 3] << 24);
}

} // namespace

TEST(CustomImage, ReducedByAWholeStep)
{
    struct Case {
        int32_t w, h, newW, newH, step;
    };
    // The step is the larger of the two quotients; a small picture keeps its size.
    for (const Case& c : {Case{160, 120, 80, 60, 2}, Case{200, 60, 100, 30, 2}, Case{50, 40, 50, 40, 1},
                          Case{241, 61, 80, 20, 3}}) {
        SCOPED_TRACE(c.w);
        const std::vector<uint8_t> out = LdMakeCustomImage(Dib(c.w, c.h), 80, 60);
        ASSERT_FALSE(out.empty());
        EXPECT_EQ(Field(out, 4), c.newW);
        EXPECT_EQ(Field(out, 8), c.newH);
        const size_t row = (size_t(c.newW) * 3 + 3) / 4 * 4;
        ASSERT_EQ(out.size(), 40 + row * size_t(c.newH));
        EXPECT_EQ(size_t(Field(out, 20)), row * size_t(c.newH));
        // Bottom-up row r, column c takes source row r * step, column c * step.
        const uint8_t* p = out.data() + 40 + row * 1 + 3 * 2;
        EXPECT_EQ(p[0], uint8_t(2 * c.step));
        EXPECT_EQ(p[1], uint8_t(c.h - 1 - c.step));
    }
    EXPECT_TRUE(LdMakeCustomImage({1, 2, 3}, 80, 60).empty());
    std::vector<uint8_t> cut = Dib(10, 10);
    cut.resize(cut.size() - 1);
    EXPECT_TRUE(LdMakeCustomImage(cut, 80, 60).empty());
}

TEST(CustomImage, WrittenAsABitmapFile)
{
    const auto path = std::filesystem::temp_directory_path() / "qnpalette-custom.bmp";
    const std::vector<uint8_t> dib = Dib(5, 3);
    LdWriteBitmapFile(path.string(), dib);
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    std::filesystem::remove(path);
    ASSERT_EQ(bytes.size(), dib.size() + 14);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Field(bytes, 2), int32_t(dib.size() + 14));
    EXPECT_EQ(Field(bytes, 10), 54);
    EXPECT_TRUE(std::equal(dib.begin(), dib.end(), bytes.begin() + 14));
}
