// Sketches drawn into images: fillers, outlines, pictures, fitted text, the
// month grid and the selection frame, checked pixel by pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "framework/ColorDialog.h"
#include "tasks/sketch/CVFiller_Bitmap.h"
#include "tasks/sketch/CVFiller_Color.h"
#include "tasks/sketch/CVOutliner_Line.h"
#include "tasks/sketch/CVShape_Cal.h"
#include "tasks/sketch/CVShape_Line.h"
#include "tasks/sketch/CVShape_Text.h"
#include "tasks/sketch/CVSketch.h"
#include "tasks/sketch/CVSketchDC.h"
#include "tasks/sketch/tests/SketchTestSupport.h"

namespace {

using namespace sketchtest;

constexpr QRgb kWhite = 0xFFFFFFFF;

QImage Blank(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Draws with a painter on image through a sketch context at percent.
template <class Fn>
void DrawOn(QImage& image, int percent, bool printing, Fn draw)
{
    QPainter painter(&image);
    CVScale scale;
    scale.Init(percent);
    CVSketchDC dc(painter, scale, printing);
    draw(dc);
}

QRgb Rgb(uint32_t rrggbb) { return 0xFF000000u | rrggbb; }

// Pixels of image in r whose colour is near c.
int CountNear(const QImage& image, const QRect& r, QRgb c, int tolerance = 60)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(c)) + std::abs(qGreen(p) - qGreen(c)) + std::abs(qBlue(p) - qBlue(c)) <= tolerance)
                ++n;
        }
    return n;
}

TEST(SketchDraw, RectangleIsFilledOutlinedAndFramedOnlyOnScreen)
{
    auto makeSketch = [](CVSketch& sketch) {
        CVSketch::SetCreationMode(CVSketch::kModeRect);
        CVShape* r = sketch.AddShape({10, 10}, {40, 30});
        CVSketch::SetCreationMode(CVSketch::kModeNone);
        r->SetFiller(std::make_unique<CVFiller_Color>(fw::Rgb(0, 0, 255)));
        r->SetOutliner(std::make_unique<CVOutliner_Line>(fw::Rgb(255, 0, 0), 2));
    };
    CVSketch sketch;
    makeSketch(sketch);

    // At 200 percent the rectangle covers device (20, 20)-(80, 60).
    QImage printed = Blank(100, 100);
    DrawOn(printed, 200, true, [&](CVSketchDC& dc) { sketch.Draw(&dc); });
    EXPECT_EQ(printed.pixel(50, 40), Rgb(0x0000FF));
    EXPECT_EQ(printed.pixel(50, 20), Rgb(0xFF0000));  // the 4-pixel outline over the top edge
    EXPECT_EQ(printed.pixel(50, 18), Rgb(0xFF0000));
    EXPECT_EQ(printed.pixel(80, 40), Rgb(0xFF0000));
    EXPECT_EQ(printed.pixel(50, 10), kWhite);
    EXPECT_EQ(printed.pixel(90, 40), kWhite);

    // On screen the selection frame inverts every other pixel of a 2-pixel
    // border just inside the device rectangle; drawn twice it is gone.
    QImage screen = Blank(100, 100);
    DrawOn(screen, 200, false, [&](CVSketchDC& dc) { sketch.Draw(&dc); });
    int changed = 0;
    for (int y = 20; y < 60; ++y)
        for (int x = 20; x < 80; ++x)
            changed += screen.pixel(x, y) != printed.pixel(x, y);
    const int border = 60 * 40 - 56 * 36;
    EXPECT_EQ(changed, border / 2);
    EXPECT_EQ(screen.pixel(50, 40), Rgb(0x0000FF));
    QImage twice = screen;
    DrawOn(twice, 200, false, [&](CVSketchDC& dc) { dc.DrawDragRect({20, 20, 80, 60}, CVSketch::kSelectionFrame); });
    EXPECT_EQ(twice, printed);
}

TEST(SketchDraw, BitmapFillerStretchesThePictureTheRightWayUp)
{
    const std::vector<std::vector<uint32_t>> rows = {{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFF00}};
    for (bool topDown : {false, true}) {
        const Bytes dib = MakeDib24(rows, topDown);
        CVShape_Line frame(CVSketch::kModeRect, {0, 0}, {40, 20});
        frame.SetBitmapFill(dib.data(), dib.size());
        QImage image = Blank(60, 60);
        DrawOn(image, 100, false, [&](CVSketchDC& dc) { frame.Draw(&dc); });
        EXPECT_EQ(image.pixel(5, 5), Rgb(0xFF0000)) << topDown;
        EXPECT_EQ(image.pixel(35, 5), Rgb(0x00FF00)) << topDown;
        EXPECT_EQ(image.pixel(5, 15), Rgb(0x0000FF)) << topDown;
        EXPECT_EQ(image.pixel(35, 15), Rgb(0xFFFF00)) << topDown;
        EXPECT_EQ(image.pixel(45, 5), kWhite);
        EXPECT_EQ(image.pixel(5, 25), kWhite);

        // A printer keeps the picture's proportions from the top-left corner.
        QImage print = Blank(60, 60);
        DrawOn(print, 100, true, [&](CVSketchDC& dc) { frame.Draw(&dc); });
        EXPECT_EQ(print.pixel(5, 5), Rgb(0xFF0000));
        EXPECT_EQ(print.pixel(15, 15), Rgb(0xFFFF00));
        EXPECT_EQ(print.pixel(25, 5), kWhite);
    }

    // A line, or a picture that is no picture, fills nothing.
    const Bytes dib = MakeDib24(rows);
    CVShape_Line line(CVSketch::kModeLine, {0, 0}, {40, 20});
    line.SetBitmapFill(dib.data(), dib.size());
    CVShape_Line broken(CVSketch::kModeRect, {0, 0}, {40, 20});
    broken.SetBitmapFill(dib.data(), 50);  // the rows are cut off
    QImage image = Blank(60, 60);
    DrawOn(image, 100, false, [&](CVSketchDC& dc) {
        line.Draw(&dc);
        broken.Draw(&dc);
    });
    EXPECT_EQ(CountNear(image, image.rect(), kWhite, 0), 60 * 60);
}

TEST(SketchDraw, MaskedFillingLeavesTheOutputWhereTheMaskIsWhite)
{
    QImage mask(20, 10, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter(&mask).fillRect(0, 0, 10, 10, Qt::black);
    QImage image = Blank(30, 30);
    image.setPixel(15, 5, Rgb(0x123456));
    CVFiller_Color filler(fw::Rgb(0, 255, 0));
    DrawOn(image, 100, false, [&](CVSketchDC& dc) { filler.FillMasked(&dc, {0, 0, 20, 10}, mask); });
    EXPECT_EQ(CountNear(image, QRect(0, 0, 10, 10), Rgb(0x00FF00), 0), 100);
    EXPECT_EQ(image.pixel(15, 5), Rgb(0x123456));
    EXPECT_EQ(image.pixel(12, 2), kWhite);
}

TEST(SketchDraw, TextIsFittedIntoItsRectangle)
{
    CVShape_Text text({10, 10}, {210, 60});
    text.SetText("HHHH");
    text.color = fw::Rgb(200, 0, 0);
    QImage image = Blank(240, 80);
    DrawOn(image, 100, false, [&](CVSketchDC& dc) { text.Draw(&dc); });
    int top = 80, bottom = -1, left = 240, right = -1;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 240; ++x)
            if (CountNear(image, QRect(x, y, 1, 1), Rgb(0xC80000), 90)) {
                top = std::min(top, y), bottom = std::max(bottom, y);
                left = std::min(left, x), right = std::max(right, x);
            }
    // Left-aligned, centred, at least half the rectangle high or wide, and
    // within it.
    EXPECT_GE(left, 10);
    EXPECT_LE(left, 20);
    EXPECT_LT(right, 210);
    EXPECT_GE(top, 10);
    EXPECT_LT(bottom, 60);
    EXPECT_TRUE(bottom - top >= 25 || right - left >= 100) << top << " " << bottom << " " << left << " " << right;

    // An empty text draws nothing.
    CVShape_Text empty({0, 0}, {100, 30});
    QImage blank = Blank(100, 30);
    DrawOn(blank, 100, false, [&](CVSketchDC& dc) { empty.Draw(&dc); });
    EXPECT_EQ(CountNear(blank, blank.rect(), kWhite, 0), 100 * 30);
}

TEST(SketchDraw, MonthGridDrawsLinesNamesAndRedSundays)
{
    CVShape_Cal cal({0, 0}, {700, 350});
    cal.SetDayNames({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}, 3, 1);
    cal.SetMonth(7, 2020);  // 7 rows of 50
    cal.headerColor = fw::Rgb(0, 0, 255);
    cal.datesColor = fw::Rgb(0, 160, 0);
    cal.headerFace = "Arial";
    QImage image = Blank(700, 350);
    DrawOn(image, 100, true, [&](CVSketchDC& dc) { cal.Draw(&dc); });
    EXPECT_EQ(cal.deviceRect, (QnRect{0, 0, 700, 350}));
    EXPECT_EQ(cal.cellRect, (QnRect{0, 0, 100, 50}));

    // Style 0: the frame, a line under every row, columns below the header.
    EXPECT_EQ(image.pixel(350, 0), Rgb(0));
    EXPECT_EQ(image.pixel(350, 50), Rgb(0));
    EXPECT_EQ(image.pixel(350, 300), Rgb(0));
    EXPECT_EQ(image.pixel(100, 75), Rgb(0));
    EXPECT_EQ(image.pixel(100, 25), kWhite);  // no column line in the header
    EXPECT_EQ(image.pixel(699, 200), Rgb(0));

    // Sunday's name and numbers in red, the other columns in their colours.
    EXPECT_GT(CountNear(image, QRect(1, 1, 98, 48), Rgb(0xFF0000)), 20);
    EXPECT_GT(CountNear(image, QRect(101, 1, 98, 48), Rgb(0x0000FF)), 20);
    EXPECT_EQ(CountNear(image, QRect(101, 1, 98, 48), Rgb(0xFF0000)), 0);
    EXPECT_GT(CountNear(image, QRect(1, 101, 98, 48), Rgb(0xFF0000)), 20);   // the 2nd, a Sunday
    EXPECT_GT(CountNear(image, QRect(601, 51, 98, 48), Rgb(0x00A000)), 20);  // the 1st, a Saturday
    EXPECT_EQ(CountNear(image, QRect(1, 51, 598, 48), Rgb(0x00A000), 100), 0);  // the empty cells
    EXPECT_EQ(CountNear(image, QRect(1, 51, 98, 48), Rgb(0xFF0000), 100), 0);

    // A selected band is framed on any context; style 5 draws no lines.
    cal.gridStyle = 5;
    cal.headerSelected = 1;
    QImage framed = Blank(700, 350);
    DrawOn(framed, 100, true, [&](CVSketchDC& dc) { cal.Draw(&dc); });
    EXPECT_EQ(framed.pixel(350, 300), kWhite);
    EXPECT_GT(CountNear(framed, QRect(300, 0, 50, 5), Rgb(0)), 50);
    EXPECT_EQ(CountNear(framed, QRect(300, 51, 50, 5), Rgb(0)), 0);
}

TEST(SketchDraw, GridStylesDrawTheirLines)
{
    struct Case {
        int style;
        QPoint black[3];
        QPoint white[2];
    };
    // 700 by 300 in 6 rows of 50; e = 12.
    const Case cases[] = {
        {1, {{350, 0}, {350, 150}, {350, 300}}, {{100, 75}, {0, 75}}},
        {2, {{350, 0}, {50, 50}, {350, 300}}, {{5, 50}, {100, 50}}},
        {3, {{0, 75}, {699, 75}, {350, 299}}, {{350, 50}, {100, 75}}},
        {4, {{350, 0}, {50, 50}, {350, 300}}, {{50, 100}, {0, 75}}},
    };
    for (const Case& c : cases) {
        CVShape_Cal cal({0, 0}, {700, 300});
        cal.SetMonth(1, 2015);
        cal.gridStyle = c.style;
        QImage image = Blank(701, 301);
        DrawOn(image, 100, true, [&](CVSketchDC& dc) { cal.Draw(&dc); });
        for (const QPoint& p : c.black)
            EXPECT_EQ(image.pixel(p), Rgb(0)) << c.style << " at " << p.x() << "," << p.y();
        for (const QPoint& p : c.white)
            EXPECT_EQ(image.pixel(p), kWhite) << c.style << " at " << p.x() << "," << p.y();
    }
}

TEST(SketchDraw, OutlineHitTestFollowsTheWidenedPath)
{
    CVOutliner_Line outline;
    const std::vector<QnPoint> square = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};
    const QnRect r{0, 0, 100, 100};
    struct Case {
        QnPoint pt;
        int hit;
    };
    // At the test's scale of 100 percent the pen reaches 10 units each side.
    for (const Case& c : {Case{{50, 0}, 1}, Case{{50, 8}, 1}, Case{{50, 12}, 0}, Case{{50, 50}, 0},
                          Case{{100, 50}, 1}, Case{{-8, -5}, 1}, Case{{50, 115}, 0}})
        EXPECT_EQ(outline.HitTest(c.pt, r, &square), c.hit) << c.pt.x << "," << c.pt.y;
    CVOutliner none;
    EXPECT_EQ(none.HitTest({50, 0}, r, &square), 0);
}

TEST(SketchDraw, CalendarPageToPng)
{
    // One page as the calendar lays it out, kept for a look.
    const int W = 330, H = 440;
    std::vector<std::vector<uint32_t>> rows(60, std::vector<uint32_t>(80));
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x)
            rows[size_t(y)][size_t(x)] = uint32_t((x * 3) << 16 | (y * 4) << 8 | 0x80);
    const Bytes dib = MakeDib24(rows);

    CVSketch sketch;
    const int previous = CVSketch::SetCreationMode(CVSketch::kModeRect);
    sketch.AddShape({45, 59}, {285, 219})->SetBitmapFill(dib.data(), dib.size());
    CVSketch::SetCreationMode(CVSketch::kModeCalendar);
    auto* grid = static_cast<CVShape_Cal*>(sketch.AddShape({2, H / 2 + 2}, {W - 2, H - 2}));
    grid->SetDayNames({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}, 3, 1);
    grid->SetMonth(8, 2026);
    grid->SetHeaderFace("Arial");
    CVSketch::SetCreationMode(CVSketch::kModeText);
    auto* year = static_cast<CVShape_Text*>(sketch.AddShape({W - W / 4 + 2, H / 16 + 2}, {W - 2, H / 8 - 2}));
    year->SetText("2026");
    year->SetFont("Arial", 0, 0);
    auto* month = static_cast<CVShape_Text*>(sketch.AddShape({2, 2}, {W / 2 - 2, H / 8 - 2}));
    month->SetText("September");
    month->SetFont("Arial", 0, 1);
    month->color = fw::Rgb(0, 0, 160);
    CVSketch::SetCreationMode(previous);
    sketch.Select(grid);

    QImage page = Blank(W, H);
    DrawOn(page, 100, false, [&](CVSketchDC& dc) { sketch.Draw(&dc); });
    EXPECT_TRUE(page.save("/tmp/WrenkitSketch_page.png"));
    EXPECT_EQ(page.pixel(165, 139), Rgb(uint32_t((40 * 3) << 16 | (30 * 4) << 8 | 0x80)));
    EXPECT_GT(CountNear(page, QRect(2, 2, W / 2 - 4, H / 8 - 4), Rgb(0x0000A0)), 50);
}

}  // namespace
