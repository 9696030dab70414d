// The tool palette's window: the grid's geometry and scrolling, the context
// menus each tab allows, and a palette over a layout file driven by mouse
// and keys (applying a tool, deleting on the last tab only, the file written
// back when the window goes, a damaged file reported).
#include "DocTestSupport.h"

#include "editor/palette/LdPalette.h"
#include "editor/palette/LdPlugInPaletteItem.h"
#include "editor/palette/PaletteCommands.h"
#include "editor/palette/PaletteGrid.h"
#include "editor/palette/PaletteMenus.h"
#include "lang/ValueExpr.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTabBar>
#include <fstream>
#include <sstream>

using namespace doctest;

TEST(PaletteGrid, CellsHitsAndScrolling)
{
    const CLdPaletteGrid grid;
    struct Case {
        int width, columns;
    };
    for (const Case& c : {Case{0, 1}, Case{89, 1}, Case{180, 2}, Case{200, 2}, Case{270, 3}})
        EXPECT_EQ(grid.Columns(c.width), c.columns) << c.width;
    EXPECT_EQ(grid.CellOrigin(4, 200), QPoint(0, 180));
    EXPECT_EQ(grid.CellOrigin(5, 200), QPoint(90, 180));
    EXPECT_EQ(grid.HitTest(QPoint(100, 10), 0, 5, 200), 1);
    EXPECT_EQ(grid.HitTest(QPoint(100, 10), 180, 5, 200), -1);  // cell 5 does not exist
    EXPECT_EQ(grid.HitTest(QPoint(10, 10), 180, 5, 200), 4);
    EXPECT_EQ(grid.HitTest(QPoint(185, 10), 0, 5, 200), -1);
    EXPECT_EQ(grid.ScrollTotal(5, 200), 270);
    EXPECT_EQ(grid.ScrollTotal(6, 200), 360);  // a row beyond the full one
}

TEST(PaletteMenus, EntriesOfEachTabAndTool)
{
    std::ifstream in(QN_PALETTE_MENU);
    std::stringstream text;
    text << in.rdbuf();
    const fw::MenuTemplate menu = fw::MenuTemplate::Parse(text.str(), "Palette.menu");
    auto ids = [&](const LdPaletteMenuState& state) {
        std::vector<std::pair<uint32_t, bool>> out;
        for (const LdPaletteMenuEntry& e : LdPaletteMenu(menu, state))
            out.emplace_back(e.id, e.enabled);
        return out;
    };
    using V = std::vector<std::pair<uint32_t, bool>>;
    // Empty space: adding a tool on the last tab only.
    EXPECT_EQ(ids({false, true}), (V{{32853, true}, {32854, true}, {0, true}, {32855, true}}));
    EXPECT_EQ(ids({false, false}), (V{{32853, true}, {32854, true}}));
    // A tool on another tab: no deleting, no Customize it cannot offer,
    // Apply greyed without a picture.
    EXPECT_EQ(ids({true, false, false, false, true}), (V{{32857, false}, {32863, true}}));
    EXPECT_EQ(ids({true, false, true, true, true}), (V{{32857, true}, {32858, true}, {32863, true}}));
    // The last tab keeps all five.
    EXPECT_EQ(ids({true, true, false, false, true}),
              (V{{32857, true}, {32858, true}, {32863, true}, {0, true}, {32856, true}}));
    // A tool this program cannot run.
    EXPECT_EQ(ids({true, true, true, false, false}),
              (V{{32857, false}, {32858, false}, {32863, true}, {0, true}, {32856, true}}));
}

namespace {

class Host : public CLdPaletteHost {
public:
    CLodo40Doc* ActiveDocument() override { return doc; }
    uint32_t Background() override { return 0xFFFFFF; }
    uint32_t Foreground() override { return 0; }
    CLodo40Doc* doc = nullptr;
};

class PaletteWindow : public DocTest {
protected:
    void Mouse(QWidget* w, QEvent::Type type, QPoint p)
    {
        QMouseEvent event(type, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }
    void DoubleClick(QWidget* w, QPoint p)
    {
        Mouse(w, QEvent::MouseButtonPress, p);
        Mouse(w, QEvent::MouseButtonRelease, p);
        Mouse(w, QEvent::MouseButtonDblClick, p);
        Mouse(w, QEvent::MouseButtonRelease, p);
    }
    void Delete(QWidget* w)
    {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }

    Host palHost;
};

} // namespace

TEST_F(PaletteWindow, AppliesAndDeletesToolsAndKeepsThem)
{
    const std::string path = TempPath("pal.dat");
    {
        CLdPaletteLayout layout;
        layout.AddTab("A");
        layout.AddTab("B");
        layout.Panes()[0].push_back(std::make_unique<CLdPaletteItem>(1, "Plain", 0, 0));
        layout.AddEffectItem(1, 32809, 0, 0);
        layout.Panes()[1].push_back(std::make_unique<CLdPaletteItem>(2, "Last", 0, 0));
        LdStorePaletteLayout(path, layout);
    }
    CLodo40Doc doc;
    NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(30, 20))));
    palHost.doc = &doc;

    auto* palette = new CLdPalette(palHost, path);
    palette->resize(300, 300);
    palette->show();
    QCoreApplication::processEvents();
    CLdPaletteWnd& pane = palette->Pane();
    EXPECT_EQ(palette->Tabs().count(), 2);
    // Arrows scroll a pixel, pages a tenth of the range.
    EXPECT_EQ(pane.ScrollBar().singleStep(), 1);
    EXPECT_EQ(pane.ScrollBar().maximum(), pane.Grid().ScrollTotal(1, pane.GridWidth()));
    EXPECT_EQ(pane.ScrollBar().pageStep(), pane.ScrollBar().maximum() / 10);

    // A double click applies the tool to the active picture.
    const QPoint firstCell(45, 45);
    DoubleClick(&pane, firstCell);
    EXPECT_EQ(pane.SelectedItem(), 0);
    ASSERT_EQ(doc.UndoList().Size(), 1u);
    EXPECT_EQ(doc.GetLabel(), "Plain");
    // Delete does nothing on the first tab.
    Delete(&pane);
    EXPECT_EQ(palette->Layout().Panes()[0].size(), 1u);

    // The last tab: an effect tool that cannot run is not applied; it can be deleted.
    palette->Tabs().setCurrentIndex(1);
    EXPECT_EQ(pane.CurrentPane(), 1);
    EXPECT_EQ(pane.SelectedItem(), -1);
    DoubleClick(&pane, firstCell);
    EXPECT_EQ(doc.UndoList().Size(), 1u);
    Delete(&pane);
    ASSERT_EQ(palette->Layout().Panes()[1].size(), 1u);
    EXPECT_EQ(palette->Layout().Panes()[1][0]->Name(), "Last");
    // A click on empty space clears the selection.
    Mouse(&pane, QEvent::MouseButtonPress, QPoint(200, 250));
    EXPECT_EQ(pane.SelectedItem(), -1);

    QRect stored;
    palette->onGeometry = [&](const QRect& r) { stored = r; };
    palette->DestroyWindow();
    EXPECT_FALSE(stored.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const LdPaletteLoad again = LdLoadPaletteLayout(path, 0, 0);
    ASSERT_FALSE(again.error);
    ASSERT_EQ(again.layout.Panes().size(), 2u);
    EXPECT_EQ(again.layout.Panes()[1].size(), 1u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PaletteWindow, ADamagedLayoutFileIsReported)
{
    const std::string path = TempPath("pal.dat");
    std::ofstream(path, std::ios::binary) << "not a palette";
    auto* palette = new CLdPalette(palHost, path);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(path), std::string::npos);
    EXPECT_EQ(palette->Tabs().count(), 4);
    palette->DestroyWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::ifstream kept(path + ".damaged");
    std::string first;
    std::getline(kept, first);
    EXPECT_EQ(first, "not a palette");
}
