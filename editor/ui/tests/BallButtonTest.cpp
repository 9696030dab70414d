// The ball button: directions and distances from mouse points, where the
// ball is drawn, the steps' setters, and the control keeping itself square.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "editor/ui/BallButton.h"

namespace {

struct PointCase {
    int32_t w, steps, maxDistance;
    QnPoint p;
    int32_t direction, distance;
};

}  // namespace

TEST(BallGeometry, DirectionAndDistanceFromMousePoints)
{
    // Directions are measured with a circle of 6.283, a little short of 2pi:
    // straight down already counts as direction 1, straight up as 2.
    const PointCase cases[] = {
        {100, 4, 1, {70, 70}, 0, 1},   // lower right, far out
        {100, 4, 1, {55, 50}, 0, 0},   // near the centre
        {100, 4, 1, {50, 50}, 0, 0},   // the centre itself
        {100, 4, 1, {67, 50}, 0, 0},   // 17 pixels: (17 + 17) / 35 < 1
        {100, 4, 1, {68, 50}, 0, 1},   // 18 pixels: half the usable radius
        {100, 4, 1, {50, 90}, 1, 1},   // straight down
        {100, 4, 1, {30, 50}, 2, 1},   // left
        {100, 4, 1, {50, 10}, 2, 1},   // straight up
        {100, 4, 1, {60, 40}, 3, 0},   // upper right, near
        {100, 8, 2, {90, 50}, 0, 2},   // beyond the largest distance: held at it
        {100, 8, 2, {70, 50}, 0, 1},
        {100, 8, 2, {50, 99}, 2, 2},
        {60, 4, 1, {45, 20}, 3, 1},
        {100, 4, 0, {90, 90}, 0, 0},   // no distance steps
    };
    for (const PointCase& c : cases) {
        CBallGeometry ball;
        ball.SetDirectionSteps(c.steps);
        ball.SetMaxDistance(c.maxDistance);
        EXPECT_EQ(ball.DirectionFromPoint(c.p, c.w), c.direction) << c.p.x << "," << c.p.y;
        EXPECT_EQ(ball.DistanceFromPoint(c.p, c.w), c.distance) << c.p.x << "," << c.p.y;
    }
}

TEST(BallGeometry, BallSitsInTheMiddleOfItsQuarter)
{
    CBallGeometry ball;
    EXPECT_EQ(ball.BallCentre(100), (QnPoint{50, 50}));  // distance 0
    ball.SetDistance(1);
    const QnPoint quarters[] = {{74, 74}, {25, 74}, {25, 25}, {74, 25}};
    for (int k = 0; k < 4; ++k) {
        ball.SetDirection(k);
        EXPECT_EQ(ball.BallCentre(100), quarters[k]) << k;
    }
    // Without distance steps the ball stays in the centre instead of
    // dividing by zero.
    ball.SetMaxDistance(0);
    EXPECT_EQ(ball.distance, 0);
    EXPECT_EQ(ball.BallCentre(100), (QnPoint{50, 50}));
    ball.SetDirectionSteps(0);
    EXPECT_EQ(ball.BallCentre(100), (QnPoint{50, 50}));
}

TEST(BallGeometry, SettersReportChangesAndPullBackOutOfRangeSteps)
{
    CBallGeometry ball;
    EXPECT_FALSE(ball.SetDistance(0));
    EXPECT_TRUE(ball.SetDistance(1));
    EXPECT_TRUE(ball.SetDirection(3));
    EXPECT_FALSE(ball.SetDirection(3));

    ball.SetMaxDistance(0);
    EXPECT_EQ(ball.distance, 0);
    ball.SetMaxDistance(3);
    EXPECT_EQ(ball.distance, 0);  // never pushed out again

    ball.SetDirectionSteps(2);
    EXPECT_EQ(ball.direction, 1);  // the last of two directions
    ball.SetDirectionSteps(8);
    EXPECT_EQ(ball.direction, 1);
}

TEST(BallGeometry, SphereShading)
{
    const int w = 64;  // sphere radius 30, ball radius 7
    const QnPoint centre = CBallGeometry::Centre(w);
    // Outside the sphere: the background grey.
    EXPECT_EQ(CBallGeometry::SphereGrey(0, 0, w, centre), 128);
    // Under the ball in the centre: full light, (1 * 1 + 1) * 127.
    EXPECT_EQ(CBallGeometry::SphereGrey(32, 32, w, centre), 254);
    // On the rim (d^2 = 900 > 900 - 30): k1 = 1/2, k2 = 0, k3 = 1/2 -> 63,
    // blended half with the background.
    EXPECT_EQ(CBallGeometry::SphereGrey(62, 32, w, centre), (63 + 128) / 2);
    // A tiny control whose ball has radius 0 draws without failing.
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            (void)CBallGeometry::SphereGrey(x, y, 5, CBallGeometry::Centre(5));
}

TEST(BallButton, KeepsItselfSquareAndPlacesTheBallWithTheMouse)
{
    CBallButton button;
    button.resize(80, 50);
    button.show();  // the first size it is told of
    EXPECT_EQ(button.size(), QSize(80, 80));
    EXPECT_EQ(button.BallRadius(), 8);
    button.resize(100, 60);
    EXPECT_EQ(button.size(), QSize(100, 100));
    button.resize(80, 80);

    int clicks = 0;
    QObject::connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
    // Lower left, far out: direction 1, distance 1.
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(15, 70));
    EXPECT_EQ(button.Direction(), 1);
    EXPECT_EQ(button.Distance(), 1);
    EXPECT_EQ(clicks, 1);

    // Dragging moves the ball without the ordinary button handling.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(70, 70));
    QMouseEvent drag(QEvent::MouseMove, QPointF(70, 15), QPointF(70, 15), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&button, &drag);
    EXPECT_EQ(button.Direction(), 3);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(42, 40));
    EXPECT_EQ(button.Distance(), 0);

    // Drawn: the ball lit where the geometry puts it.
    const QImage image = button.grab().toImage();
    const QnPoint b = button.Geometry().BallCentre(80);
    EXPECT_EQ(image.pixel(b.x, b.y), button.Render(80).pixel(b.x, b.y));
    EXPECT_EQ(qGray(image.pixel(b.x, b.y)), 254);
}
