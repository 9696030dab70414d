// The context-help mode: the command or Shift+F1 turns the pointer into the
// help cursor, the next click shows the topic of what it hits (and does
// nothing else), Escape or another button ends the mode without help; the
// topic is the nearest one with a page. F1 in a frame asks for its help.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "TestApp.h"
#include "framework/CommandIds.h"
#include "framework/ContextHelpMode.h"
#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "framework/HelpProvider.h"
#include "framework/MessageBox.h"
#include "platform/tests/TestFolder.h"

namespace fwtest {
namespace {

constexpr uint32_t kMainTopic = fw::kHelpBaseResource + fw::kMainFrameResource;
constexpr uint32_t kPopup = fw::HELP_CONTEXTPOPUP;
constexpr uint32_t kPage = fw::HELP_CONTEXT;

// A help folder with a page for each of these topics only.
void WritePages(const TestFolder& folder, std::initializer_list<uint32_t> topics)
{
    for (uint32_t id : topics)
        TestFolder::Write(folder / (std::to_string(id) + ".html"), "<p>topic</p>");
}

TEST(ContextHelpTopic, TheNearestTopicWithAPage)
{
    TestFolder help;
    WritePages(help, {500, 700, 800, 900, fw::kHelpBaseCommand + 33000});

    QWidget window;
    fw::SetHelpId(&window, 500);
    auto* panel = new QWidget(&window);
    fw::SetHelpId(panel, 600); // no page
    auto* withTopic = new QPushButton("a", panel);
    fw::SetHelpId(withTopic, 700);
    auto* withoutTopic = new QPushButton("b", panel);

    fw::Dialog dialog;
    dialog.helpId = 800;
    auto* inDialog = new QPushButton("c", &dialog);

    QWidget bare;

    QMenu menu;
    QAction* ownTopic = menu.addAction("own");
    fw::SetHelpId(ownTopic, 900);
    QAction* byCommand = menu.addAction("command");
    fw::SetControlId(byCommand, 33000);
    QAction* noPage = menu.addAction("no page");
    fw::SetControlId(noPage, 33001);
    menu.popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    auto itemPoint = [&](QAction* a) { return menu.mapToGlobal(menu.actionGeometry(a).center()); };

    struct Case {
        const char* what;
        QWidget* widget;
        QPoint at;
        fw::ContextHelpTopic expected;
    };
    const Case cases[] = {
        {"control with a topic: a pop-up", withTopic, {}, {700, kPopup}},
        {"topics without a page give way to the window's", withoutTopic, {}, {500, kPage}},
        {"control of a dialog: the dialog's page", inDialog, {}, {800, kPage}},
        {"nothing with a topic: the main window's", &bare, {}, {kMainTopic, kPage}},
        {"menu item with a topic of its own", &menu, itemPoint(ownTopic), {900, kPage}},
        {"menu item: its command's topic", &menu, itemPoint(byCommand), {fw::kHelpBaseCommand + 33000, kPage}},
        {"menu item without a page", &menu, itemPoint(noPage), {kMainTopic, kPage}},
    };
    for (const Case& c : cases) {
        const fw::ContextHelpTopic topic = fw::ContextHelpMode::TopicAt(c.widget, c.at, help.Path());
        EXPECT_EQ(topic, c.expected) << c.what << ": got " << topic.id << "/" << topic.command;
    }
    // Without a help file every topic counts.
    EXPECT_EQ(fw::ContextHelpMode::TopicAt(withoutTopic, {}, {}), (fw::ContextHelpTopic{600, kPopup}));
    menu.close();
}

class ContextHelpMode : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousBox_ = fw::SetMessageBoxHook([](const fw::MessageBoxRequest&) { return fw::IDNO; });
        ASSERT_TRUE(app.InitInstance());
        app.main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(app.main));
        WritePages(help, {700});
        app.SetHelpFile(help.Path());
        fw::HelpProvider::Instance().SetBackend([this](const fw::HelpRequest& r) { shown.push_back(r); });
        fw::SetHelpId(app.main->bar->traceButton, 700);
        Trace().clear();
    }
    void TearDown() override
    {
        mode().Leave();
        fw::HelpProvider::Instance().SetBackend({});
        fw::SetMessageBoxHook(previousBox_);
    }
    static fw::ContextHelpMode& mode() { return fw::ContextHelpMode::Instance(); }
    static bool HelpCursor()
    {
        const QCursor* cursor = QApplication::overrideCursor();
        return cursor && cursor->shape() == Qt::WhatsThisCursor;
    }

    TestFolder help;
    TestApp app;
    std::vector<fw::HelpRequest> shown;
    fw::MessageBoxHook previousBox_;
};

TEST_F(ContextHelpMode, TheNextClickShowsTheTopicUnderItAndNothingElse)
{
    ASSERT_TRUE(app.main->SendCommand(fw::ID_CONTEXT_HELP));
    EXPECT_TRUE(mode().IsOn());
    EXPECT_TRUE(HelpCursor());

    QTest::mouseClick(app.main->bar->traceButton, Qt::LeftButton);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].data, 700u);
    EXPECT_EQ(shown[0].command, kPopup);
    EXPECT_TRUE(Trace().empty()) << "the button's command ran";
    EXPECT_FALSE(mode().IsOn());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The mode is over: the next click is an ordinary one.
    QTest::mouseClick(app.main->bar->traceButton, Qt::LeftButton);
    EXPECT_FALSE(Trace().empty());
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(ContextHelpMode, EscapeOrAnotherButtonEndsItWithoutHelp)
{
    const std::pair<const char*, std::function<void()>> endings[] = {
        {"Escape", [&] { QTest::keyClick(app.main->bar->traceButton, Qt::Key_Escape); }},
        {"right click", [&] { QTest::mouseClick(app.main->bar->traceButton, Qt::RightButton); }},
    };
    for (const auto& [what, end] : endings) {
        ASSERT_TRUE(app.main->SendCommand(fw::ID_CONTEXT_HELP));
        end();
        EXPECT_FALSE(mode().IsOn()) << what;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << what;
        EXPECT_TRUE(shown.empty()) << what;
        EXPECT_TRUE(Trace().empty()) << what;
    }
}

TEST_F(ContextHelpMode, ShiftF1StartsItInTheMainFrameAndInADocumentsFrame)
{
    QTest::keyClick(app.main, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(mode().IsOn());
    QTest::keyClick(app.main, Qt::Key_Escape);
    ASSERT_FALSE(mode().IsOn());

    ASSERT_TRUE(app.main->SendCommand(fw::ID_FILE_NEW));
    auto* child = dynamic_cast<ChildFrame*>(app.main->MDIGetActive());
    ASSERT_NE(child, nullptr);
    ASSERT_NE(child->GetActiveView(), nullptr);
    QTest::keyClick(child->GetActiveView(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(mode().IsOn());
    EXPECT_TRUE(shown.empty());
}

TEST_F(ContextHelpMode, F1InAFrameShowsTheMainWindowsTopic)
{
    ASSERT_TRUE(app.main->SendCommand(fw::ID_FILE_NEW));
    auto* child = dynamic_cast<ChildFrame*>(app.main->MDIGetActive());
    ASSERT_NE(child, nullptr);
    QTest::keyClick(child->GetActiveView(), Qt::Key_F1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].data, kMainTopic);
    EXPECT_EQ(shown[0].command, kPage);
    EXPECT_FALSE(mode().IsOn());
}

}  // namespace
}  // namespace fwtest
