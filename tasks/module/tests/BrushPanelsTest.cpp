// The Paint and Clone panels over the editor's own strips and strings: the
// cells they show, the menus a click opens and what a choice writes into
// the editor's brush.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <limits>

#include "editor/loadable/ToolParams.h"
#include "framework/ControlId.h"
#include "framework/MessageBox.h"
#include "framework/PopupMenu.h"
#include "framework/ResourceSearch.h"
#include "platform/ResourceTable.h"
#include "tasks/module/LdBitmapMenu.h"
#include "tasks/module/panels/LdBrushPanel.h"
#include "tasks/module/panels/LdClonePanel.h"
#include "tasks/module/panels/LdEditorResources.h"
#include "tasks/module/tests/LabelFit.h"

namespace {

class BrushPanels : public ::testing::Test {
protected:
    // The panels find the editor's resources first, as in the editor.
    static void SetUpTestSuite()
    {
        fw::ResourceSearch::Get().SetProgramResources(platform::ResourceTable::FromFile(TELVY12_PROGRAM));
    }

    void SetUp() override
    {
        brush_.shape = 2;
        brush_.smooth = 1;
        brush_.size = 20;
        brush_.mode = 3;
        parent_.resize(600, 100);
    }

    template <class Panel>
    std::unique_ptr<Panel> Open()
    {
        auto panel = std::make_unique<Panel>();
        panel->SetParams(&brush_);
        panel->Create(&parent_);
        return panel;
    }

    // The cell of the field's strip that the frame shows: the one closest
    // to the frame's inside, shrunk by 2, of all the strip's cells.
    static int ShownCell(QWidget& panel, LdBrushField field)
    {
        const LdBrushStrip strip = LdBrushStripOf(field);
        const QImage cells = LdLoadEditorBitmap(strip.bitmapId);
        const QWidget* frame = fw::FindControl(&panel, CLdBrushFramesPanel::FrameId(field));
        const QRect inside = frame->geometry().adjusted(2, 2, -2, -2);
        const QImage shown = panel.grab().toImage().copy(inside).convertToFormat(QImage::Format_RGB32);
        int best = -1;
        int64_t bestDistance = std::numeric_limits<int64_t>::max();
        for (int i = 0; i < strip.count; ++i) {
            const QImage cell =
                cells.copy(0, i * cells.width(), cells.width(), cells.width())
                    .scaled(inside.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                    .convertToFormat(QImage::Format_RGB32);
            int64_t distance = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    distance += qAbs(qGray(shown.pixel(x, y)) - qGray(cell.pixel(x, y)));
            if (distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        return best;
    }

    static std::string TypeText(QWidget& panel)
    {
        return static_cast<QLabel*>(fw::FindControl(&panel, CLdBrushPanel::IDC_TYPE_TEXT))->text().toStdString();
    }

    // A left click at a point of the panel, as the user gives it.
    static void Click(QWidget& panel, const QPoint& at)
    {
        QMouseEvent press(QEvent::MouseButtonPress, at, panel.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&panel, &press);
    }

    static QPoint CentreOf(QWidget& panel, LdBrushField field)
    {
        return fw::FindControl(&panel, CLdBrushFramesPanel::FrameId(field))->geometry().center();
    }

    CBrushParams brush_;
    QWidget parent_;
};

// Answers every menu with the item at index and keeps a look at the menu.
class MenuAnswer {
public:
    explicit MenuAnswer(int index)
    {
        previous_ = fw::SetPopupMenuHook([this, index](QMenu& menu, const QPoint& at) -> QAction* {
            auto* cells = dynamic_cast<CLdBitmapMenu*>(&menu);
            if (!cells)
                return nullptr;
            ++shown;
            shownAt = at;
            count = cells->Count();
            firstId = cells->FirstId();
            look = cells->grab().toImage();
            return menu.actions().value(index);
        });
    }
    ~MenuAnswer() { fw::SetPopupMenuHook(previous_); }

    int shown = 0;
    QPoint shownAt;
    int count = 0;
    uint32_t firstId = 0;
    QImage look;

private:
    fw::PopupMenuHook previous_;
};

const LdBrushField kPaintFields[] = {LdBrushField::Shape, LdBrushField::Size, LdBrushField::Smooth,
                                     LdBrushField::Type};

}  // namespace

TEST_F(BrushPanels, PaintPanelShowsTheCellOfEachValueAndTheTypeName)
{
    auto panel = Open<CLdBrushPanel>();
    // Shape 2, size 20 (the fourth step), smoothness 1, type 3.
    const int expected[] = {2, 3, 1, 3};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ShownCell(*panel, kPaintFields[i]), expected[i]) << i;
    EXPECT_EQ(TypeText(*panel), "Lighter");

    const uint32_t helpIds[] = {72, 73, 74, 221};
    EXPECT_EQ(fw::HelpId(panel.get()), 71u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(fw::HelpId(fw::FindControl(panel.get(), CLdBrushFramesPanel::FrameId(kPaintFields[i]))),
                  helpIds[i]);
}

TEST_F(BrushPanels, AClickOnAFrameOffersItsStripAndTheChoiceLandsInTheBrush)
{
    const struct {
        LdBrushField field;
        int choice;
        int32_t shape, smooth, size, type;
        const char* typeText;
    } cases[] = {
        {LdBrushField::Shape, 3, 3, 1, 20, 3, "Lighter"},
        {LdBrushField::Size, 0, 2, 1, 1, 3, "Lighter"},
        {LdBrushField::Smooth, 2, 2, 2, 20, 3, "Lighter"},
        {LdBrushField::Type, 4, 2, 1, 20, 4, "Darker"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.field));
        SetUp();
        auto panel = Open<CLdBrushPanel>();
        MenuAnswer answer(c.choice);
        const QPoint at = CentreOf(*panel, c.field);
        Click(*panel, at);
        ASSERT_EQ(answer.shown, 1);
        const LdBrushStrip strip = LdBrushStripOf(c.field);
        EXPECT_EQ(answer.count, strip.count);
        EXPECT_EQ(answer.firstId, CLdBrushFramesPanel::FirstChoiceId(c.field));
        // Right-aligned to the cursor: the strip is 50 wide.
        EXPECT_EQ(answer.shownAt, panel->mapToGlobal(at) - QPoint(50, 0));
        CLdBitmapMenu same;
        ASSERT_TRUE(same.Create(LdLoadEditorBitmap(strip.bitmapId), 1, strip.count));
        EXPECT_EQ(answer.look, same.grab().toImage()) << "the menu shows the field's strip";

        EXPECT_EQ(brush_.shape, c.shape);
        EXPECT_EQ(brush_.smooth, c.smooth);
        EXPECT_EQ(brush_.size, c.size);
        EXPECT_EQ(brush_.mode, c.type);
        EXPECT_EQ(TypeText(*panel), c.typeText);
        EXPECT_EQ(ShownCell(*panel, c.field), c.choice);
    }
}

TEST_F(BrushPanels, AClickBetweenFramesOrChoosingNothingChangesNothing)
{
    auto panel = Open<CLdBrushPanel>();
    const QRect shape = fw::FindControl(panel.get(), CLdBrushFramesPanel::IDC_SHAPE)->geometry();
    const QRect size = fw::FindControl(panel.get(), CLdBrushFramesPanel::IDC_SIZE)->geometry();
    {
        MenuAnswer answer(0);
        Click(*panel, QPoint((shape.right() + size.left()) / 2, shape.center().y()));
        Click(*panel, QPoint(shape.center().x(), shape.top() - 2));
        EXPECT_EQ(answer.shown, 0);
    }
    {
        MenuAnswer answer(-1);
        Click(*panel, shape.center());
        EXPECT_EQ(answer.shown, 1);
    }
    EXPECT_EQ(brush_.shape, 2);
    EXPECT_EQ(brush_.size, 20);
}

TEST_F(BrushPanels, TheClonePanelPaintsColourAndALaterPaintPanelSaysSo)
{
    {
        auto clone = Open<CLdClonePanel>();
        EXPECT_EQ(brush_.mode, 0);
        EXPECT_EQ(fw::FindControl(clone.get(), CLdBrushFramesPanel::IDC_TYPE), nullptr);
        EXPECT_EQ(fw::HelpId(clone.get()), 205u);
        const int expected[] = {2, 3, 1};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(ShownCell(*clone, kPaintFields[i]), expected[i]) << i;
    }
    auto paint = Open<CLdBrushPanel>();
    EXPECT_EQ(TypeText(*paint), "Color brush");
    EXPECT_EQ(ShownCell(*paint, LdBrushField::Type), 0);
}

// The longest of the editor's type names, "Color brush", beside the four
// frames of the Paint panel, and the captions of both panels.
TEST_F(BrushPanels, EveryNameAndCaptionShowsWhole)
{
    for (int32_t type = 0; type < LdBrushStripOf(LdBrushField::Type).count; ++type) {
        brush_.mode = type;
        auto panel = Open<CLdBrushPanel>();
        SCOPED_TRACE(TypeText(*panel));
        ASSERT_FALSE(TypeText(*panel).empty());
        EXPECT_EQ(ClippedLabels(*panel), std::vector<std::string>{});
    }
    auto clone = Open<CLdClonePanel>();
    EXPECT_EQ(ClippedLabels(*clone), std::vector<std::string>{});
}

TEST_F(BrushPanels, ATypeBeyondTheFiveHasNoName)
{
    for (int32_t type : {-1, 5, 9}) {
        brush_.mode = type;
        auto panel = Open<CLdBrushPanel>();
        EXPECT_EQ(TypeText(*panel), "") << type;
    }
}

TEST_F(BrushPanels, EnterAndEscapeLeaveThePanelOpen)
{
    auto panel = Open<CLdBrushPanel>();
    for (uint32_t id : {uint32_t(fw::IDOK), uint32_t(fw::IDCANCEL)}) {
        panel->OnCommand(id);
        EXPECT_TRUE(panel->IsOpen());
        EXPECT_TRUE(panel->isVisible());
    }
}
