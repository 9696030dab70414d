// The angle control: the reported angle of internal angles, drags that
// turn the needle by the mouse's turn wherever the dial was grabbed, the
// scroll reports of mouse and keys, and the needle's outline.
#include "filters/frame/AngleControlModel.h"
#include "filters/frame/ZvSfAngleClass.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>
#include <vector>

namespace {

TEST(AngleControl, ReportsTheInternalAngleTurnedAQuarterWithinOneTurn)
{
    const std::pair<int32_t, int32_t> cases[] = {
        {-90, 0}, {270, 0}, {0, 90}, {90, 180}, {-180, 270}, {269, 359}, {-540, 270}, {1000, 10},
    };
    for (const auto& [internal, reported] : cases)
        EXPECT_EQ(AngleControlModel::Reported(internal), reported) << internal;
}

struct DragCase {
    const char* name;
    int32_t start;            // internal angle before the drag
    int32_t pressX, pressY;   // relative to the centre
    int32_t moveX, moveY;
    int32_t internal;         // after the move
};

TEST(AngleControl, DragsTurnTheNeedleByTheMousesTurn)
{
    const DragCase cases[] = {
        // A quarter turn clockwise from the right, needle at 0.
        {"RightToDown", 0, 40, 0, 0, 40, 90},
        // The same quarter grabbed elsewhere on the dial.
        {"UpToRight", 0, 0, -40, 40, 0, 90},
        // 30 degrees from wherever: the needle keeps its offset.
        {"ThirtyFromAnywhere", 40, 40, 0, 35, 20, 40 + 29},
        // Across the left, where atan2 jumps from 180 to -180.
        {"AcrossTheLeft", 10, -40, 1, -40, -1, 10 + (-178 - 178)},
        // A press at the centre holds no offset: the needle goes to the mouse.
        {"FromTheCentre", 75, 0, 0, 0, 50, 90},
    };
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.name);
        AngleControlModel m;
        m.SetAngle(c.start);
        m.Press(c.pressX, c.pressY);
        EXPECT_TRUE(m.Move(c.moveX, c.moveY));
        EXPECT_EQ(m.Angle(), c.internal);
        EXPECT_TRUE(m.Release());
        EXPECT_FALSE(m.Release());
    }
}

TEST(AngleControl, MovesAtTheCentreOrWithoutADragChangeNothing)
{
    AngleControlModel m;
    m.SetAngle(33);
    EXPECT_FALSE(m.Move(10, 10)); // no drag
    m.Press(20, 0);
    EXPECT_FALSE(m.Move(0, 0));
    EXPECT_FALSE(m.Move(40, 0)); // the grabbed direction again
    EXPECT_EQ(m.Angle(), 33);
    // The mouse in the needle's own direction still turns it by the offset.
    m.Release();
    m.SetAngle(10);
    m.Press(0, 30); // 90 degrees: offset 80
    EXPECT_TRUE(m.Move(50, 9)); // 10 degrees
    EXPECT_EQ(m.Angle(), 10 - 80);
}

TEST(AngleControl, TheRedHalfOfTheNeedlePointsAlongTheAngle)
{
    const auto n = AngleControlModel::NeedleOf(41, 0); // r = 20
    EXPECT_DOUBLE_EQ(n.red[2].x, 40);
    EXPECT_DOUBLE_EQ(n.red[2].y, 20);
    EXPECT_DOUBLE_EQ(n.blue[2].x, 0);
    EXPECT_DOUBLE_EQ(n.red[0].y, 16);
    EXPECT_DOUBLE_EQ(n.red[1].y, 24);
    const auto down = AngleControlModel::NeedleOf(40, 90);
    EXPECT_NEAR(down.red[2].x, 20, 1e-3);
    EXPECT_NEAR(down.red[2].y, 40, 1e-3);
}

class AngleWidget : public ::testing::Test {
protected:
    AngleWidget()
    {
        dial.resize(61, 61); // centre (30, 30)
        dial.SetScrollHandler([this](uint32_t code, int32_t angle, ZvSfAngleClass* control) {
            EXPECT_EQ(control, &dial);
            reports.emplace_back(code, angle);
        });
    }
    void Mouse(QEvent::Type type, int x, int y)
    {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, QPointF(x, y), dial.mapToGlobal(QPointF(x, y)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(&dial, &e);
    }
    void Key(int key)
    {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&dial, &e);
    }

    ZvSfAngleClass dial;
    std::vector<std::pair<uint32_t, int32_t>> reports;
};

TEST_F(AngleWidget, ReportsTrackWhileDraggingAndPositionAtTheRelease)
{
    dial.SetAngle(-90); // up: reported 0
    EXPECT_EQ(dial.Reported(), 0);
    Mouse(QEvent::MouseButtonPress, 30, 0);  // grabbed at the top (-90)
    Mouse(QEvent::MouseMove, 60, 30);        // to the right (0)
    Mouse(QEvent::MouseMove, 60, 30);        // no turn, no report
    Mouse(QEvent::MouseMove, 30, 60);        // down (90)
    Mouse(QEvent::MouseButtonRelease, 30, 60);
    using M = AngleControlModel;
    EXPECT_EQ(reports, (std::vector<std::pair<uint32_t, int32_t>>{
                           {M::kThumbTrack, 90}, {M::kThumbTrack, 180}, {M::kThumbPosition, 180}}));
    EXPECT_EQ(dial.Model().Angle(), 90);
    // The dial draws without a display; grab it once to look at.
    EXPECT_FALSE(dial.grab().isNull());
}

TEST_F(AngleWidget, ArrowKeysTurnByADegreeAndPageKeysByFifteen)
{
    dial.SetAngle(-90);
    Key(Qt::Key_Right);
    Key(Qt::Key_Up);
    Key(Qt::Key_Left);
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageUp);
    Key(Qt::Key_Down);
    Key(Qt::Key_A); // not the dial's
    using M = AngleControlModel;
    EXPECT_EQ(reports, (std::vector<std::pair<uint32_t, int32_t>>{{M::kThumbPosition, 1},
                                                                   {M::kThumbPosition, 2},
                                                                   {M::kThumbPosition, 1},
                                                                   {M::kThumbPosition, 346},
                                                                   {M::kThumbPosition, 1},
                                                                   {M::kThumbPosition, 0}}));
}

} // namespace
