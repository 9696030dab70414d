// The dialog bars' logic over the test module: what each bar shows, what a
// click does, when an entry is enabled, sequences, tools with their panels
// and the state they put back.
#include "BarFixture.h"

#include "editor/ui/LdBarGeometry.h"
#include "editor/ui/LdBarSlide.h"
#include "platform/TickClock.h"

namespace {

std::vector<std::string> Names(const CLdBarLogic& bar)
{
    std::vector<std::string> names;
    for (const auto& entry : bar.Loadables())
        names.push_back(entry->GetName());
    return names;
}

using Strings = std::vector<std::string>;

}  // namespace

TEST_F(BarFixture, StartFillsTheTaskBarWithTheStagesAndTheToolBarWithStart)
{
    EXPECT_EQ(Names(*taskBar_), (Strings{"Start", "Easy", "Guided"}));
    EXPECT_EQ(taskView_->Titles(), (Strings{"Start", "Easy", "Guided"}));
    EXPECT_EQ(taskView_->buttons.begin()->first, IDC_BAR_TASK_FIRST);
    // The stage list has the rows of buttons, no OK or Cancel.
    for (uint32_t id : {IDC_BAR_UNDO, IDC_BAR_REDO, IDC_BAR_FOREGROUND, IDC_BAR_BACKGROUND, IDC_BAR_HELP})
        EXPECT_TRUE(taskView_->IsControlShown(id)) << id;
    EXPECT_FALSE(taskView_->IsControlShown(IDC_BAR_OK));
    EXPECT_FALSE(taskView_->IsControlShown(IDC_BAR_CANCEL));
    EXPECT_EQ(taskBar_->SelectedIndex(), 0);

    EXPECT_EQ(Names(*toolBar_), (Strings{"Send", "Wallpaper", "Copier"}));
    EXPECT_EQ(toolBar_->NameStack(), (Strings{"Start"}));
    EXPECT_FALSE(toolView_->IsControlShown(IDC_BAR_UNDO));
    EXPECT_EQ(toolView_->comment, "Open, scan or send a picture");
}

TEST_F(BarFixture, ChoosingAStageRefillsTheToolBar)
{
    struct Case {
        std::string stage;
        Strings tools;
        int32_t selected;
    };
    const Case cases[] = {
        {"Easy", {"Text", "Select", "Paint"}, 1},
        {"Start", {"Send", "Wallpaper", "Copier"}, 0},
        {"Easy", {"Text", "Select", "Paint"}, 1},
    };
    for (const Case& c : cases) {
        Click(*taskBar_, *taskView_, c.stage);
        EXPECT_EQ(Names(*toolBar_), c.tools) << c.stage;
        EXPECT_EQ(toolView_->buttons.size(), c.tools.size()) << c.stage;
        EXPECT_EQ(taskBar_->SelectedIndex(), c.selected) << c.stage;
        EXPECT_EQ(toolBar_->Current()->GetName(), c.stage);
    }
    // The stage list stays as it was.
    EXPECT_EQ(Names(*taskBar_), (Strings{"Start", "Easy", "Guided"}));
    // Choosing the current stage again does nothing.
    const size_t switches = manager_->switches.size();
    Click(*taskBar_, *taskView_, "Easy");
    EXPECT_EQ(manager_->switches.size(), switches);
}

TEST_F(BarFixture, EnablingFollowsTheDocumentAndTheEntrysAnswers)
{
    FakeDocument document;
    Click(*taskBar_, *taskView_, "Easy");  // Text, Select, Paint: need a document
    struct Case {
        const char* what;
        FakeDocument* document;
        int32_t pictureType;
        Strings enabled;
    };
    const Case cases[] = {
        {"no document", nullptr, 0, {}},
        {"truecolour", &document, CLdBarDocument::kTrueColour, {"Text", "Select", "Paint"}},
        {"grey", &document, CLdBarDocument::kGrey, {"Text", "Select", "Paint"}},
        {"4-bit", &document, 4, {}},
    };
    for (const Case& c : cases) {
        host_->document = c.document;
        document.pictureType = c.pictureType;
        Strings enabled;
        for (const auto& [id, button] : toolView_->buttons)
            if (toolBar_->OnUpdateTaskButton(id).value())
                enabled.push_back(button.title);
        EXPECT_EQ(enabled, c.enabled) << c.what;
    }

    // Stage entries: Send serves any picture; the wizard always; the copier
    // as long as the scanner can acquire.
    host_->document = nullptr;
    Click(*taskBar_, *taskView_, "Start");
    auto enabledOf = [&](uint32_t id) { return toolBar_->OnUpdateTaskButton(id).value(); };
    EXPECT_FALSE(enabledOf(IDC_BAR_TASK_FIRST));     // Send needs a document
    EXPECT_TRUE(enabledOf(IDC_BAR_TASK_FIRST + 1));  // Wallpaper
    EXPECT_TRUE(enabledOf(IDC_BAR_TASK_FIRST + 2));  // Copier
    host_->scanner = false;
    EXPECT_FALSE(enabledOf(IDC_BAR_TASK_FIRST + 2));
    host_->document = &document;
    document.pictureType = 1;
    EXPECT_TRUE(enabledOf(IDC_BAR_TASK_FIRST));
    EXPECT_TRUE(enabledOf(IDC_BAR_TASK_FIRST + 1));

    // Undo and Redo follow the document's lists.
    document.undoEmpty = false;
    EXPECT_TRUE(toolBar_->UndoEnabled());
    EXPECT_FALSE(toolBar_->RedoEnabled());
    host_->document = nullptr;
    EXPECT_FALSE(toolBar_->UndoEnabled());
}

TEST_F(BarFixture, AToolThatAnswersZeroRunsAndTheBarStays)
{
    FakeDocument document;
    host_->document = &document;
    Click(*toolBar_, *toolView_, "Send");
    EXPECT_EQ(messages_, (Strings{"Sent"}));
    EXPECT_EQ(Names(*toolBar_), (Strings{"Send", "Wallpaper", "Copier"}));
    EXPECT_EQ(toolBar_->NameStack(), (Strings{"Start"}));
    EXPECT_FALSE(toolBar_->HasOptionsPanel());
}

TEST_F(BarFixture, AToolThatAnswersOneOpensWithItsPanelOkAndCancel)
{
    FakeDocument document;
    host_->document = &document;
    host_->foreground = 0x123456;
    Click(*taskBar_, *taskView_, "Easy");
    Click(*toolBar_, *toolView_, "Text");

    EXPECT_EQ(toolBar_->NameStack(), (Strings{"Start", "Easy", "Text"}));
    EXPECT_TRUE(toolView_->buttons.empty());
    EXPECT_EQ(toolBar_->Current()->GetName(), "Text");
    EXPECT_EQ(host_->mode, LD_MODE_TEXT);
    EXPECT_EQ(host_->textColour, 0x123456u);
    ASSERT_TRUE(toolView_->panel);
    EXPECT_EQ(toolView_->panel->objectName(), "CTextParams");
    // The panel sits right of the stage box; OK and Cancel right of it.
    const QRect stage = CLdBarGeometry::StageBox(QSize(640, 80));
    EXPECT_EQ(toolView_->panel->pos(), QPoint(stage.right() + 1, 0));
    const int32_t panelRight = toolView_->panel->x() + toolView_->panel->width();
    EXPECT_EQ(toolView_->ControlRect(IDC_BAR_OK).left(), panelRight);
    EXPECT_EQ(toolView_->ControlRect(IDC_BAR_CANCEL).left(), panelRight);
    EXPECT_TRUE(toolView_->IsControlShown(IDC_BAR_OK));
    EXPECT_TRUE(toolView_->IsControlShown(IDC_BAR_CANCEL));
    EXPECT_EQ(toolView_->comment, "Type and place text");

    // OK commits the text and goes back to the stage.
    toolBar_->OnOk();
    EXPECT_EQ(host_->textCommits, 1);
    EXPECT_EQ(host_->mode, LD_MODE_NONE);
    EXPECT_FALSE(toolView_->panel);
    EXPECT_EQ(toolBar_->NameStack(), (Strings{"Start", "Easy"}));
    EXPECT_EQ(Names(*toolBar_), (Strings{"Text", "Select", "Paint"}));
}

TEST_F(BarFixture, PaintHasNoCancelAndTakesTheBrush)
{
    FakeDocument document;
    host_->document = &document;
    host_->foreground = 0xABCDEF;
    Click(*taskBar_, *taskView_, "Easy");
    Click(*toolBar_, *toolView_, "Paint");
    EXPECT_EQ(host_->mode, LD_MODE_PAINT);
    EXPECT_EQ(host_->brushColour, 0xABCDEFu);
    EXPECT_FALSE(toolView_->IsControlShown(IDC_BAR_CANCEL));
    EXPECT_TRUE(toolView_->IsControlShown(IDC_BAR_OK));
    EXPECT_FALSE(toolBar_->HasOptionsPanel());
}

TEST_F(BarFixture, CancelOnSelectPutsTheSelectionBackAndOkKeepsTheSelectors)
{
    FakeDocument document;
    host_->document = &document;
    const QnRgn before(QnRect{0, 0, 10, 10});
    const QnRgn drawn(QnRect{5, 5, 40, 30});
    Click(*taskBar_, *taskView_, "Easy");

    for (bool ok : {false, true}) {
        document.selection = before;
        host_->selectParams.mode = 1;
        Click(*toolBar_, *toolView_, "Select");
        EXPECT_EQ(host_->mode, LD_MODE_SELECT);
        // The selector edits the selection; the document keeps none meanwhile.
        EXPECT_TRUE(host_->selector == before);
        EXPECT_FALSE(document.selection);
        EXPECT_EQ(toolView_->panel->objectName(), "CSelectParams");
        host_->selector = drawn;
        host_->selectParams.mode = 3;
        if (ok)
            toolBar_->OnOk();
        else
            toolBar_->OnCancel();
        EXPECT_TRUE(document.selection == (ok ? drawn : before)) << ok;
        EXPECT_EQ(host_->selectParams.mode, ok ? 3 : 1) << ok;
        EXPECT_EQ(toolBar_->NameStack(), (Strings{"Start", "Easy"}));
    }
    EXPECT_TRUE(host_->selector == drawn);
    EXPECT_EQ(document.viewUpdates, 1);
}

TEST_F(BarFixture, ASequenceOffersItsStepsOneAfterAnother)
{
    FakeDocument document;
    host_->document = &document;
    Click(*taskBar_, *taskView_, "Guided");
    // The first step opens at once.
    EXPECT_EQ(toolBar_->NameStack(), (Strings{"Start", "Guided", "Text"}));
    EXPECT_EQ(toolBar_->StepStack(), (std::vector<int32_t>{0, 1, 0}));
    EXPECT_EQ(toolBar_->Current()->GetName(), "Text");

    // OK goes on with the next step, past the one no library gives.
    toolBar_->OnOk();
    EXPECT_EQ(toolBar_->NameStack(), (Strings{"Start", "Guided", "Select"}));
    EXPECT_EQ(toolBar_->Current()->GetName(), "Select");
    // Cancel ends a step too; after the last the bar goes back to the stage.
    toolBar_->OnCancel();
    EXPECT_EQ(toolBar_->NameStack(), (Strings{"Start"}));
    EXPECT_EQ(Names(*toolBar_), (Strings{"Send", "Wallpaper", "Copier"}));
    EXPECT_EQ(host_->textCommits, 1);
}

TEST_F(BarFixture, AWizardChosenWithoutAPictureWaitsForOne)
{
    Click(*toolBar_, *toolView_, "Wallpaper");
    // Without a picture the wizard opens on the bar and is kept as pending.
    EXPECT_EQ(toolBar_->PendingTask(), "Wallpaper");
    EXPECT_EQ(toolBar_->NameStack(), (Strings{"Start", "Wallpaper"}));
    toolBar_->OnCancel();
    EXPECT_TRUE(messages_.empty());

    // With no document the next update only enables.
    ASSERT_TRUE(toolBar_->OnUpdateTaskButton(IDC_BAR_TASK_FIRST).has_value());
    // A picture opens: the next update switches to the wizard, which now
    // runs on the picture and leaves the bar as it is.
    FakeDocument document;
    document.dibSize = 100;
    host_->document = &document;
    EXPECT_FALSE(toolBar_->OnUpdateTaskButton(IDC_BAR_TASK_FIRST).has_value());
    EXPECT_TRUE(toolBar_->PendingTask().empty());
    EXPECT_EQ(messages_, (Strings{"Wallpaper of 100 bytes"}));
    EXPECT_EQ(toolBar_->NameStack(), (Strings{"Start"}));
}

TEST_F(BarFixture, PreviousAndNextWalkTheStagesAndHideAtTheEnds)
{
    // Start is selected: no Previous.
    taskBar_->OnUpdateTaskButton(IDC_BAR_TASK_FIRST);
    EXPECT_FALSE(taskView_->IsControlShown(IDC_BAR_PREVIOUS));
    EXPECT_TRUE(taskView_->IsControlShown(IDC_BAR_NEXT));
    taskBar_->OnNext();
    EXPECT_EQ(taskBar_->SelectedIndex(), 1);
    EXPECT_EQ(manager_->CurrentTask(), "Easy");
    EXPECT_TRUE(taskView_->IsControlShown(IDC_BAR_PREVIOUS));
    taskBar_->OnNext();
    // The last stage (a sequence) selects itself: no Next.
    EXPECT_EQ(taskBar_->SelectedIndex(), 2);
    EXPECT_FALSE(taskView_->IsControlShown(IDC_BAR_NEXT));
    taskBar_->OnNext();
    EXPECT_EQ(taskBar_->SelectedIndex(), 2);
    taskBar_->OnPrevious();
    EXPECT_EQ(taskBar_->SelectedIndex(), 1);
    // The tool bar has no rows of buttons and shows neither.
    toolBar_->OnUpdateTaskButton(IDC_BAR_TASK_FIRST);
    EXPECT_FALSE(toolView_->IsControlShown(IDC_BAR_PREVIOUS));
    EXPECT_FALSE(toolView_->IsControlShown(IDC_BAR_NEXT));
}

TEST_F(BarFixture, ButtonsSendTheirCommandsAndColours)
{
    taskBar_->OnUndo();
    taskBar_->OnRedo();
    taskBar_->OnHelp();
    EXPECT_EQ(host_->commands, (std::vector<uint32_t>{57643, 57644, 57669}));
    taskBar_->OnForeground(0x0000FF);
    taskBar_->OnBackground(0x00FF00);
    EXPECT_EQ(host_->foreground, 0x0000FFu);
    EXPECT_EQ(host_->textColour, 0x0000FFu);
    EXPECT_EQ(host_->fillFore, 0x0000FFu);
    EXPECT_EQ(host_->fillBack, 0x00FF00u);
    EXPECT_EQ(host_->background, 0x00FF00u);
    EXPECT_EQ(host_->viewInvalidations, 1);
}

TEST_F(BarFixture, CloseToolPanelCommitsAndGoesBack)
{
    FakeDocument document;
    host_->document = &document;
    EXPECT_EQ(toolBar_->CloseToolPanel(), 0);
    Click(*taskBar_, *taskView_, "Easy");
    Click(*toolBar_, *toolView_, "Select");
    host_->selector = QnRgn(QnRect{1, 1, 5, 5});
    EXPECT_EQ(toolBar_->CloseToolPanel(), 1);
    EXPECT_TRUE(document.selection == host_->selector);
    EXPECT_EQ(toolBar_->NameStack(), (Strings{"Start", "Easy"}));
}

TEST_F(BarFixture, SlidingTakesATenthOfTheBarInTenPixelStepsEvery50Ms)
{
    static uint32_t now = 1000;
    const auto oldClock = platform::TickClock::SetSource([] { return now; });
    std::vector<uint32_t> waits;
    const auto oldSleep = CLdBarSlide::SetSleep([&](uint32_t ms) {
        waits.push_back(ms);
        now += ms;
    });

    // A 300-pixel-wide vertical bar: 30 steps out, 30 in, a sound each way.
    FakeView view(QSize(300, 700));
    CLdBarLogic bar(view, *manager_, *host_);
    bar.OnSize(300, 700);
    host_->animation = true;
    manager_->toolBar = &bar;
    manager_->SwitchTask(&bar, "Easy");
    ASSERT_EQ(view.moves.size(), 60u);
    for (size_t i = 0; i < 60; ++i)
        EXPECT_EQ(view.moves[i], QPoint(i < 30 ? -10 : 10, 0)) << i;
    EXPECT_EQ(bar.ScrollOrigin(), QPoint(0, 0));
    EXPECT_EQ(view.waves, (std::vector<uint32_t>{IDW_BAR_SLIDE, IDW_BAR_SLIDE}));
    EXPECT_EQ(view.slidesEnded, 2);
    // Each step after the first of a slide waits out its 50 ms.
    EXPECT_EQ(waits.size(), 58u);
    EXPECT_TRUE(std::all_of(waits.begin(), waits.end(), [](uint32_t ms) { return ms == 50; }));
    // The buttons made while slid out were placed off the bar.
    EXPECT_EQ(view.buttons.size(), 3u);

    // With Animation off nothing moves and nothing sounds.
    host_->animation = false;
    view.moves.clear();
    view.waves.clear();
    manager_->SwitchTask(&bar, "Start");
    EXPECT_TRUE(view.moves.empty());
    EXPECT_TRUE(view.waves.empty());
    manager_->toolBar = toolBar_.get();

    CLdBarSlide::SetSleep(oldSleep);
    platform::TickClock::SetSource(oldClock);
}

TEST_F(BarFixture, MoreThanTenEntriesWarnAndGetButtonsOnlyForTaskIds)
{
    toolBar_->FillTask("Start", Strings(20, "Send"), 0);
    EXPECT_EQ(toolView_->messages, (Strings{"Implement Later!!!"}));
    // Ids past the task range are Previous, Next and Help.
    ASSERT_EQ(toolView_->buttons.size(), 18u);
    EXPECT_EQ(toolView_->buttons.rbegin()->first, IDC_BAR_TASK_LAST);
}

TEST(BarGeometry, PlacesFollowTheBarsSize)
{
    // A vertical bar 96 wide: u = 10 for the edge buttons.
    const CLdBarEdgeButtons v = CLdBarGeometry::EdgeButtons(96, 600);
    EXPECT_EQ(v.home, QRect(2, 568, 20, 30));
    EXPECT_EQ(v.cancel, QRect(32, 568, 20, 30));
    EXPECT_EQ(v.ok, QRect(62, 568, 20, 30));
    // A horizontal bar 80 high: OK and Cancel stacked at the right.
    const CLdBarEdgeButtons h = CLdBarGeometry::EdgeButtons(640, 80);
    EXPECT_EQ(h.cancel, QRect(608, 2, 30, 34));
    EXPECT_EQ(h.ok, QRect(608, 44, 30, 34));
    EXPECT_TRUE(h.home.isNull());

    EXPECT_EQ(CLdBarGeometry::StageBox(QSize(96, 600)), QRect(4, 4, 92, 92));
    const CLdBarNavButtons nav = CLdBarGeometry::NavButtons(QSize(96, 600));
    EXPECT_EQ(nav.undo, QRect(2, 102, 41, 30));
    EXPECT_EQ(nav.redo, QRect(53, 102, 41, 30));
    EXPECT_EQ(nav.foreground, QRect(2, 142, 41, 30));
    EXPECT_EQ(nav.previous, QRect(2, 182, 20, 30));
    EXPECT_EQ(nav.help, QRect(62, 182, 20, 30));

    // Task buttons: below the rows of a vertical bar, across a horizontal
    // one, moved by the scroll origin.
    const auto down = CLdBarGeometry::TaskButtons(QSize(96, 600), true, 2, QPoint(-30, 0));
    EXPECT_EQ(down[0], QRect(-28, 2 + 105 + 107, 92, 92));
    EXPECT_EQ(down[1], QRect(-28, 2 + 105 + 2 * 107, 92, 92));
    const auto across = CLdBarGeometry::TaskButtons(QSize(640, 80), false, 2, QPoint());
    EXPECT_EQ(across[0], QRect(14, 2, 76, 76));
    EXPECT_EQ(across[1], QRect(14 + 88, 2, 76, 76));
    EXPECT_EQ(CLdBarGeometry::PanelPosition(QSize(96, 600), true, QPoint()), QPoint(0, 96));
}
