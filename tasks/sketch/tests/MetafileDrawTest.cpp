// Metafile fillers drawn into images: one small metafile a record kind,
// compared with the same picture drawn straight with a painter, and
// damaged metafiles that must draw without reading past their bytes or
// drawing outside their rectangle.
#include <gtest/gtest.h>

#include <functional>

#include <QImage>
#include <QPainter>

#include "base/QnLittleEndian.h"
#include "tasks/sketch/CVFiller_Meta.h"
#include "tasks/sketch/CVSketchDC.h"
#include "tasks/sketch/tests/MetafileWriters.h"

namespace {

using namespace sketchtest;

constexpr int kSize = 64;
constexpr uint32_t kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00A000;

using Reference = std::function<void(QPainter&)>;

QImage Blank(int w = kSize, int h = kSize)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage Played(const CVFiller_Meta& filler, const QnRect& r = {0, 0, kSize, kSize}, int w = kSize, int h = kSize)
{
    QImage image = Blank(w, h);
    QPainter painter(&image);
    CVScale scale;
    scale.Init(100);
    CVSketchDC dc(painter, scale, false);
    const_cast<CVFiller_Meta&>(filler).Fill(&dc, r, nullptr);
    return image;
}

QImage Drawn(const Reference& draw)
{
    QImage image = Blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(painter);
    return image;
}

// Pixels whose colour differs in some channel by more than a quarter.
int Differing(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 64 || std::abs(qGreen(p) - qGreen(q)) > 64 ||
                std::abs(qBlue(p) - qBlue(q)) > 64)
                ++n;
        }
    return n;
}

int NotWhite(const QImage& image) { return Differing(image, Blank(image.width(), image.height())); }

QColor C(uint32_t colorref) { return QColor(colorref & 0xFF, (colorref >> 8) & 0xFF, colorref >> 16); }

// GDI pens end and join round.
QPen Pen(uint32_t colorref, double width)
{
    QPen pen(C(colorref), width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Selects a red pen 2 wide (object 1) and a blue brush (object 2).
EmfWriter& PenAndBrush(EmfWriter& w)
{
    return w.rec(38, EmfParams().u(1).u(0).i(2).i(0).u(kRed).bytes)
        .rec(39, EmfParams().u(2).u(0).u(kBlue).u(0).bytes)
        .rec(37, EmfParams().u(1).bytes)
        .rec(37, EmfParams().u(2).bytes);
}

void RedBlue(QPainter& p)
{
    p.setPen(Pen(kRed, 2));
    p.setBrush(C(kBlue));
}

Bytes Dib2x2() { return MakeDib24({{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFF00}}); }

QImage Image2x2()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, 0xFFFF0000), image.setPixel(1, 0, 0xFF00FF00);
    image.setPixel(0, 1, 0xFF0000FF), image.setPixel(1, 1, 0xFFFFFF00);
    return image;
}

EmfParams TextFont()
{
    EmfParams p;
    p.u(3).i(-20).i(0).i(0).i(0).i(400).u(0).u(0);
    for (int i = 0; i < 32; ++i)
        p.u16(i < 10 ? uint16_t("sans-serif"[i]) : 0);
    return p;
}

// The text "Met" at (x, y), its characters right after the record's fields.
Bytes MetText(int32_t x, int32_t y)
{
    EmfParams t;
    t.rect(0, 0, 0, 0).u(1).f32(1).f32(1).point(x, y).u(3).u(76).u(0).rect(0, 0, 0, 0).u(0);
    t.u16('M').u16('e').u16('t');
    return t.bytes;
}

QFont ReferenceFont()
{
    QFont font(QStringLiteral("sans-serif"));
    font.setPixelSize(20);
    font.setWeight(QFont::Normal);
    return font;
}

struct Case {
    const char* name;
    Bytes metafile;
    Reference reference;
};

std::vector<Case> EnhancedCases()
{
    std::vector<Case> cases;
    auto with = [](auto build) {
        EmfWriter w;
        PenAndBrush(w);
        build(w);
        return w.bytes();
    };
    cases.push_back({"rectangle", with([](EmfWriter& w) { w.rec(43, EmfParams().rect(10, 10, 50, 40).bytes); }),
                     [](QPainter& p) { RedBlue(p); p.drawRect(QRectF(10, 10, 40, 30)); }});
    cases.push_back({"ellipse", with([](EmfWriter& w) { w.rec(42, EmfParams().rect(8, 12, 56, 52).bytes); }),
                     [](QPainter& p) { RedBlue(p); p.drawEllipse(QRectF(8, 12, 48, 40)); }});
    cases.push_back({"round rectangle", with([](EmfWriter& w) { w.rec(44, EmfParams().rect(8, 8, 56, 56).point(20, 20).bytes); }),
                     [](QPainter& p) { RedBlue(p); p.drawRoundedRect(QRectF(8, 8, 48, 48), 10, 10); }});
    cases.push_back({"polygon16", with([](EmfWriter& w) {
                         EmfParams q;
                         q.rect(0, 0, 0, 0).u(3);
                         for (int v : {32, 4, 60, 60, 4, 60})
                             q.u16(uint16_t(v));
                         w.rec(86, q.bytes);
                     }),
                     [](QPainter& p) { RedBlue(p); p.drawPolygon(QPolygonF({{32, 4}, {60, 60}, {4, 60}})); }});
    cases.push_back({"polyline", with([](EmfWriter& w) {
                         w.rec(4, EmfParams().rect(0, 0, 0, 0).u(3).point(4, 4).point(60, 30).point(4, 60).bytes);
                     }),
                     [](QPainter& p) { p.setPen(Pen(kRed, 2)); p.drawPolyline(QPolygonF({{4, 4}, {60, 30}, {4, 60}})); }});
    cases.push_back({"poly-polygon with a hole", with([](EmfWriter& w) {
                         EmfParams q;
                         q.rect(0, 0, 0, 0).u(2).u(8).u(4).u(4);
                         for (int v : {4, 4, 60, 4, 60, 60, 4, 60, 20, 20, 44, 20, 44, 44, 20, 44})
                             q.u16(uint16_t(v));
                         w.rec(91, q.bytes);
                     }),
                     [](QPainter& p) {
                         RedBlue(p);
                         QPainterPath path;
                         path.addRect(QRectF(4, 4, 56, 56));
                         path.addRect(QRectF(20, 20, 24, 24));
                         p.drawPath(path);
                     }});
    cases.push_back({"pie", with([](EmfWriter& w) { w.rec(47, EmfParams().rect(8, 8, 56, 56).point(60, 32).point(32, 2).bytes); }),
                     [](QPainter& p) { RedBlue(p); p.drawPie(QRectF(8, 8, 48, 48), 0, 90 * 16); }});
    cases.push_back({"chord", with([](EmfWriter& w) { w.rec(46, EmfParams().rect(8, 8, 56, 56).point(32, 2).point(32, 62).bytes); }),
                     [](QPainter& p) { RedBlue(p); p.drawChord(QRectF(8, 8, 48, 48), 90 * 16, 180 * 16); }});
    cases.push_back({"arc", with([](EmfWriter& w) { w.rec(45, EmfParams().rect(8, 8, 56, 56).point(8, 32).point(60, 32).bytes); }),
                     [](QPainter& p) { p.setPen(Pen(kRed, 2)); p.drawArc(QRectF(8, 8, 48, 48), 180 * 16, 180 * 16); }});
    cases.push_back({"move and line", with([](EmfWriter& w) {
                         w.rec(27, EmfParams().point(4, 60).bytes).rec(54, EmfParams().point(60, 4).bytes);
                     }),
                     [](QPainter& p) { p.setPen(Pen(kRed, 2)); p.drawLine(QPointF(4, 60), QPointF(60, 4)); }});
    cases.push_back({"hatched brush and stock pen", with([](EmfWriter& w) {
                         w.rec(39, EmfParams().u(3).u(2).u(kGreen).u(4).bytes)
                             .rec(37, EmfParams().u(3).bytes)
                             .rec(37, EmfParams().u(0x80000008).bytes)
                             .rec(18, EmfParams().u(1).bytes)
                             .rec(43, EmfParams().rect(8, 8, 56, 56).bytes);
                     }),
                     [](QPainter& p) { p.setPen(Qt::NoPen); p.setBrush(QBrush(C(kGreen), Qt::CrossPattern)); p.drawRect(QRectF(8, 8, 48, 48)); }});
    cases.push_back({"text", with([](EmfWriter& w) {
                         w.rec(82, TextFont().bytes).rec(37, EmfParams().u(3).bytes).rec(24, EmfParams().u(kGreen).bytes)
                             .rec(18, EmfParams().u(1).bytes).rec(84, MetText(6, 10));
                     }),
                     [](QPainter& p) {
                         p.setFont(ReferenceFont());
                         p.setPen(C(kGreen));
                         p.drawText(QPointF(6, 10 + QFontMetricsF(ReferenceFont()).ascent()), QStringLiteral("Met"));
                     }});
    cases.push_back({"upright text on axes running upwards", with([](EmfWriter& w) {
                         w.rec(17, EmfParams().u(8).bytes).rec(10, EmfParams().point(0, 64).bytes)
                             .rec(9, EmfParams().point(64, -64).bytes).rec(11, EmfParams().point(64, 64).bytes)
                             .rec(82, TextFont().bytes).rec(37, EmfParams().u(3).bytes).rec(24, EmfParams().u(kGreen).bytes)
                             .rec(18, EmfParams().u(1).bytes).rec(84, MetText(6, 54));
                     }),
                     [](QPainter& p) {
                         p.setFont(ReferenceFont());
                         p.setPen(C(kGreen));
                         p.drawText(QPointF(6, 10 + QFontMetricsF(ReferenceFont()).ascent()), QStringLiteral("Met"));
                     }});
    cases.push_back({"stretched picture", with([](EmfWriter& w) {
                         const Bytes dib = Dib2x2();
                         EmfParams q;
                         q.rect(0, 0, 0, 0).i(16).i(16).i(0).i(0).i(2).i(2).u(80).u(40).u(120).u(uint32_t(dib.size() - 40));
                         q.u(0).u(0x00CC0020).i(32).i(32).raw(dib);
                         w.rec(81, q.bytes);
                     }),
                     [](QPainter& p) { p.drawImage(QRectF(16, 16, 32, 32), Image2x2()); }});
    cases.push_back({"clip rectangle", with([](EmfWriter& w) {
                         w.rec(30, EmfParams().rect(0, 0, 32, 64).bytes).rec(43, EmfParams().rect(8, 8, 56, 56).bytes);
                     }),
                     [](QPainter& p) { p.setClipRect(0, 0, 32, 64); RedBlue(p); p.drawRect(QRectF(8, 8, 48, 48)); }});
    cases.push_back({"window and viewport", with([](EmfWriter& w) {
                         w.rec(17, EmfParams().u(8).bytes).rec(9, EmfParams().point(200, 200).bytes)
                             .rec(11, EmfParams().point(64, 64).bytes).rec(10, EmfParams().point(-50, -50).bytes)
                             .rec(43, EmfParams().rect(0, 0, 100, 100).bytes);
                     }),
                     [](QPainter& p) { p.scale(0.32, 0.32); p.translate(50, 50); RedBlue(p); p.drawRect(QRectF(0, 0, 100, 100)); }});
    cases.push_back({"world transform", with([](EmfWriter& w) {
                         w.rec(36, EmfParams().f32(0.5f).f32(0).f32(0).f32(1).f32(10).f32(5).u(4).bytes)
                             .rec(43, EmfParams().rect(0, 0, 80, 40).bytes);
                     }),
                     [](QPainter& p) { p.setTransform(QTransform(0.5, 0, 0, 1, 10, 5)); RedBlue(p); p.drawRect(QRectF(0, 0, 80, 40)); }});
    cases.push_back({"saved state", with([](EmfWriter& w) {
                         w.rec(33).rec(39, EmfParams().u(3).u(0).u(kGreen).u(0).bytes).rec(37, EmfParams().u(3).bytes)
                             .rec(34, EmfParams().i(-1).bytes).rec(40, EmfParams().u(2).bytes)
                             .rec(43, EmfParams().rect(8, 8, 56, 56).bytes);
                     }),
                     [](QPainter& p) { RedBlue(p); p.drawRect(QRectF(8, 8, 48, 48)); }});
    cases.push_back({"path", with([](EmfWriter& w) {
                         w.rec(59).rec(27, EmfParams().point(8, 8).bytes).rec(54, EmfParams().point(56, 8).bytes)
                             .rec(54, EmfParams().point(32, 56).bytes).rec(61).rec(60)
                             .rec(63, EmfParams().rect(0, 0, 0, 0).bytes);
                     }),
                     [](QPainter& p) { RedBlue(p); p.drawPolygon(QPolygonF({{8, 8}, {56, 8}, {32, 56}})); }});
    return cases;
}

// Windows metafiles over a 128 by 128 window: half size on the target.
std::vector<Case> WindowsCases()
{
    using W = WmfWriter;
    std::vector<Case> cases;
    auto with = [](auto build) {
        WmfWriter w;
        w.rec(0x20B, W::Words({0, 0}).bytes).rec(0x20C, W::Words({128, 128}).bytes);
        w.rec(0x2FA, ByteWriter().u16(0).u16(4).u16(0).u32(kRed).bytes)
            .rec(0x2FC, ByteWriter().u16(0).u32(kBlue).u16(0).bytes)
            .rec(0x12D, W::Words({0}).bytes)
            .rec(0x12D, W::Words({1}).bytes);
        build(w);
        return w.bytes();
    };
    auto half = [](Reference draw) {
        return [draw](QPainter& p) { p.scale(0.5, 0.5); RedBlue(p); p.setPen(Pen(kRed, 4)); draw(p); };
    };
    cases.push_back({"rectangle", with([](W& w) { w.rec(0x41B, W::Words({80, 100, 20, 20}).bytes); }),
                     half([](QPainter& p) { p.drawRect(QRectF(20, 20, 80, 60)); })});
    cases.push_back({"ellipse", with([](W& w) { w.rec(0x418, W::Words({110, 120, 10, 8}).bytes); }),
                     half([](QPainter& p) { p.drawEllipse(QRectF(8, 10, 112, 100)); })});
    cases.push_back({"round rectangle", with([](W& w) { w.rec(0x61C, W::Words({40, 40, 112, 112, 16, 16}).bytes); }),
                     half([](QPainter& p) { p.drawRoundedRect(QRectF(16, 16, 96, 96), 20, 20); })});
    cases.push_back({"polygon", with([](W& w) { w.rec(0x324, W::Words({3, 64, 8, 120, 120, 8, 120}).bytes); }),
                     half([](QPainter& p) { p.drawPolygon(QPolygonF({{64, 8}, {120, 120}, {8, 120}})); })});
    cases.push_back({"polyline", with([](W& w) { w.rec(0x325, W::Words({3, 8, 8, 120, 64, 8, 120}).bytes); }),
                     half([](QPainter& p) { p.setBrush(Qt::NoBrush); p.drawPolyline(QPolygonF({{8, 8}, {120, 64}, {8, 120}})); })});
    cases.push_back({"poly-polygon", with([](W& w) {
                         w.rec(0x538, W::Words({2, 4, 4, 8, 8, 120, 8, 120, 120, 8, 120, 40, 40, 88, 40, 88, 88, 40, 88}).bytes);
                     }),
                     half([](QPainter& p) {
                         QPainterPath path;
                         path.addRect(QRectF(8, 8, 112, 112));
                         path.addRect(QRectF(40, 40, 48, 48));
                         p.drawPath(path);
                     })});
    cases.push_back({"pie", with([](W& w) { w.rec(0x81A, W::Words({64, 0, 128, 64, 112, 112, 16, 16}).bytes); }),
                     half([](QPainter& p) { p.drawPie(QRectF(16, 16, 96, 96), 270 * 16, 270 * 16); })});
    cases.push_back({"arc", with([](W& w) { w.rec(0x817, W::Words({64, 128, 0, 64, 112, 112, 16, 16}).bytes); }),
                     half([](QPainter& p) { p.setBrush(Qt::NoBrush); p.drawArc(QRectF(16, 16, 96, 96), 90 * 16, 270 * 16); })});
    cases.push_back({"move and line", with([](W& w) { w.rec(0x214, W::Words({120, 8}).bytes).rec(0x213, W::Words({8, 120}).bytes); }),
                     half([](QPainter& p) { p.drawLine(QPointF(8, 120), QPointF(120, 8)); })});
    cases.push_back({"text", with([](W& w) {
                         ByteWriter font = W::Words({-40, 0, 0, 0, 400});
                         font.u32(0).u32(0).raw("sans-serif").raw(Bytes(22, 0));
                         w.rec(0x2FB, font.bytes).rec(0x12D, W::Words({2}).bytes).rec(0x209, ByteWriter().u32(kGreen).bytes)
                             .rec(0x102, W::Words({1}).bytes)
                             .rec(0x521, W::Words({3}).raw("Met").u8(0).raw(W::Words({20, 12}).bytes).bytes);
                     }),
                     // Glyphs are made at their size on the target.
                     [](QPainter& p) {
                         p.setFont(ReferenceFont());
                         p.setPen(C(kGreen));
                         p.drawText(QPointF(6, 10 + QFontMetricsF(ReferenceFont()).ascent()), QStringLiteral("Met"));
                     }});
    cases.push_back({"stretched picture", with([](W& w) {
                         w.rec(0xF43, ByteWriter().u32(0x00CC0020).u16(0).raw(W::Words({2, 2, 0, 0, 64, 64, 32, 32}).bytes)
                                          .raw(Dib2x2()).bytes);
                     }),
                     [](QPainter& p) { p.drawImage(QRectF(16, 16, 32, 32), Image2x2()); }});
    cases.push_back({"clip rectangle", with([](W& w) { w.rec(0x416, W::Words({128, 64, 0, 0}).bytes).rec(0x41B, W::Words({112, 112, 16, 16}).bytes); }),
                     half([](QPainter& p) { p.setClipRect(0, 0, 64, 128); p.drawRect(QRectF(16, 16, 96, 96)); })});
    cases.push_back({"saved state and freed slots", with([](W& w) {
                         // Slot 0 (the red pen) is freed; the next object, a
                         // green brush, takes it. The restore brings the blue
                         // brush back.
                         w.rec(0x1E).rec(0x1F0, W::Words({0}).bytes)
                             .rec(0x2FC, ByteWriter().u16(0).u32(kGreen).u16(0).bytes)
                             .rec(0x12D, W::Words({0}).bytes)
                             .rec(0x41B, W::Words({60, 60, 4, 4}).bytes)
                             .rec(0x127, W::Words({-1}).bytes)
                             .rec(0x41B, W::Words({124, 124, 68, 68}).bytes);
                     }),
                     half([](QPainter& p) {
                         p.setBrush(C(kGreen));
                         p.drawRect(QRectF(4, 4, 56, 56));
                         p.setBrush(C(kBlue));
                         p.drawRect(QRectF(68, 68, 56, 56));
                     })});
    return cases;
}

// The player builds shapes as paths where the reference calls the painter's
// own shape functions; the two may round antialiased edge pixels apart.
// A hundredth of the picture (a one-pixel seam around a mid-sized shape)
// may differ by more than a quarter of a channel; anything drawn at a
// wrong place, size or colour differs far more.
constexpr int kTolerance = kSize * kSize / 100;

void Check(const Case& c, const CVFiller_Meta& filler)
{
    const QImage played = Played(filler);
    const QImage reference = Drawn(c.reference);
    ASSERT_GT(NotWhite(reference), 40) << c.name;
    EXPECT_LE(Differing(played, reference), kTolerance) << c.name;
}

TEST(MetafileDraw, EnhancedRecordsDrawAsThePainterDoes)
{
    for (const Case& c : EnhancedCases()) {
        CVFiller_Meta filler;
        ASSERT_TRUE(filler.SetEnhanced(c.metafile)) << c.name;
        Check(c, filler);
    }
}

TEST(MetafileDraw, WindowsRecordsDrawAsThePainterDoes)
{
    for (const Case& c : WindowsCases()) {
        CVFiller_Meta filler;
        filler.SetBits(c.metafile);
        Check(c, filler);
    }
}

TEST(MetafileDraw, FrameMapsOntoTheShapesRectangle)
{
    // A frame of 32 by 16 pixels from (16, 16) onto a rectangle of 40 by 20
    // sketch units drawn at 200 %.
    EmfWriter w(16, 16, 48, 32);
    PenAndBrush(w);
    w.rec(43, EmfParams().rect(16, 16, 32, 32).bytes);
    CVFiller_Meta filler;
    ASSERT_TRUE(filler.SetEnhanced(w.bytes()));
    QImage image = Blank(128, 64);
    {
        QPainter painter(&image);
        CVScale scale;
        scale.Init(200);
        CVSketchDC dc(painter, scale, false);
        filler.Fill(&dc, {4, 4, 44, 24}, nullptr);
    }
    // (16, 16)-(32, 32) lands on device (8, 8)-(48, 48), cut at the bottom
    // of the rectangle (y 48).
    EXPECT_EQ(image.pixel(28, 28), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(52, 28), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(28, 52), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(4, 4), 0xFFFFFFFFu);
}

TEST(MetafileDraw, WindowsFrameIsTheWindowSetBeforeDrawing)
{
    // A blue square over logical (0, 0)-(64, 64); where it lands on the
    // 64-pixel target, as its centre pixel.
    struct Case {
        const char* name;
        std::vector<int> origin, extent;  // y, x as the records list them
        QPoint centre;
    };
    const Case cases[] = {
        {"window of 128 from the origin", {0, 0}, {128, 128}, {16, 16}},
        {"window moved", {-64, -64}, {128, 128}, {48, 48}},
        {"y upwards from 128", {128, 0}, {-128, 128}, {16, 48}},
        {"no window: one unit a pixel", {}, {}, {32, 32}},
    };
    for (const Case& c : cases) {
        WmfWriter w;
        if (!c.extent.empty())
            w.rec(0x20B, WmfWriter::Words({c.origin[0], c.origin[1]}).bytes)
                .rec(0x20C, WmfWriter::Words({c.extent[0], c.extent[1]}).bytes);
        w.rec(0x2FC, ByteWriter().u16(0).u32(kBlue).u16(0).bytes).rec(0x12D, WmfWriter::Words({0}).bytes)
            .rec(0x41B, WmfWriter::Words({64, 64, 0, 0}).bytes);
        // A window set after drawing has begun moves no frame.
        w.rec(0x20B, WmfWriter::Words({500, 500}).bytes);
        CVFiller_Meta filler;
        filler.SetBits(w.bytes());
        const QImage image = Played(filler);
        const QRect blue(c.centre - QPoint(12, 12), QSize(24, 24));
        EXPECT_EQ(image.pixel(c.centre), 0xFF0000FFu) << c.name;
        EXPECT_EQ(NotWhite(image.copy(blue)), 24 * 24) << c.name;
    }
}

TEST(MetafileDraw, MaskedFillingKeepsTheOutputWhereTheMaskIsWhite)
{
    EmfWriter w;
    PenAndBrush(w);
    w.rec(43, EmfParams().rect(0, 0, 64, 64).bytes);
    CVFiller_Meta filler;
    ASSERT_TRUE(filler.SetEnhanced(w.bytes()));
    QImage mask(kSize, kSize, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter(&mask).fillRect(0, 0, 32, 64, Qt::black);
    QImage image = Blank();
    image.fill(Qt::green);
    {
        QPainter painter(&image);
        CVScale scale;
        scale.Init(100);
        CVSketchDC dc(painter, scale, false);
        filler.FillMasked(&dc, {0, 0, kSize, kSize}, mask);
    }
    EXPECT_EQ(image.pixel(16, 32), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(48, 32), 0xFF00FF00u);
}

// Every byte of a picture and a margin around it: what playback may touch.
void ExpectDrawnOnlyInside(const CVFiller_Meta& filler, const std::string& what)
{
    const QImage image = Played(filler, {16, 16, 48, 48}, kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if ((x < 16 || x >= 48 || y < 16 || y >= 48) && image.pixel(x, y) != 0xFFFFFFFFu) {
                ADD_FAILURE() << what << " drew outside at " << x << "," << y;
                return;
            }
}

TEST(MetafileDraw, DamagedMetafilesDrawWhatTheyCanInsideTheirRectangle)
{
    std::vector<std::pair<std::string, Bytes>> files;
    for (const Case& c : EnhancedCases())
        files.emplace_back(std::string("emf ") + c.name, c.metafile);
    for (const Case& c : WindowsCases())
        files.emplace_back(std::string("wmf ") + c.name, c.metafile);

    // Absurd counts, sizes and indexes in otherwise sound files.
    const uint32_t huge = 0xFFFFFFF0u;
    files.emplace_back("emf absurd counts", [&] {
        EmfWriter w;
        PenAndBrush(w);
        w.rec(86, EmfParams().rect(0, 0, 0, 0).u(huge).u16(1).u16(1).bytes)
            .rec(91, EmfParams().rect(0, 0, 0, 0).u(huge).u(huge).u(1).bytes)
            .rec(91, EmfParams().rect(0, 0, 0, 0).u(2).u(2).u(1).u(1).u16(1).u16(1).bytes)
            .rec(84, EmfParams().rect(0, 0, 0, 0).u(1).f32(1).f32(1).point(0, 0).u(huge).u(76).u(6).rect(0, 0, 9, 9).u(huge).bytes)
            .rec(81, EmfParams().rect(0, 0, 0, 0).i(0).i(0).i(0).i(0).i(2).i(2).u(huge).u(huge).u(80).u(huge).u(0).u(0x00CC0020).i(5).i(5).bytes)
            .rec(75, EmfParams().u(huge).u(1).u(32).u(1).u(huge).u(0).rect(0, 0, 1, 1).bytes);
        return w.bytes();
    }());
    files.emplace_back("emf huge sizes and indexes", [&] {
        EmfWriter w;
        w.rec(37, EmfParams().u(9999).bytes).rec(40, EmfParams().u(huge).bytes).rec(38, EmfParams().u(huge).u(0).i(-1).i(0).u(0).bytes)
            .rec(82, EmfParams().u(3).i(INT32_MIN).bytes).rec(37, EmfParams().u(3).bytes)
            .rec(9, EmfParams().point(0, 0).bytes).rec(11, EmfParams().point(INT32_MAX, INT32_MIN).bytes).rec(17, EmfParams().u(7).bytes)
            .rec(36, EmfParams().f32(1e38f).f32(0).f32(0).f32(1e38f).f32(0).f32(0).u(2).bytes)
            .rec(42, EmfParams().rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX).bytes)
            .rec(41, EmfParams().point(32, 32).u(huge).f32(0).f32(1e30f).bytes)
            .rec(34, EmfParams().i(INT32_MIN).bytes).rec(34, EmfParams().i(1000).bytes)
            .rec(43, EmfParams().rect(0, 0, 64, 64).bytes);
        // A picture header that claims 60000 by 60000 pixels.
        Bytes dib = Dib2x2();
        for (int i : {4, 8})
            QnPutLE32(dib.data() + i, 60000);
        EmfParams q;
        q.rect(0, 0, 0, 0).i(0).i(0).i(0).i(0).i(2).i(2).u(80).u(40).u(120).u(uint32_t(dib.size() - 40));
        q.u(0).u(0x00CC0020).i(32).i(32).raw(dib);
        w.rec(81, q.bytes);
        Bytes bytes = w.bytes(0xFFFF);
        // A record that claims more bytes than the file has.
        bytes.insert(bytes.end() - 20, {43, 0, 0, 0, 0xF0, 0xFF, 0xFF, 0xFF});
        return bytes;
    }());
    files.emplace_back("emf clipping far outside", [&] {
        EmfWriter w;
        PenAndBrush(w);
        w.rec(36, EmfParams().f32(0.9f).f32(0.2f).f32(-0.2f).f32(0.9f).f32(4).f32(2).u(4).bytes)
            .rec(30, EmfParams().rect(0, 0, 1694528256, 1761636864).bytes)
            .rec(29, EmfParams().rect(INT32_MIN, INT32_MIN, INT32_MAX, 40).bytes)
            .rec(75, EmfParams().u(48).u(2).u(32).u(1).u(1).u(16).rect(0, 0, 0, 0).rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX).bytes)
            .rec(26, EmfParams().point(INT32_MAX, INT32_MIN).bytes)
            .rec(15, EmfParams().point(INT32_MAX, INT32_MIN).u(0).bytes)
            .rec(43, EmfParams().rect(0, 0, 64, 64).bytes);
        return w.bytes();
    }());
    files.emplace_back("emf dashed shapes reaching far out", [&] {
        EmfWriter w;
        w.rec(38, EmfParams().u(1).u(1).i(3).i(0).u(kRed).bytes).rec(37, EmfParams().u(1).bytes)
            .rec(36, EmfParams().f32(0.9f).f32(0.2f).f32(2.4e23f).f32(0.9f).f32(4).f32(2).u(2).bytes)
            .rec(42, EmfParams().rect(8, 12, 56, 52).bytes)
            .rec(36, EmfParams().f32(1).f32(0).f32(0).f32(1).f32(0).f32(0).u(1).bytes)
            .rec(47, EmfParams().rect(-2000000000, 0, 2000000000, 56).point(60, 32).point(32, 2).bytes);
        return w.bytes();
    }());
    // Text on reference devices of absurd proportions: the pixel and
    // millimetre sizes (offsets 72 to 87 of the header) set as given.
    auto textOnDevice = [](size_t at, uint32_t value, size_t at2, uint32_t value2) {
        Bytes bytes = EmfWriter().rec(84, MetText(6, 10)).bytes();
        QnPutLE32(bytes.data() + at, value);
        QnPutLE32(bytes.data() + at2, value2);
        return bytes;
    };
    files.emplace_back("emf text far taller than wide", textOnDevice(72, 268436456, 84, 33554496));
    files.emplace_back("emf text far wider than tall", textOnDevice(80, 50332648, 84, 232));
    files.emplace_back("wmf absurd counts and indexes", [&] {
        WmfWriter w;
        w.rec(0x324, WmfWriter::Words({30000, 1, 1}).bytes).rec(0x538, WmfWriter::Words({60000, 1}).bytes)
            .rec(0x538, WmfWriter::Words({2, 1, 60000, 4, 4}).bytes).rec(0x12D, WmfWriter::Words({65535}).bytes)
            .rec(0x1F0, WmfWriter::Words({65535}).bytes).rec(0x521, WmfWriter::Words({30000, 1}).bytes)
            .rec(0xA32, WmfWriter::Words({0, 0, 30000, 6, 0, 0, 9, 9}).bytes)
            .rec(0x20C, WmfWriter::Words({0, 0}).bytes).rec(0x127, WmfWriter::Words({-32768}).bytes)
            .rec(0xF43, ByteWriter().u32(0x00CC0020).u16(0).raw(WmfWriter::Words({2, 2, 0, 0, 64, 64, 0, 0}).bytes)
                            .u32(40).i32(30000).i32(30000).u16(1).u16(24).bytes);
        for (int i = 0; i < 40; ++i)
            w.rec(0x2FC, ByteWriter().u16(0).u32(0).u16(0).bytes);
        Bytes bytes = w.bytes(4);
        // A record of 2^31 words.
        bytes.insert(bytes.end() - 6, {0, 0, 0, 0x80, 0x1B, 0x04});
        return bytes;
    }());

    for (const auto& [name, bytes] : files) {
        const bool enhanced = CVFiller_Meta::IsEnhanced(bytes);
        // Cut every few bytes: the players see only what is left.
        for (size_t cut = 0; cut <= bytes.size(); cut += 3) {
            Bytes part(bytes.begin(), bytes.begin() + long(cut));
            CVFiller_Meta filler;
            if (enhanced && !filler.SetEnhanced(part))
                continue;
            if (!enhanced)
                filler.SetBits(part);
            ExpectDrawnOnlyInside(filler, name + " cut at " + std::to_string(cut));
        }
    }
}

}  // namespace
