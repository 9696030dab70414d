// The "Edge style" dialog driven through its hooks in a run of the module:
// the thumbnail rows, the gallery's tabs, pages and cells, the light
// direction, OK with the settings it keeps, Cancel and Help.
#include "EdgesFixture.h"

#include "framework/App.h"
#include "framework/ControlId.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>

namespace {

using EdgesDialogRun = EdgesFixture;

constexpr RGBColor kColour{30, 160, 90};
constexpr int32_t kPlanesColour[3] = {30, 160, 90};

void Click(QWidget* widget, QPoint at)
{
    ASSERT_NE(widget, nullptr);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

// The middle of the slot-th cell shown: four columns of 120 x 90 under the tabs.
QPoint CellCentre(int slot) { return QPoint(slot % 4 * 120 + 60, 30 + slot / 4 * 90 + 45); }

bool Enabled(fw::Dialog& d, uint32_t id) { return d.GetDlgItem(id) && d.GetDlgItem(id)->isEnabled(); }

TEST_F(EdgesDialogRun, OkFiltersWithTheChosenMaskAndShadowAndKeepsTheChoice)
{
    answer = [this](fw::Dialog& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), "Edge style");
        auto* tabs = qobject_cast<QTabBar*>(fw::FindControl(&d, 1011));
        ASSERT_NE(tabs, nullptr);
        ASSERT_EQ(tabs->count(), 5);
        EXPECT_EQ(tabs->tabText(2).toStdString(), "Vignette");
        tabs->setCurrentIndex(2); // Vignette: 14 items, 12 a page
        EXPECT_FALSE(Enabled(d, 1008));
        EXPECT_TRUE(Enabled(d, 1009));
        d.PressButton(1009);
        EXPECT_TRUE(Enabled(d, 1008));
        EXPECT_FALSE(Enabled(d, 1009));
        // The second page starts at the fourth row: "Oval Frame", "Polygon".
        Click(d.GetDlgItem(1007), CellCentre(1));
        Click(d.GetDlgItem(1007), QPoint(300, 250)); // no item there: the choice stays
        // On the ring, down and to the right of the centre: sector 0.
        Click(d.GetDlgItem(1010), QPoint(66, 50));
        if (const char* folder = std::getenv("EDGES_GRAB_DIR"))
            d.grab().save(QString(folder) + "/edges-dialog.png");
        d.PressButton(9);
    };
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 64, 48, 3, {}, 0, kColour});
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(dialogs, 1);
    // 48 Continue calls for the thumbnail, the last opening the dialog, then
    // 48 for the blend.
    EXPECT_EQ(host->continues, 96);
    const EdgesBlock& b = Block(*host);
    EXPECT_EQ(b.showDialog, 0);
    EXPECT_EQ(b.mask, 163);
    EXPECT_EQ(b.shadow, 4);
    EXPECT_EQ(host->output, ExpectedEdges(*host, 163, 4, kPlanesColour));

    EXPECT_EQ(Ini().GetInt("OPTIONS", "PAGE", -1), 2);
    EXPECT_EQ(Ini().GetInt("OPTIONS", "CURSEL", -1), 13);
    EXPECT_EQ(Ini().GetInt("OPTIONS", "FIRSTROW", -1), 3);
    EXPECT_EQ(Ini().GetInt("OPTIONS", "SHADOW", -1), 4);
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].helpFile.substr(help[0].helpFile.rfind('/') + 1), "edges.HLP");

    // The next dialog opens on the kept choice; OK takes it as it stands.
    answer = [](fw::Dialog& d) {
        EXPECT_TRUE(Enabled(d, 1008));
        EXPECT_EQ(qobject_cast<QTabBar*>(fw::FindControl(&d, 1011))->currentIndex(), 2);
    };
    host->output = host->input;
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(Block(*host).mask, 163);
    EXPECT_EQ(Block(*host).shadow, 4);
}

TEST_F(EdgesDialogRun, ANewTabStartsAtItsFirstItemAndTheCentreTurnsTheShadowOff)
{
    std::filesystem::create_directories(config / "edges");
    Ini().WriteInt("OPTIONS", "PAGE", 4);
    Ini().WriteInt("OPTIONS", "CURSEL", 7);
    Ini().WriteInt("OPTIONS", "SHADOW", 2);
    answer = [](fw::Dialog& d) {
        auto* tabs = qobject_cast<QTabBar*>(fw::FindControl(&d, 1011));
        EXPECT_EQ(tabs->currentIndex(), 4);
        tabs->setCurrentIndex(3); // Objects
        Click(d.GetDlgItem(1010), QPoint(36, 36));
    };
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 20, 30, 1, {}, 0, kColour});
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(Block(*host).mask, 175); // "Circle Swirl"
    EXPECT_EQ(Block(*host).shadow, 0);
    EXPECT_EQ(Ini().GetInt("OPTIONS", "CURSEL", -1), 0);
    EXPECT_EQ(Ini().GetInt("OPTIONS", "FIRSTROW", -1), 0);
    EXPECT_EQ(Ini().GetInt("OPTIONS", "SHADOW", -1), 0);
}

TEST_F(EdgesDialogRun, CancelAnswersUserCancelAndChangesNothing)
{
    dialogOk = false;
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 40, 30, 3, {}, 0, kColour});
    EXPECT_EQ(host->Run(true), userCanceledErr);
    EXPECT_EQ(host->output, host->input);
    EXPECT_EQ(Block(*host).showDialog, 1);
    EXPECT_EQ(host->calls.back(), (std::pair<int16_t, int16_t>{filterSelectorFinish, 0}));
    EXPECT_EQ(Ini().GetInt("OPTIONS", "PAGE", -1), -1);
}

TEST_F(EdgesDialogRun, AOneRowPictureStillOpensTheDialog)
{
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 40, 1, 3, {}, 0, kColour});
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(Block(*host).mask, 131); // the first item of the first tab
    EXPECT_EQ(host->output, ExpectedEdges(*host, 131, 0, kPlanesColour));
}

TEST_F(EdgesDialogRun, F1OrARightClickOnAControlPopsUpItsTopic)
{
    struct Case {
        const char* what;
        uint32_t control; // 0: the dialog itself
        bool rightClick;
        uint32_t topic;   // 0: no help
        uint32_t command;
    };
    const Case cases[] = {
        {"F1 on the light control", 1010, false, 0x810F03F2, fw::HELP_WM_HELP},
        {"F1 on the tabs", 1011, false, 0x810F03F3, fw::HELP_WM_HELP},
        {"F1 on OK: the contents", fw::IDOK, false, 0, fw::HELP_INDEX},
        {"right click on the gallery", 1007, true, 0x810F03EF, fw::HELP_CONTEXTMENU},
        {"right click on Next", 1009, true, 0x810F03F1, fw::HELP_CONTEXTMENU},
        {"right click beside the controls", 0, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        help.clear();
        answer = [&](fw::Dialog& d) {
            d.show();
            QWidget* control = c.control ? d.GetDlgItem(c.control) : nullptr;
            if (c.rightClick) {
                // The dialog's corner, outside every control.
                const QPoint at = control ? control->mapTo(&d, control->rect().center()) : QPoint(1, 1);
                QContextMenuEvent menu(QContextMenuEvent::Mouse, at, d.mapToGlobal(at));
                QCoreApplication::sendEvent(&d, &menu);
            } else {
                ASSERT_NE(control, nullptr);
                control->setFocus();
                QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
                QCoreApplication::sendEvent(&d, &f1);
            }
        };
        dialogOk = false;
        auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 40, 30, 3, {}, 0, kColour});
        EXPECT_EQ(host->Run(true), userCanceledErr);
        if (c.command == 0) {
            EXPECT_TRUE(help.empty());
            continue;
        }
        ASSERT_EQ(help.size(), 1u);
        EXPECT_EQ(help[0].data, c.topic);
        EXPECT_EQ(help[0].command, c.command);
    }
}

} // namespace
