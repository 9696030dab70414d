// The art dialogs' custom controls apart from a display: the needle, the
// strokes, the turned brush picture, the brush display's frame and its
// report to the dialog, and the preview drag.
#include "filters/art/frame/AngleNeedle.h"
#include "filters/art/frame/ArtAngleDisplay.h"
#include "filters/art/frame/DibControl.h"
#include "filters/art/frame/PreviewDragModel.h"
#include "filters/art/frame/RotatedDibView.h"
#include "filters/art/frame/StrokePattern.h"
#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "platform/Dib.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

namespace {

TEST(AngleNeedle, PointsRedAlongTheAngleAndBlueAway)
{
    // Side 100: r = 50; at 0 degrees the red tip is at the right edge.
    const AngleNeedle zero = AngleNeedle::Of(100, 0);
    EXPECT_DOUBLE_EQ(zero.red[2].x, 100);
    EXPECT_DOUBLE_EQ(zero.red[2].y, 50);
    EXPECT_DOUBLE_EQ(zero.blue[2].x, 0);
    EXPECT_DOUBLE_EQ(zero.red[0].y, 40); // the base, a fifth of r across
    EXPECT_DOUBLE_EQ(zero.red[1].y, 60);
    // At 90 degrees it points down the screen; pi is taken as 3.14159.
    const AngleNeedle down = AngleNeedle::Of(101, 90);
    const double a = 90 * 0.01745327777777778;
    EXPECT_DOUBLE_EQ(down.red[2].x, 50 + 50 * std::cos(a));
    EXPECT_NEAR(down.red[2].y, 100, 1e-9);
    EXPECT_NEAR(down.blue[2].y, 0, 1e-9);
    EXPECT_EQ(down.red[0].x, down.blue[0].x);
}

TEST(StrokePattern, FiftyStrokesOfOneDirectionFromTwoDrawsEach)
{
    platform::WinRand rand;
    const std::vector<StrokeLine> lines = StrokePattern(90, 60, 0, rand);
    ASSERT_EQ(lines.size(), 50u);
    platform::WinRand again;
    for (const StrokeLine& l : lines) {
        const int32_t x = again.Next() * 90 / 32767;
        const int32_t y = again.Next() * 60 / 32767;
        EXPECT_EQ(l.x1, x);
        EXPECT_EQ(l.y1, y);
        EXPECT_EQ(l.x2 - l.x1, 30); // a third of the width
        EXPECT_EQ(l.y2, l.y1);
    }
    const StrokeLine steep = StrokePattern(90, 60, 90, rand).front();
    EXPECT_EQ(steep.x2 - steep.x1, 0);
    EXPECT_EQ(steep.y2 - steep.y1, 29); // 30 x sin of a shade under 90 degrees, truncated
}

// An 8-bit grey DIB of w x h whose pixel at stored row y, column x is
// value(x, y).
std::vector<uint8_t> GreyDib(int32_t w, int32_t h, const std::function<uint8_t(int32_t, int32_t)>& value)
{
    std::vector<platform::RGBQUAD> grey(256);
    for (int i = 0; i < 256; ++i)
        grey[size_t(i)] = platform::RGBQUAD{uint8_t(i), uint8_t(i), uint8_t(i), 0};
    std::vector<uint8_t> dib = platform::MakeDibHeader(w, h, 8, grey, 0, 0);
    const size_t rowBytes = size_t(platform::DibRowBytes(uint64_t(w), 8));
    const size_t start = dib.size();
    dib.resize(start + rowBytes * size_t(h), 0);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            dib[start + size_t(y) * rowBytes + size_t(x)] = value(x, y);
    return dib;
}

uint8_t ViewAt(const std::vector<uint8_t>& view, int32_t side, int32_t x, int32_t y)
{
    std::string error;
    const auto layout = platform::ReadDibLayout(view, &error);
    return view[layout->bitsOffset + size_t(y) * size_t(platform::DibRowBytes(uint64_t(side), 8)) + size_t(x)];
}

TEST(RotatedDibView, TurnsTheBrushIntoASquareOfTheControl)
{
    const auto dib = GreyDib(8, 8, [](int32_t x, int32_t y) { return uint8_t(x * 16 + y); });
    // At 0 degrees the source row is mirrored, the column kept: the
    // brush's stored rows run bottom-up.
    const std::vector<uint8_t> flat = RotatedDibView(dib, 8, 0);
    ASSERT_FALSE(flat.empty());
    std::string error;
    const auto layout = platform::ReadDibLayout(flat, &error);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->header.biWidth, 8);
    EXPECT_EQ(layout->header.biBitCount, 8);
    EXPECT_EQ(layout->palette.size(), 256u);
    for (int32_t i = 0; i < 8; ++i)
        for (int32_t j = 0; j < 8; ++j) {
            const int32_t y = 8 - i; // ((-(i - 4) * 4096) >> 12) + 4
            const uint8_t want = y < 8 ? uint8_t(j * 16 + y) : 255;
            EXPECT_EQ(ViewAt(flat, 8, j, i), want) << j << "," << i;
        }
    // Doubled in size at 90 degrees: rows and columns trade places.
    const std::vector<uint8_t> turned = RotatedDibView(dib, 16, 90);
    const int64_t S = int64_t(std::sin(90 * 0.01745327777777778) * 4096);
    const int64_t C = int64_t(std::cos(90 * 0.01745327777777778) * 4096);
    for (int32_t i = 0; i < 16; ++i)
        for (int32_t j = 0; j < 16; ++j) {
            const int64_t u = j - 8, v = i - 8;
            const int64_t x = 8 * (8 + ((v * S + u * C) >> 12)) / 16;
            const int64_t y = 8 * (((u * S - v * C) >> 12) + 8) / 16;
            const uint8_t want = x >= 0 && x < 8 && y >= 0 && y < 8 ? uint8_t(x * 16 + y) : 255;
            EXPECT_EQ(ViewAt(turned, 16, j, i), want) << j << "," << i;
        }
    // What it cannot show it refuses.
    EXPECT_TRUE(RotatedDibView(std::vector<uint8_t>(dib.begin(), dib.begin() + 60), 8, 0).empty());
    EXPECT_TRUE(RotatedDibView(dib, 0, 0).empty());
    EXPECT_TRUE(RotatedDibView(std::vector<uint8_t>(dib.begin(), dib.end() - 1), 8, 0).empty());
}

TEST(PreviewDragModel, TheCropMovesAgainstTheHand)
{
    PreviewDragModel drag;
    EXPECT_FALSE(drag.Press(10, 10, false));
    EXPECT_FALSE(drag.Move(20, 20));
    EXPECT_TRUE(drag.Press(10, 10, true));
    EXPECT_FALSE(drag.Move(10, 10)); // unchanged point
    const auto step = drag.Move(14, 7);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->dx, -4);
    EXPECT_EQ(step->dy, 3);
    EXPECT_EQ(drag.Move(20, 7)->dx, -6);
    EXPECT_TRUE(drag.Release());
    EXPECT_FALSE(drag.Release());
    EXPECT_FALSE(drag.Move(0, 0));
}

class CommandRecorder : public fw::Dialog {
public:
    void OnCommand(uint32_t id) override { commands.push_back(id); }
    std::vector<uint32_t> commands;
};

TEST(DibControl, FramesByFocusAndReportsClicksAndKeysToItsDialog)
{
    EXPECT_EQ(DibControl::FrameOf(true).topLeft, qRgb(255, 255, 255));
    EXPECT_EQ(DibControl::FrameOf(true).bottomRight, qRgb(128, 128, 128));
    EXPECT_EQ(DibControl::FrameOf(false).topLeft, qRgb(128, 128, 128));
    EXPECT_EQ(DibControl::FrameOf(false).bottomRight, qRgb(255, 255, 255));

    CommandRecorder dialog;
    auto* control = new DibControl(&dialog);
    fw::SetControlId(control, 1007);
    control->resize(34, 34);
    control->SetAngle(45);
    control->SetDib(GreyDib(32, 32, [](int32_t x, int32_t) { return uint8_t(x * 8); }));
    EXPECT_FALSE(control->grab().isNull());

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(control, &press);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QCoreApplication::sendEvent(control, &space);
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(control, &letter);
    // Posted, not called: the dialog sees them once events run.
    EXPECT_TRUE(dialog.commands.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.commands, (std::vector<uint32_t>{1007, 1007}));
}

TEST(ArtAngleDisplay, ShowsTheAngleItIsGivenAndTakesNoInput)
{
    ArtAngleDisplay display;
    display.resize(48, 48);
    display.SetAngle(135);
    EXPECT_EQ(display.Angle(), 135);
    EXPECT_TRUE(display.testAttribute(Qt::WA_TransparentForMouseEvents));
    const QImage image = display.grab().toImage();
    // The red tip lies down and to the left of the centre at 135 degrees.
    const double a = 135 * 0.01745327777777778;
    const QColor tip = image.pixelColor(int(24 + 10 * std::cos(a)), int(24 + 10 * std::sin(a)));
    EXPECT_GT(tip.red(), 200);
    EXPECT_LT(tip.blue(), 60);
}

} // namespace
