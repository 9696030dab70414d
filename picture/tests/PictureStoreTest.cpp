// The stored form in the load/save cache: a DIB without file header,
// written and read back for every type, and damaged forms refused.
#include "PictureTestSupport.h"

#include "base/QnLittleEndian.h"
#include "render/tests/ExpectRaise.h"

#include <gtest/gtest.h>

using pictest::Noise;
using pictest::StoredForm;

namespace {

PpQnPicture Loaded(std::vector<uint8_t> bytes)
{
    PpQnMemLsmDsc dsc = QnMemLsmDsc::Make("load");
    dsc->SetBytes(std::move(bytes));
    return PpQnPicture(PpQnLsmDsc(dsc), nullptr);
}

// A 40-byte header of bits per pixel and colours used, then the table.
std::vector<uint8_t> Header(int32_t w, int32_t h, uint16_t bits, uint32_t colours)
{
    std::vector<uint8_t> b(40, 0);
    QnPutLE32(b.data(), 40);
    QnPutLE32(b.data() + 4, uint32_t(w));
    QnPutLE32(b.data() + 8, uint32_t(h));
    QnPutLE16(b.data() + 12, 1);
    QnPutLE16(b.data() + 14, bits);
    QnPutLE32(b.data() + 32, colours);
    return b;
}

} // namespace

TEST(QnPictureStore, ThreeByTwoBlackAndWhite)
{
    PpQnPicture pic(3, 2, WA_1BIT, nullptr);
    const uint8_t top[3] = {1, 0, 1};
    pic->WriteToRow(0, 0, QnRange{0, 3}, top);
    const std::vector<uint8_t> bytes = StoredForm(pic);
    ASSERT_EQ(bytes.size(), 40u + 8 + 2 * 4);
    EXPECT_EQ(QnGetLE32(bytes.data()), 40u);
    EXPECT_EQ(QnGetLE16(bytes.data() + 14), 1);
    EXPECT_EQ(QnGetLE32(bytes.data() + 20), 0u);
    EXPECT_EQ(QnGetLE32(bytes.data() + 24), 11811u);
    EXPECT_EQ(QnGetLE32(bytes.data() + 32), 2u);
    const std::vector<uint8_t> palette(bytes.begin() + 40, bytes.begin() + 48);
    EXPECT_EQ(palette, (std::vector<uint8_t>{0, 0, 0, 0, 255, 255, 255, 0}));
    // Last line first, padding zero.
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 48, bytes.end()),
              (std::vector<uint8_t>{0x00, 0, 0, 0, 0xA0, 0, 0, 0}));
}

TEST(QnPictureStore, EveryTypeRoundTrips)
{
    for (int type : {WA_1BIT, WA_4BIT, WA_8BIT, WA_GRAY, WA_RGB24}) {
        SCOPED_TRACE(type);
        PALETTEENTRY pal[256];
        for (int i = 0; i < 256; ++i)
            pal[i] = PALETTEENTRY{Noise(i), Noise(i + 300), Noise(i + 600), 0};
        PpQnPicture pic(67, 5, type, pal);
        pic->SetHRes(72);
        pic->SetVRes(96);
        const int32_t bpp = type == WA_RGB24 ? 3 : 1;
        const uint8_t mask = type == WA_1BIT ? 1 : type == WA_4BIT ? 15 : 255;
        std::vector<uint8_t> line(67 * size_t(bpp));
        for (int32_t y = 0; y < 5; ++y) {
            for (size_t i = 0; i < line.size(); ++i)
                line[i] = uint8_t(Noise(uint32_t(y * 1000 + i)) & mask);
            pic->WriteToRow(0, y, QnRange{0, 67}, line.data());
        }
        const std::vector<uint8_t> bytes = StoredForm(pic);
        EXPECT_EQ(bytes.size() % 4, 0u);
        PpQnPicture back = Loaded(bytes);
        EXPECT_EQ(back->Type(), type);
        EXPECT_EQ(std::make_tuple(back->GetWidth(), back->GetHeight(), back->GetHRes(), back->GetVRes()),
                  std::make_tuple(67, 5, 72, 96));
        EXPECT_EQ(StoredForm(back), bytes);
    }
}

TEST(QnPictureStore, EightBitGreyRampLoadsAsGrey)
{
    std::vector<uint8_t> bytes = Header(2, 1, 8, 0);
    for (int i = 0; i < 256; ++i)
        bytes.insert(bytes.end(), {uint8_t(i), uint8_t(i), uint8_t(i), 0});
    bytes.insert(bytes.end(), {7, 200, 0, 0});
    EXPECT_EQ(Loaded(bytes)->Type(), WA_GRAY);
    bytes[40 + 4 * 7 + 2] = 8; // entry 7 = (7, 7, 8)
    PpQnPicture paletted = Loaded(bytes);
    EXPECT_EQ(paletted->Type(), WA_8BIT);
    PALETTEENTRY e;
    paletted->GetPaletteEntries(7, 1, &e);
    EXPECT_EQ(std::make_tuple(e.peRed, e.peGreen, e.peBlue), std::make_tuple(8, 7, 7));
}

TEST(QnPictureStore, DamagedFormsAreRefused)
{
    std::vector<uint8_t> bits16 = Header(1, 1, 16, 0);
    bits16.resize(bits16.size() + 4);
    EXPECT_RAISES(Loaded(bits16), "Bad file");
    EXPECT_RAISES(Loaded(Header(1, 1, 8, 300)), "Bad file");
    std::vector<uint8_t> shortHeader(20, 0);
    EXPECT_RAISES(Loaded(shortHeader), "Bad file");
    // A header that promises far more rows than follow.
    std::vector<uint8_t> truncated = Header(100000, 100000, 24, 0);
    truncated.resize(truncated.size() + 64);
    EXPECT_RAISES(Loaded(truncated), "Bad file");
    std::vector<uint8_t> negative = Header(-5, 2, 24, 0);
    negative.resize(negative.size() + 64);
    EXPECT_RAISES(Loaded(negative), "Bad file");
}
