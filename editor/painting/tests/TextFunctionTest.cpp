// The text built-in: the text block's mask blended into the picture inside
// the selection and the picture, untouched pixels kept exactly, alignment
// of several lines, the cases where nothing may change, and the mask against
// the text drawn three times larger and averaged by hand.
#include "editor/builtins/FlRectPict.h"
#include "editor/builtins/PointValues.h"
#include "editor/builtins/ToolValues.h"
#include "editor/operations/FlRgn.h"
#include "editor/operations/PictureRowAccess.h"
#include "editor/operations/RgnToSelect.h"
#include "editor/painting/TextFunction.h"
#include "base/QnExcept.h"
#include "editor/ui/LdMask.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

CTextParams Text(const std::string& text, int32_t size, int32_t alignment, uint32_t colour)
{
    CTextParams t;
    t.text = text;
    t.ints[0] = size;
    t.ints[4] = alignment;
    t.ints[5] = int32_t(colour);
    return t;
}

PpFlRectPict Draw(const PpQnPicture& picture, const QnRgn& selection, const CTextParams& text, QnPoint at)
{
    QnMachineContext m;
    const PpQnExpr e = MakeTextExpr(
        PpQnExpr(PpQnFlVal(picture)),
        MakeRgnToSelectExpr(MakeRgnValueExpr(selection), picture->GetWidth(), picture->GetHeight()),
        PpQnExpr(PpQnFlVal(MakeFlTextParams(text))), PpQnExpr(PpQnFlVal(MakeFlPoint(at))));
    return CheckedCastFlRectPict(PpQnFlVal(m.eval(e, nullptr)->CastToValue()->ValuePtr()), __FILE__, __LINE__);
}

std::vector<uint8_t> Bytes(const PpQnPicture& p, int32_t bpp)
{
    const PictureRowAccess rows(PpQnRenderObj(p), bpp, QnRect{0, 0, p->GetWidth(), p->GetHeight()});
    std::vector<uint8_t> out;
    for (int32_t y = 0; y < p->GetHeight(); ++y)
        out.insert(out.end(), rows.Row(y), rows.Row(y) + size_t(p->GetWidth()) * size_t(bpp));
    return out;
}

PpQnPicture Plain(int type, int32_t w, int32_t h, uint8_t v)
{
    PpQnPicture p(w, h, type, nullptr);
    PictureRowAccess rows(p, QnRect{0, 0, w, h});
    for (int32_t y = 0; y < h; ++y)
        std::fill_n(rows.Row(y), size_t(w) * (type == WA_RGB24 ? 3u : 1u), v);
    return p;
}

// The text mask worked out by hand: the text, a space either side, drawn
// black on white without antialiasing in the font three times the size, each
// 3 x 3 block then averaged (the sum divided by 9, truncated). Rows top-down.
std::vector<uint8_t> ReferenceMask(const CTextParams& t, int32_t& width, int32_t& height)
{
    CLdLogFont logFont = LdPointFont(t.ints[0] * 30, t.face);
    logFont.italic = t.ints[1] != 0;
    logFont.weight = t.ints[2] ? 700 : 400;
    logFont.underline = t.ints[3] != 0;
    const QFont font = LdMakeFont(logFont);
    const int align = t.ints[4] == 1 ? Qt::AlignHCenter : t.ints[4] == 2 ? Qt::AlignRight : Qt::AlignLeft;
    const int flags = align | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextDontClip;
    const QString text = " " + QString::fromStdString(t.text) + " ";
    const QSize big = QFontMetrics(font).boundingRect(QRect(), flags, text).size();
    width = std::max(big.width() / 3, 1);
    height = std::max(big.height() / 3, 1);

    QImage image(3 * width, 3 * height, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, 3 * width, 3 * height), flags, text);
    }
    std::vector<uint8_t> mask(size_t(width) * size_t(height));
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            int32_t sum = 0;
            for (int32_t v = 0; v < 3; ++v)
                for (int32_t u = 0; u < 3; ++u)
                    sum += image.constScanLine(3 * y + v)[3 * x + u];
            mask[size_t(y) * size_t(width) + size_t(x)] = uint8_t(sum / 9);
        }
    return mask;
}

} // namespace

TEST(TextFunction, BlendsTheColourThroughTheMaskInsideSelectionAndPicture)
{
    // The text starts left of the picture and the selection covers its
    // right half only.
    constexpr int32_t W = 300, H = 120;
    const CTextParams text = Text("Quendle", 40, 0, 0x0000FF);
    const QnPoint at{-20, 10};
    const QnRect selected{100, 0, W, H};
    for (int type : {WA_RGB24, WA_GRAY}) {
        SCOPED_TRACE(type);
        const int32_t bpp = type == WA_RGB24 ? 3 : 1;
        const PpQnPicture picture = Plain(type, W, H, 200);
        const PpFlRectPict answer = Draw(picture, QnRgn(selected), text, at);
        CLdMask mask;
        const QnRect r = MakeTextMask(text, mask);
        const QnRect block{at.x, at.y, at.x + r.right, at.y + r.bottom};
        const QnRect changed = QnIntersectRect(block, selected);
        EXPECT_EQ(answer->Rect().left, changed.left);
        EXPECT_EQ(answer->Rect().right, changed.right);
        EXPECT_EQ(answer->Rect().top, changed.top);
        EXPECT_EQ(answer->Rect().bottom, changed.bottom);
        const std::vector<uint8_t> out = Bytes(answer->Picture(), bpp);
        const int32_t levels[3] = {bpp == 3 ? 0 : 85, 0, 255};
        int32_t wrong = 0, soft = 0, full = 0;
        for (int32_t y = 0; y < H; ++y)
            for (int32_t x = 0; x < W; ++x) {
                const bool inside = x >= changed.left && x < changed.right && y >= changed.top && y < changed.bottom;
                const int32_t m =
                    inside ? mask.GetBits()[size_t(r.bottom - 1 - (y - at.y)) * size_t(mask.GetRowBytes()) + size_t(x - at.x)]
                           : 255;
                soft += m > 0 && m < 255;
                full += m == 0;
                for (int32_t c = 0; c < bpp; ++c)
                    wrong += out[(size_t(y) * W + size_t(x)) * size_t(bpp) + size_t(c)] != (m * 200 + (255 - m) * levels[c]) / 255;
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(full, 100) << "glyph strokes are covered fully";
        EXPECT_GT(soft, 50) << "glyph edges are soft";
    }
}

TEST(TextFunction, NothingOutsideTheSelectionOrOnPalettedPictures)
{
    const PpQnPicture grey = Plain(WA_GRAY, 200, 100, 50);
    const PpFlRectPict outside = Draw(grey, QnRgn(QnRect{0, 0, 30, 30}), Text("far", 20, 0, 0), QnPoint{100, 60});
    EXPECT_TRUE(outside->Rect().IsEmpty());
    EXPECT_EQ(Bytes(outside->Picture(), 1), Bytes(grey, 1));

    std::vector<PALETTEENTRY> palette(256);
    PpQnPicture paletted(200, 100, WA_8BIT, palette.data());
    const PpFlRectPict answer = Draw(paletted, QnRgn(QnRect{0, 0, 200, 100}), Text("x", 20, 0, 0), QnPoint{10, 10});
    EXPECT_FALSE(answer->Rect().IsEmpty());
    EXPECT_EQ(Bytes(answer->Picture(), 1), Bytes(paletted, 1));
}

TEST(TextFunction, CentredLinesShareTheBlocksMiddle)
{
    CLdMask mask;
    const QnRect r = MakeTextMask(Text("ii\nWWWWWWWW", 30, 1, 0), mask);
    // The first line's ink spans a narrow band around the block's centre
    // (give or take half a space: the text gets a space at each end).
    int32_t left = r.right, right = -1;
    const int32_t lineHeight = r.bottom / 2;
    for (int32_t y = 0; y < lineHeight; ++y) {
        const uint8_t* row = mask.GetBits() + size_t(r.bottom - 1 - y) * size_t(mask.GetRowBytes());
        for (int32_t x = 0; x < r.right; ++x)
            if (row[x] < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    }
    ASSERT_GE(right, left);
    EXPECT_NEAR((left + right) / 2.0, r.right / 2.0, 8.0);
    EXPECT_LT(right - left, r.right / 3);
}

TEST(TextFunction, TheMaskIsTheTextDrawnThreeTimesLargerAndAveraged)
{
    struct Case {
        const char* face;
        int32_t size, italic, bold, underline, alignment;
        const char* text;
    };
    const Case cases[] = {
        {"Arial", 12, 0, 0, 0, 0, "Quendle & Co."},
        {"Times New Roman", 17, 1, 1, 1, 1, "ii\nWide lines"},
        {"Courier New", 9, 0, 1, 0, 2, "x\n-=-\ny"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CTextParams t = Text(c.text, c.size, c.alignment, 0);
        t.face = c.face;
        t.ints[1] = c.italic;
        t.ints[2] = c.bold;
        t.ints[3] = c.underline;
        int32_t w = 0, h = 0;
        const std::vector<uint8_t> expected = ReferenceMask(t, w, h);
        CLdMask mask;
        const QnRect r = MakeTextMask(t, mask);
        ASSERT_EQ(r.right, w);
        ASSERT_EQ(r.bottom, h);
        int32_t wrong = 0, ink = 0;
        for (int32_t y = 0; y < h; ++y) {
            const uint8_t* row = mask.GetBits() + size_t(h - 1 - y) * size_t(mask.GetRowBytes());
            for (int32_t x = 0; x < w; ++x) {
                wrong += row[x] != expected[size_t(y) * size_t(w) + size_t(x)];
                ink += row[x] < 255;
            }
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(ink, 20);
    }
}

TEST(TextFunction, ASizeBeyondAnyFontIsAClearErrorNotAWrappedNumber)
{
    // The size box takes any positive number the user types.
    for (const int32_t size : {100'000'000, std::numeric_limits<int32_t>::max()}) {
        SCOPED_TRACE(size);
        CLdMask mask;
        EXPECT_THROW(MakeTextMask(Text("A", size, 0, 0), mask), QnExcept);
    }
}
