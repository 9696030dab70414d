// The colour-reducing conversions against the dithering library run by hand
// on the same rows: every option of black and white, the standard 4-bit and
// uniform 8-bit palettes, optimised palettes of 16 and 256 colours, the
// palette each result carries, refused options and a cancelled palette.
#include "editor/operations/DitherConvert.h"
#include "editor/operations/UserAbortExcept.h"
#include "dither/ZvDither.h"
#include "lang/MachineContext.h"
#include "lang/ProcessControl.h"
#include "lang/ValueExpr.h"
#include "picture/Picture.h"

#include "AbortingControl.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr int32_t kWidth = 150;  // across three tiles
constexpr int32_t kHeight = 70;

using Rows = std::vector<std::vector<uint8_t>>;

// Blue, green, red rows of a smooth picture with some noise.
Rows ColourRows()
{
    Rows rows(kHeight, std::vector<uint8_t>(kWidth * 3));
    uint32_t seed = 7;
    for (int32_t y = 0; y < kHeight; ++y)
        for (int32_t x = 0; x < kWidth; ++x) {
            seed = seed * 1103515245u + 12345u;
            uint8_t* p = &rows[size_t(y)][size_t(3 * x)];
            p[0] = uint8_t(x * 255 / kWidth);
            p[1] = uint8_t(y * 255 / kHeight);
            p[2] = uint8_t((x + y + (seed >> 28)) & 0xFF);
        }
    return rows;
}

PpQnPicture PictureOf(const Rows& rows)
{
    PpQnPicture p(kWidth, kHeight, WA_RGB24, nullptr);
    p->SetHRes(120);
    for (int32_t y = 0; y < kHeight; ++y)
        for (int32_t x = 0; x < kWidth; x += QnPicture::kTile) {
            QnRect tile;
            const PpQnPixBuf buf = p->GetAccessToBuffer(0, QnPoint{x, y}, &tile);
            std::memcpy(buf->Row(y - tile.top), &rows[size_t(y)][size_t(3 * tile.left)], size_t(3 * tile.Width()));
        }
    return p;
}

std::vector<uint8_t> IndexRow(const PpQnPicture& p, int32_t y)
{
    std::vector<uint8_t> out(static_cast<size_t>(p->GetWidth()));
    for (int32_t x = 0; x < p->GetWidth(); x += QnPicture::kTile) {
        QnRect tile;
        const PpQnPixBuf buf = p->GetAccessToBuffer(0, QnPoint{x, y}, &tile);
        std::memcpy(&out[size_t(tile.left)], buf->CRow(y - tile.top), size_t(tile.Width()));
    }
    return out;
}

PpQnExpr Eval(const PpQnExpr& e, QnEvalControl* control = nullptr)
{
    QnMachineContext m;
    return m.eval(e, control);
}

PpQnPicture Apply(const PpQnExpr& f, const PpQnPicture& p)
{
    const PpQnExpr result = Eval(PpQnExpr(f, PpQnExpr(PpQnFlVal(p))));
    return PpQnPicture(dynamic_cast<QnPicture*>(result->CastToValue()->ValuePtr()));
}

// What the library makes of rows with the option, and the palette it used.
Rows Reference(const Rows& rows, bool grey, uint32_t colours, uint32_t flags, const int* table, LOGPALETTE& palette)
{
    ZvdDither* d = ZvdCreateDither(grey ? 0 : 1, colours, flags, table, &palette, 0, 0, 0, kWidth - 1, 0);
    EXPECT_NE(d, nullptr);
    Rows out(kHeight, std::vector<uint8_t>(kWidth));
    std::vector<uint8_t> g(kWidth);
    for (int32_t y = 0; y < kHeight; ++y) {
        const uint8_t* src = rows[size_t(y)].data();
        if (grey) {
            for (int32_t x = 0; x < kWidth; ++x)
                g[size_t(x)] = uint8_t((src[3 * x] + src[3 * x + 1] + src[3 * x + 2]) / 3);
            src = g.data();
        }
        ZvdDitherRow(src, out[size_t(y)].data(), d);
    }
    ZvdFreeDither(d);
    return out;
}

void ExpectPicture(const PpQnPicture& p, int type, const Rows& indices, const LOGPALETTE* palette)
{
    ASSERT_EQ(p->Type(), type);
    EXPECT_EQ(p->GetHRes(), 120);
    for (int32_t y = 0; y < kHeight; ++y)
        ASSERT_EQ(IndexRow(p, y), indices[size_t(y)]) << "row " << y;
    if (!palette)
        return;
    std::vector<PALETTEENTRY> entries(static_cast<size_t>(p->GetPaletteSize()));
    p->GetPaletteEntries(0, p->GetPaletteSize(), entries.data());
    for (int i = 0; i < palette->palNumEntries && i < p->GetPaletteSize(); ++i) {
        EXPECT_EQ(entries[size_t(i)].peRed, palette->palPalEntry[i].peRed) << i;
        EXPECT_EQ(entries[size_t(i)].peGreen, palette->palPalEntry[i].peGreen) << i;
        EXPECT_EQ(entries[size_t(i)].peBlue, palette->palPalEntry[i].peBlue) << i;
    }
}

}  // namespace

TEST(DitherConvert, BlackAndWhiteEveryMethod)
{
    const Rows rows = ColourRows();
    for (int32_t option : {0, 8, 16, 24}) {
        SCOPED_TRACE(option);
        LOGPALETTE palette;
        const Rows expected = Reference(rows, true, 2, uint32_t(option), nullptr, palette);
        ExpectPicture(Apply(MakeConvertTo1BitExpr(option), PictureOf(rows)), WA_1BIT, expected, nullptr);
    }
}

TEST(DitherConvert, StandardPalettes)
{
    const Rows rows = ColourRows();
    ZvdPaletteObj* map = ZvdCreatePalette();
    ZvdMapToPalette(ZvdGetTable(map), &StandardPalette16());
    for (int32_t option : {0, 8}) {
        SCOPED_TRACE(option);
        LOGPALETTE palette = StandardPalette16();
        const Rows expected = Reference(rows, false, 16, uint32_t(option | 7), ZvdGetTable(map), palette);
        ExpectPicture(Apply(MakeConvertTo4BitExpr(option), PictureOf(rows)), WA_4BIT, expected,
                      &StandardPalette16());
    }
    ZvdReleaseTable(map);
    ZvdFreePalette(map);
    {
        // Bayer over 16 colours takes the library's regular levels.
        LOGPALETTE palette;
        const Rows expected = Reference(rows, false, 16, 21, nullptr, palette);
        ExpectPicture(Apply(MakeConvertTo4BitExpr(16), PictureOf(rows)), WA_4BIT, expected, &palette);
    }
    for (int32_t option : {0, 8, 16}) {
        SCOPED_TRACE(option);
        LOGPALETTE palette;
        const Rows expected = Reference(rows, false, 216, uint32_t(option | 5), nullptr, palette);
        ASSERT_EQ(palette.palNumEntries, 216);
        ExpectPicture(Apply(MakeConvertTo8BitExpr(option), PictureOf(rows)), WA_8BIT, expected, &palette);
    }
}

TEST(DitherConvert, OptimisedPalettes)
{
    const Rows rows = ColourRows();
    struct Case {
        int colours;
        int type;
        std::function<PpQnExpr(const PpQnExpr&, int32_t)> make;
    };
    for (const Case& c : {Case{16, WA_4BIT, MakeConvertTo4BitPaletteExpr},
                          Case{256, WA_8BIT, MakeConvertTo8BitPaletteExpr}}) {
        ZvdPaletteObj* counts = ZvdCreatePalette();
        for (const auto& row : rows)
            ZvdCountRow(row.data(), kWidth, ZvdGetTable(counts));
        std::vector<uint8_t> work(ZVD_WORK_BLOCK);
        const int n = ZvdColorsToMake(ZvdGetTable(counts), work.data(), c.colours);
        LOGPALETTE palette;
        ASSERT_NE(ZvdMakePalette(ZvdGetTable(counts), &palette, work.data(), n), 0);
        for (int32_t option : {0, 8}) {
            SCOPED_TRACE(c.colours * 100 + option);
            LOGPALETTE used = palette;
            const Rows expected = Reference(rows, false, uint32_t(c.colours), uint32_t(option | 7),
                                            ZvdGetTable(counts), used);
            const PpQnPicture source = PictureOf(rows);
            const PpQnExpr paletteExpr = MakeBuildPaletteExpr(PpQnExpr(PpQnFlVal(source)), c.colours);
            ExpectPicture(Apply(c.make(paletteExpr, option), source), c.type, expected, &palette);
        }
        ZvdReleaseTable(counts);
        ZvdFreePalette(counts);
    }
}

TEST(DitherConvert, RefusedOptionsAndCancel)
{
    const PpQnPicture source = PictureOf(ColourRows());
    try {
        Apply(MakeConvertTo1BitExpr(8 * 40), source);
        FAIL() << "accepted";
    } catch (const QnExcept& e) {
        EXPECT_STREQ(e.what(), "Bad dithering options");
    }
    AbortingControl control;
    EXPECT_THROW(Eval(MakeBuildPaletteExpr(PpQnExpr(PpQnFlVal(source)), 256), &control), UserAbortExcept);
}
