// A menu template on the screen: menus and submenus in the template's
// order, shortcuts from the text after a tab, and items whose commands go
// through the frame's routing and whose state its update handlers set.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "framework/CmdUI.h"
#include "framework/ControlId.h"
#include "framework/FrameWnd.h"
#include "framework/MenuBuilder.h"
#include "framework/MenuTemplate.h"
#include "framework/MessageMap.h"
#include "framework/PopupMenu.h"

namespace {

constexpr uint32_t kHandled = 41000;
constexpr uint32_t kChecked = 41001;
constexpr uint32_t kNested = 41002;
constexpr uint32_t kUnhandled = 41003;

class Frame : public fw::FrameWnd {
public:
    std::vector<uint32_t> commands;
    const fw::MessageMap* GetMessageMap() const override
    {
        static const fw::MessageMap map = fw::MessageMap(fw::FrameWnd::GetMessageMap())
                                              .OnCommandEx(kHandled, kNested, &Frame::OnCommand)
                                              .OnUpdate(kChecked, &Frame::OnUpdateChecked);
        return &map;
    }
    bool OnCommand(uint32_t id)
    {
        commands.push_back(id);
        return true;
    }
    void OnUpdateChecked(fw::CmdUI& ui) { ui.SetCheck(1); }
};

constexpr const char* kMenu = R"(
popup "&First" {
    item 41000 "&Handled\tCtrl+Shift+H"
    separator
    popup "&Sub" {
        item 41002 "&Nested"
    }
    item 41001 "&Checked"
}
popup "Se&cond" {
    item 41003 "&Unhandled\tNo Such Key"
    item 41000 "Rotate&&Flip\t+"
}
)";

std::vector<std::string> Texts(QMenu* menu)
{
    std::vector<std::string> texts;
    for (QAction* action : menu->actions())
        texts.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    return texts;
}

TEST(MenuBuilder, BuildsTheMenuBarInTheTemplatesOrder)
{
    Frame frame;
    const auto menus = fw::FillMenuBar(frame, frame.menuBar(), fw::MenuTemplate::Parse(kMenu, "menu"));
    ASSERT_EQ(menus.size(), 2u);
    ASSERT_EQ(frame.menuBar()->actions().size(), 2);
    EXPECT_EQ(frame.menuBar()->actions()[1]->menu(), menus[1]);
    EXPECT_EQ(menus[0]->title().toStdString(), "&First");
    EXPECT_EQ(Texts(menus[0]), (std::vector<std::string>{"&Handled", "-", "&Sub", "&Checked"}));
    EXPECT_EQ(Texts(menus[0]->actions()[2]->menu()), (std::vector<std::string>{"&Nested"}));
    // A shortcut Qt cannot read is still shown after the tab.
    EXPECT_EQ(Texts(menus[1]), (std::vector<std::string>{"&Unhandled\tNo Such Key", "Rotate&&Flip"}));

    EXPECT_EQ(menus[0]->actions()[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    EXPECT_EQ(menus[1]->actions()[1]->shortcut(), QKeySequence(Qt::Key_Plus));
    EXPECT_TRUE(menus[1]->actions()[0]->shortcut().isEmpty());
}

TEST(MenuBuilder, ItemsSendTheirCommandsAndTakeTheirStateFromTheFrame)
{
    Frame frame;
    const auto menus = fw::FillMenuBar(frame, frame.menuBar(), fw::MenuTemplate::Parse(kMenu, "menu"));
    menus[0]->actions()[0]->trigger();
    menus[0]->actions()[2]->menu()->actions()[0]->trigger();
    menus[1]->actions()[1]->trigger();
    EXPECT_EQ(frame.commands, (std::vector<uint32_t>{kHandled, kNested, kHandled}));

    frame.UpdateCommandUI();
    EXPECT_TRUE(menus[0]->actions()[0]->isEnabled());
    EXPECT_TRUE(menus[0]->actions()[3]->isChecked());
    EXPECT_FALSE(menus[1]->actions()[0]->isEnabled());
    EXPECT_TRUE(menus[0]->actions()[2]->menu()->actions()[0]->isEnabled());
}

TEST(MenuBuilder, RefillingReplacesTheMenusAndDeletesTheOldOnes)
{
    Frame frame;
    const auto first = fw::FillMenuBar(frame, frame.menuBar(), fw::MenuTemplate::Parse(kMenu, "menu"));
    QPointer<QMenu> old = first[0];
    const auto second =
        fw::FillMenuBar(frame, frame.menuBar(), fw::MenuTemplate::Parse("popup \"&Only\" { separator }", "menu"));
    ASSERT_EQ(second.size(), 1u);
    ASSERT_EQ(frame.menuBar()->actions().size(), 1);
    EXPECT_EQ(frame.menuBar()->actions()[0]->text().toStdString(), "&Only");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
}

TEST(MenuBuilder, APopupBecomesAContextMenu)
{
    Frame frame;
    const fw::MenuTemplate menu = fw::MenuTemplate::Parse(kMenu, "menu");
    QMenu* popup = fw::CreatePopupMenu(frame, menu.Popups()[1], &frame);
    EXPECT_EQ(popup->parent(), &frame);
    EXPECT_EQ(Texts(popup), (std::vector<std::string>{"&Unhandled\tNo Such Key", "Rotate&&Flip"}));
    popup->actions()[1]->trigger();
    EXPECT_EQ(frame.commands, (std::vector<uint32_t>{kHandled}));
}

TEST(MenuBuilder, ATrackedPopupSendsTheChosenCommandOnly)
{
    Frame frame;
    const fw::MenuTemplate menu = fw::MenuTemplate::Parse(kMenu, "menu");
    QMenu* popup = fw::CreatePopupMenu(frame, menu.Popups()[0], &frame);
    const QPoint at(40, 50);
    QPoint seen;
    auto choose = [&](uint32_t id) {
        return [&seen, id](QMenu& shown, const QPoint& point) {
            seen = point;
            return id ? fw::FindMenuCommand(shown, id) : nullptr;
        };
    };

    const fw::PopupMenuHook old = fw::SetPopupMenuHook(choose(kNested));
    EXPECT_EQ(fw::ControlId(fw::TrackPopupMenu(*popup, at)), kNested);
    EXPECT_EQ(seen, at);
    // Nothing chosen, and a command no handler enables (the menu is updated
    // as it shows), send nothing.
    fw::SetPopupMenuHook(choose(0));
    EXPECT_EQ(fw::TrackPopupMenu(*popup, at), nullptr);
    QMenu* second = fw::CreatePopupMenu(frame, menu.Popups()[1], &frame);
    fw::SetPopupMenuHook(choose(kUnhandled));
    EXPECT_EQ(fw::TrackPopupMenu(*second, at), nullptr);
    fw::SetPopupMenuHook(old);

    EXPECT_EQ(frame.commands, (std::vector<uint32_t>{kNested}));
}

}  // namespace
