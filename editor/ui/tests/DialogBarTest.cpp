// The dialog bar widgets over their logic: the buttons they make, clicks
// that reach the bar they belong to, enabling at idle time, the tool panel
// in place, and a look at both bars.
#include "BarFixture.h"
#include "DialogGrab.h"

#include "editor/ui/BarButton.h"
#include "editor/ui/LdDialogBar.h"
#include "editor/ui/SysColor.h"
#include "framework/ChildrenOf.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

class DialogBarFixture : public BarSettingsFixture {
protected:
    void SetUp() override
    {
        BarSettingsFixture::SetUp();
        taskBar_ = std::make_unique<CLdDialogBar>(*manager_, *host_);
        toolBar_ = std::make_unique<CLdDialogBar>(*manager_, *host_);
        manager_->taskBar = &taskBar_->Logic();
        manager_->toolBar = &toolBar_->Logic();
        taskBar_->resize(96, 620);
        toolBar_->resize(640, 80);
        taskBar_->show();
        toolBar_->show();
        host_->ResetToStart(nullptr);
    }

    void TearDown() override
    {
        toolBar_.reset();
        taskBar_.reset();
        BarSettingsFixture::TearDown();
    }

    static std::vector<std::string> Captions(const CLdDialogBar& bar)
    {
        std::vector<std::string> captions;
        for (uint32_t id = IDC_BAR_TASK_FIRST; id <= IDC_BAR_TASK_LAST; ++id)
            if (const CBarButton* button = bar.TaskButton(id))
                captions.push_back(button->text().toStdString());
        return captions;
    }

    // Lets buttons whose bar was cleared go.
    static void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::unique_ptr<CLdDialogBar> taskBar_;
    std::unique_ptr<CLdDialogBar> toolBar_;
};

using Strings = std::vector<std::string>;

// In a grab of bar: every shown button's picture at its place, pixel for
// pixel, and some of its caption in the caption's colour. Answers how many
// buttons showed a picture.
int ExpectButtonsDrawn(const CLdDialogBar& bar, const QImage& shot)
{
    int pictures = 0;
    for (const CBarButton* button : fw::ChildrenOf<CBarButton>(&bar)) {
        if (!button->isVisible() || button->Look() == CBarButtonLook::Disabled)
            continue;
        SCOPED_TRACE(button->text().toStdString());
        const QRect r = QRect(button->mapTo(&bar, QPoint(0, 0)), button->size());
        if (button->HasPicture()) {
            const CBarButtonPicture& picture = button->Picture();
            QImage alone(picture.Size(), QImage::Format_ARGB32);
            alone.fill(Qt::transparent);
            QPainter painter(&alone);
            picture.Draw(painter, QPoint(0, 0));
            painter.end();
            const QPoint at = r.topLeft() + button->layout.PicturePos(QRect(QPoint(0, 0), r.size()), picture.Size(),
                                                                     button->Look() == CBarButtonLook::Pressed);
            int wrong = 0;
            for (int y = 0; y < alone.height(); ++y)
                for (int x = 0; x < alone.width(); ++x)
                    if (!picture.IsTransparent(x, y) && shot.pixel(at + QPoint(x, y)) != alone.pixel(x, y))
                        ++wrong;
            EXPECT_EQ(wrong, 0);
            ++pictures;
        }
        if (!button->text().isEmpty()) {
            const QRect caption =
                button->layout.CaptionRect(QRect(QPoint(0, 0), r.size()), button->Look()).translated(r.topLeft()) & r;
            const QRgb ink = LdQColor(button->textColour).rgb();
            bool inked = false;
            for (int y = caption.top(); y <= caption.bottom() && !inked; ++y)
                for (int x = caption.left(); x <= caption.right() && !inked; ++x)
                    inked = shot.pixel(x, y) == ink;
            EXPECT_TRUE(inked) << "no caption drawn";
        }
    }
    return pictures;
}

}  // namespace

TEST_F(DialogBarFixture, BarsMakeTheirButtonsAndClicksReachTheBarTheyBelongTo)
{
    ASSERT_TRUE(taskBar_->ControlsCreated());
    EXPECT_EQ(Captions(*taskBar_), (Strings{"Start", "Easy", "Guided"}));
    EXPECT_EQ(Captions(*toolBar_), (Strings{"Send", "Wallpaper", "Copier"}));
    const CBarButton* start = taskBar_->TaskButton(IDC_BAR_TASK_FIRST);
    EXPECT_TRUE(start->HasPicture());
    EXPECT_EQ(start->geometry(), QRect(2, 2 + 105 + 107, 92, 92));
    EXPECT_EQ(start->toolTip(), "Begin here");
    // A tip is cut to what the system's tip notification holds.
    EXPECT_EQ(toolBar_->TaskButton(IDC_BAR_TASK_FIRST)->toolTip().size(), 79);
    EXPECT_TRUE(taskBar_->IsControlShown(IDC_BAR_UNDO));
    EXPECT_FALSE(toolBar_->IsControlShown(IDC_BAR_UNDO));
    EXPECT_EQ(taskBar_->ControlRect(IDC_BAR_CANCEL), QRect(32, 588, 20, 30));

    // Both bars have a button 1027: each click goes to its own bar.
    taskBar_->TaskButton(IDC_BAR_TASK_FIRST + 1)->click();
    Settle();
    EXPECT_EQ(Captions(*toolBar_), (Strings{"Text", "Select", "Paint"}));
    EXPECT_EQ(Captions(*taskBar_), (Strings{"Start", "Easy", "Guided"}));
    EXPECT_EQ(taskBar_->Logic().SelectedIndex(), 1);

    FakeDocument document;
    host_->document = &document;
    toolBar_->TaskButton(IDC_BAR_TASK_FIRST)->click();
    Settle();
    EXPECT_TRUE(Captions(*toolBar_).empty());
    QWidget* panel = toolBar_->OptionsPanel();
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->parentWidget(), toolBar_.get());
    EXPECT_EQ(panel->geometry(), QRect(80, 0, 160, 60));
    EXPECT_TRUE(toolBar_->IsControlShown(IDC_BAR_OK));
    EXPECT_EQ(toolBar_->ControlRect(IDC_BAR_OK).left(), 240);

    // OK on the tool bar commits and brings the stage's tools back.
    toolBar_->ExecuteCommand(IDC_BAR_OK);
    Settle();
    EXPECT_EQ(host_->textCommits, 1);
    EXPECT_FALSE(toolBar_->OptionsPanel());
    EXPECT_EQ(Captions(*toolBar_), (Strings{"Text", "Select", "Paint"}));
}

TEST_F(DialogBarFixture, IdleUpdatesEnableEntriesAndUndoByTheDocument)
{
    taskBar_->TaskButton(IDC_BAR_TASK_FIRST + 1)->click();
    Settle();
    toolBar_->OnUpdateCmdUI(nullptr, true);
    taskBar_->OnUpdateCmdUI(nullptr, true);
    for (uint32_t id = IDC_BAR_TASK_FIRST; id < IDC_BAR_TASK_FIRST + 3; ++id)
        EXPECT_FALSE(toolBar_->TaskButton(id)->isEnabled()) << id;
    // Stages need no picture.
    EXPECT_TRUE(taskBar_->TaskButton(IDC_BAR_TASK_FIRST)->isEnabled());

    FakeDocument document;
    document.undoEmpty = false;
    host_->document = &document;
    toolBar_->OnUpdateCmdUI(nullptr, true);
    taskBar_->OnUpdateCmdUI(nullptr, true);
    for (uint32_t id = IDC_BAR_TASK_FIRST; id < IDC_BAR_TASK_FIRST + 3; ++id)
        EXPECT_TRUE(toolBar_->TaskButton(id)->isEnabled()) << id;

    // Previous and Next follow the selected stage.
    EXPECT_TRUE(taskBar_->IsControlShown(IDC_BAR_PREVIOUS));
    EXPECT_TRUE(taskBar_->IsControlShown(IDC_BAR_NEXT));
}

TEST_F(DialogBarFixture, GrabBothBars)
{
    FakeDocument document;
    host_->document = &document;
    taskBar_->TaskButton(IDC_BAR_TASK_FIRST + 1)->click();
    Settle();
    taskBar_->OnUpdateCmdUI(nullptr, true);
    toolBar_->OnUpdateCmdUI(nullptr, true);
    GrabWhenAsked(*taskBar_, "task-bar", false);
    GrabWhenAsked(*toolBar_, "tool-bar", false);
    toolBar_->TaskButton(IDC_BAR_TASK_FIRST)->click();
    Settle();
    GrabWhenAsked(*toolBar_, "tool-bar-text-tool", false);

    const QImage tasks = taskBar_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(tasks.size(), taskBar_->size());
    EXPECT_GE(ExpectButtonsDrawn(*taskBar_, tasks), 3);
    const QImage tools = toolBar_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GE(ExpectButtonsDrawn(*toolBar_, tools), 1);
}
