// The Paint and Clone tools as the editor sees them: filed by short name
// from the real module, and their panels made through the task bar's own
// path, bound to the editor's brush.
#include "tasks/module/tests/ModuleBarFixture.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>

#include "framework/ControlId.h"
#include "framework/PopupMenu.h"
#include "tasks/module/panels/LdBrushPanel.h"
#include "tasks/module/panels/LdClonePanel.h"

using WrenkitBrushTools = RegistryFixture;
using BrushToolsOnTheBar = ModuleBarFixture;

TEST_F(WrenkitBrushTools, FiledByShortNameWithTheirIdsAndAnswers)
{
    CLdRegistry& registry = Load(kWrenkitTools);
    const struct {
        const char* name;
        const char* className;
        int32_t titleId, tipId, commentId, bitmapId;
        int helpId;
    } cases[] = {
        {"Paint", "CTool_Paint", 59, 60, 61, 152, 21},
        {"Clone", "CTool_Clone", 258, 259, 260, 198, 204},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CLoadableRTI* filed = registry.Find(c.name);
        ASSERT_NE(filed, nullptr);
        EXPECT_STREQ(filed->classRecord.className, c.className);
        EXPECT_TRUE(registry.IsToolName(c.name));
        std::unique_ptr<CLdLoadable> tool = registry.CreateLoadable(c.name);
        auto* asTool = dynamic_cast<CLdTool*>(tool.get());
        ASSERT_NE(asTool, nullptr);
        EXPECT_EQ(tool->GetTitleId(), c.titleId);
        EXPECT_EQ(tool->GetToolTipId(), c.tipId);
        EXPECT_EQ(tool->GetCommentId(), c.commentId);
        EXPECT_EQ(tool->GetBitmapId(), c.bitmapId);
        EXPECT_EQ(tool->GetHelpId(), c.helpId);
        // It becomes the bar's current tool, enabled for truecolour and grey
        // pictures while a picture window is open.
        EXPECT_EQ(tool->Execute(), 1);
        EXPECT_EQ(tool->IsGuided(), 0);
        EXPECT_EQ(tool->AcceptsAnyPicture(), 0);
        EXPECT_EQ(tool->WantsPicture(), 0);
        EXPECT_EQ(tool->NeedsDocument(), 1);
        // Without the editor's brush (or with another parameter object)
        // there is nothing for a panel to show.
        QWidget parent;
        QPoint at(10, 5);
        EXPECT_EQ(asTool->CreateOptionsPanel(&parent, &at, 0, 0), nullptr);
        CFillParams notABrush;
        tool->SetParams(&notABrush);
        EXPECT_EQ(asTool->CreateOptionsPanel(&parent, &at, 0, 0), nullptr);
    }
}

TEST_F(BrushToolsOnTheBar, PanelsAreChildrenOfTheBarAtItsPlaceBoundToTheEditorsBrush)
{
    host_->brushParams.mode = 2;
    bar_->Logic().ShowTool("Paint", 0);
    auto* paint = dynamic_cast<CLdBrushPanel*>(bar_->OptionsPanel());
    ASSERT_NE(paint, nullptr);
    EXPECT_EQ(paint->parentWidget(), bar_.get());
    EXPECT_FALSE(paint->isWindow());  // inside the bar, not over the frame
    EXPECT_EQ(paint->pos(), PanelPlace());
    EXPECT_TRUE(paint->isVisible());
    EXPECT_EQ(paint->GetParams(), &host_->brushParams);
    EXPECT_EQ(host_->brushParams.mode, 2);

    // The smallest size chosen in the panel is the editor's.
    const fw::PopupMenuHook previous =
        fw::SetPopupMenuHook([](QMenu& menu, const QPoint&) { return menu.actions().value(0); });
    const QPoint at = fw::FindControl(paint, CLdBrushFramesPanel::IDC_SIZE)->geometry().center();
    QMouseEvent press(QEvent::MouseButtonPress, at, paint->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(paint, &press);
    fw::SetPopupMenuHook(previous);
    EXPECT_EQ(host_->brushParams.size, 1);

    // Clone takes the bar: its panel replaces Paint's and the brush paints
    // plain colour again.
    bar_->Logic().ShowTool("Clone", 0);
    auto* clone = dynamic_cast<CLdClonePanel*>(bar_->OptionsPanel());
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->parentWidget(), bar_.get());
    EXPECT_EQ(clone->pos(), PanelPlace());
    EXPECT_EQ(host_->brushParams.mode, 0);
    EXPECT_EQ(host_->brushParams.size, 1);
}
