// The picture's answers at the edges: pieces at and beyond its border,
// palettes, packing of partial bytes, copies, writes and refusals.
#include "PictureTestSupport.h"

#include "render/tests/ExpectRaise.h"

#include <gtest/gtest.h>

using pictest::RenderRect;

namespace {

const QnXFormXY kIdentity;

// A colour picture whose pixel (x, y) is (x, y, x ^ y) in blue, green, red.
PpQnPicture Numbered(int32_t w, int32_t h)
{
    PpQnPicture pic(w, h, WA_RGB24, nullptr);
    std::vector<uint8_t> line(size_t(w) * 3);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            line[size_t(x) * 3] = uint8_t(x);
            line[size_t(x) * 3 + 1] = uint8_t(y);
            line[size_t(x) * 3 + 2] = uint8_t(x ^ y);
        }
        pic->WriteToRow(0, y, QnRange{0, w}, line.data());
    }
    return pic;
}

} // namespace

TEST(QnPicture, PiecesAtAndBeyondTheBorder)
{
    PpQnPicture pic = Numbered(65, 1);
    QnRect got;
    pic->Render(kIdentity, 0, QnPoint{64, 0}, QnRect{0, 0, 65, 1}, &got, nullptr, 0);
    EXPECT_EQ(got, (QnRect{64, 0, 65, 1}));

    PpQnPixBuf colour = pic->Render(kIdentity, 0, QnPoint{65, 0}, QnRect{0, 0, 128, 64}, &got, nullptr, 0);
    EXPECT_EQ(got, (QnRect{65, 0, 128, 1}));
    EXPECT_EQ(colour->GetRect(), got);
    for (int32_t x = 0; x < got.Width() * 3; ++x)
        ASSERT_EQ(colour->CRow(0)[x], 0);
    PpQnPixBuf alpha = pic->Render(kIdentity, 1, QnPoint{100, 30}, QnRect{0, 0, 128, 64}, &got, nullptr, 0);
    EXPECT_EQ(got, (QnRect{64, 1, 128, 64}));
    EXPECT_EQ(alpha->CRow(62)[63], 0);

    pic->Render(kIdentity, 0, QnPoint{-1, -1}, QnRect{-100, -100, 100, 100}, &got, nullptr, 1);
    EXPECT_EQ(got, (QnRect{-64, -64, 0, 0}));
    EXPECT_EQ(QnPicture::CalcRect(QnPoint{-1, 64}), (QnRect{-64, 64, 0, 128}));

    EXPECT_RAISES(pic->Render(kIdentity, 2, QnPoint{0, 0}, QnRect{0, 0, 1, 1}, nullptr, nullptr, 0),
                  "Bad plane request");
}

TEST(QnPicture, PaletteAccess)
{
    PpQnPicture grey(4, 4, WA_GRAY, nullptr);
    const PALETTEENTRY red[1] = {{255, 0, 0, 0}};
    EXPECT_EQ(grey->SetPaletteEntries(3, 1, red), 0);
    PALETTEENTRY out[10];
    EXPECT_EQ(grey->GetPaletteEntries(250, 10, out), 6);
    EXPECT_EQ(out[0].peRed, 250);
    EXPECT_EQ(grey->GetPaletteEntries(3, 1, out), 1);
    EXPECT_EQ(out[0].peRed, 3);

    PALETTEENTRY pal[16] = {};
    pal[2] = PALETTEENTRY{1, 2, 3, 7};
    PpQnPicture four(4, 4, WA_4BIT, pal);
    EXPECT_EQ(four->GetPaletteEntries(2, 1, out), 1);
    EXPECT_EQ(std::make_tuple(out[0].peRed, out[0].peGreen, out[0].peBlue, out[0].peFlags),
              std::make_tuple(1, 2, 3, 0));
    const PALETTEENTRY two[2] = {{9, 9, 9, 0}, {8, 8, 8, 0}};
    EXPECT_EQ(four->SetPaletteEntries(15, 2, two), 1);
    EXPECT_EQ(four->GetPaletteEntries(15, 5, out), 1);
    EXPECT_EQ(out[0].peRed, 9);
    EXPECT_EQ(four->GetPaletteEntries(-3, 1, out), 1);
}

TEST(QnPicture, TypeWords)
{
    struct Case {
        int type, paletted, fixed, halfToned, paletteSize;
    } cases[] = {{1, 1, 1, 0, 2}, {2, 1, 0, 0, 16}, {4, 1, 0, 0, 256}, {8, 1, 1, 1, 256}, {16, 0, 0, 1, 0}};
    for (const Case& c : cases) {
        PpQnPicture pic(3, 3, c.type, nullptr);
        EXPECT_EQ(std::make_tuple(pic->Type(), pic->IsPaletted(), pic->HasFixedPalette(), pic->IsHalfToned(),
                                  pic->GetPaletteSize()),
                  std::make_tuple(c.type, c.paletted, c.fixed, c.halfToned, c.paletteSize));
        EXPECT_EQ(std::make_tuple(pic->GetHRes(), pic->GetVRes()), std::make_tuple(300, 300));
    }
    EXPECT_RAISES(PpQnPicture(3, 3, 3, nullptr), "Unsupported WA type");
    EXPECT_RAISES(PpQnPicture(-3, 3, WA_GRAY, nullptr), "Bad picture size");
    EXPECT_RAISES(PpQnPicture::Empty()->SetType(0, 0, 32), "Unsupported WA type");
}

TEST(QnPicture, PartialBytesOfPackedRows)
{
    PpQnPicture pic(10, 1, WA_1BIT, nullptr);
    const uint8_t pixels[10] = {1, 0, 0, 0, 0, 0, 0, 1, 1, 1};
    pic->WriteToRow(0, 0, QnRange{0, 10}, pixels);
    uint8_t row[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    pic->GetRow(0, 0, 0, row);
    EXPECT_EQ(row[0], 0x81);
    EXPECT_EQ(row[1], 0xC0);
    EXPECT_EQ(row[2], 0xEE); // only the packed bytes are written

    PpQnPicture nibbles(3, 1, WA_4BIT, nullptr);
    const uint8_t values[3] = {0xA, 0x5, 0xF};
    nibbles->WriteToRow(0, 0, QnRange{0, 3}, values);
    nibbles->GetRow(0, 0, 0, row);
    EXPECT_EQ(row[0], 0xA5);
    EXPECT_EQ(row[1], 0xF0);
}

TEST(QnPicture, CopiesDoNotSeeEachOthersWrites)
{
    PpQnPicture first = Numbered(70, 70);
    PpQnPicture second(first, 1);
    PpQnPicture same(first, 0);
    EXPECT_EQ(same.Get(), first.Get());
    EXPECT_NE(second.Get(), first.Get());

    QnRect cell;
    PpQnPixBuf view = second->GetAccessToBuffer(0, QnPoint{66, 67}, &cell);
    EXPECT_EQ(cell, (QnRect{64, 64, 70, 70}));
    view->Row(3)[2 * 3] = 0xAB; // pixel (66, 67)
    PpQnPixBuf mine = first->GetAccessToBuffer(0, QnPoint{0, 0}, &cell);
    mine->Row(0)[0] = 0xCD;

    const QnRect all{0, 0, 70, 70};
    const auto a = RenderRect(PpQnRenderObj(first), 0, all, 3);
    const auto b = RenderRect(PpQnRenderObj(second), 0, all, 3);
    EXPECT_EQ(a[(67 * 70 + 66) * 3], 66);
    EXPECT_EQ(b[(67 * 70 + 66) * 3], 0xAB);
    EXPECT_EQ(a[0], 0xCD);
    EXPECT_EQ(b[0], 0);
}

TEST(QnPicture, RenderedBuffersAreTheCallersOwn)
{
    PpQnPicture pic = Numbered(64, 64);
    PpQnPixBuf buf = pic->Render(kIdentity, 0, QnPoint{5, 5}, QnRect{0, 0, 64, 64}, nullptr, nullptr, 0);
    buf->Row(5)[15] = 0x77;
    PpQnPixBuf again = pic->Render(kIdentity, 0, QnPoint{5, 5}, QnRect{0, 0, 64, 64}, nullptr, nullptr, 0);
    EXPECT_EQ(again->CRow(5)[15], 5);
    PpQnPixBuf blank = pic->Render(kIdentity, 0, QnPoint{70, 5}, QnRect{0, 0, 128, 64}, nullptr, nullptr, 0);
    blank->Row(0)[0] = 0x55;
    PpQnPixBuf blankAgain = pic->Render(kIdentity, 0, QnPoint{70, 5}, QnRect{0, 0, 128, 64}, nullptr, nullptr, 0);
    EXPECT_EQ(blankAgain->CRow(0)[0], 0);
}

TEST(QnPicture, ColourPicturesAndRectangleWrites)
{
    PpQnPicture pic(130, 70, uint32_t(0x00112233));
    const auto all = RenderRect(PpQnRenderObj(pic), 0, QnRect{0, 0, 130, 70}, 3);
    for (size_t i = 0; i < all.size(); i += 3)
        ASSERT_EQ(std::make_tuple(all[i], all[i + 1], all[i + 2]), std::make_tuple(0x11, 0x22, 0x33));

    // A buffer straddling four tiles and the right edge.
    const QnRect r{60, 60, 140, 68};
    PpQnPixBuf buf = PpQnPixBuf::ForRect(r, 3);
    for (int32_t y = 0; y < r.Height(); ++y)
        for (int32_t x = 0; x < r.Width() * 3; ++x)
            buf->Row(y)[x] = uint8_t(y * 7 + x);
    pic->WriteToRect(0, buf);
    pic->WriteToRect(1, PpQnPixBuf::ForRect(QnRect{0, 0, 4, 4}, 3)); // ignored
    const auto after = RenderRect(PpQnRenderObj(pic), 0, QnRect{0, 0, 130, 70}, 3);
    for (int32_t y = 0; y < 70; ++y)
        for (int32_t x = 0; x < 130; ++x) {
            const bool written = r.Contains(QnPoint{x, y});
            for (int k = 0; k < 3; ++k) {
                const uint8_t want = written ? uint8_t((y - 60) * 7 + (x - 60) * 3 + k) : uint8_t(0x11 * (k + 1));
                ASSERT_EQ(after[(size_t(y) * 130 + size_t(x)) * 3 + k], want) << x << ", " << y;
            }
        }
    QnRect out{1, 2, 3, 4};
    EXPECT_EQ(pic->GetAccessToBuffer(1, QnPoint{0, 0}, &out)->GetRect(), QnRect{});
    EXPECT_EQ(out, QnRect{});
    EXPECT_EQ(pic->GetAccessToBuffer(0, QnPoint{130, 0}, &out)->GetRect(), QnRect{});
}

TEST(QnPicture, RowsOutsideOrAfterTheLayoutAreRefused)
{
    PpQnPicture pic = PpQnPicture::Empty();
    pic->SetSize(0, 0, 5, 5);
    pic->SetType(0, 0, WA_8BIT);
    const uint8_t row[8] = {};
    EXPECT_RAISES(pic->SetRow(0, 0, 5, row), "Bad row number");
    EXPECT_RAISES(pic->SetRow(0, 0, -1, row), "Bad row number");
    pic->SetRow(0, 0, 0, row);
    EXPECT_RAISES(pic->SetSize(0, 0, 6, 5), "Bad picture size");
    EXPECT_RAISES(pic->SetType(0, 0, WA_RGB24), "Unsupported WA type");
    uint8_t out[8];
    EXPECT_RAISES(pic->GetRow(0, 0, 9, out), "Bad row number");
    EXPECT_RAISES(PpQnPicture::Empty()->SetRow(0, 0, 0, row), "Unsupported WA type");
}

TEST(QnPicture, ScaledRenderingSamplesTheTiles)
{
    PpQnPicture pic = Numbered(65, 65);
    const QnXFormXY twice(QnXForm(2, 0, 1), QnXForm(2, 0, 1));
    const QnXFormXY half(QnXForm(1, 0, 2), QnXForm(1, 0, 2));
    EXPECT_EQ(pic->GetRect(twice), (QnRect{0, 0, 130, 130}));
    for (const QnXFormXY& xf : {twice, half, twice}) {
        const QnRect r = pic->GetRect(xf);
        const auto pixels = RenderRect(PpQnRenderObj(pic), 0, r, 3, xf);
        for (int32_t y = r.top; y < r.bottom; ++y)
            for (int32_t x = r.left; x < r.right; ++x) {
                const QnPoint src = xf.RevXForm(QnPoint{x, y}, 0);
                ASSERT_EQ(pixels[(size_t(y) * size_t(r.Width()) + size_t(x)) * 3 + 2], uint8_t(src.x ^ src.y))
                    << x << ", " << y;
            }
    }
}
