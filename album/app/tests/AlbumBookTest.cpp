// The album book: how many slots a page holds and how pages turn for an
// empty album, one picture, a page's worth and many; what each pane
// answers to a click or a hover; and what the book looks like.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "AlbumViewSupport.h"
#include "album/app/book/PageArrowsPane.h"
#include "album/app/book/PageIndexPane.h"
#include "album/app/book/RootPane.h"
#include "album/app/book/SpinePane.h"

namespace albumapptest {
namespace {

class AlbumBookTest : public AlbumViewFixture {
protected:
    // The records shown on the current page, cell by cell.
    std::vector<const COvalbumRec*> Shown() const
    {
        std::vector<const COvalbumRec*> shown;
        for (const auto& r : Doc()->GetRecords())
            if (!Page().CellOf(r.get()).isEmpty())
                shown.push_back(r.get());
        return shown;
    }
};

TEST_F(AlbumBookTest, PagesForNoneOneAPageAndMany)
{
    SetViewSize(520, 360);
    const CPagePane::Grid grid = Page().GetGrid();
    const int perPage = Page().ItemsPerPage();
    ASSERT_GT(perPage, 1);
    EXPECT_EQ(perPage, grid.columns * grid.rows);
    // Every slot lies on the page, clear of the page index.
    const QRect lastCell(grid.origin.x() + (grid.columns - 1) * grid.columnStep,
                         grid.origin.y() + (grid.rows - 1) * grid.rowStep, grid.columnStep, grid.rowStep);
    EXPECT_TRUE(Page().Rect().contains(lastCell));
    EXPECT_LE(lastCell.right(), Page().Index().Rect().left());

    const struct {
        int records, pages, onLastPage;
    } cases[] = {
        {0, 1, 0},
        {1, 1, 1},
        {perPage, 2, 0},  // a full page and an empty one after it
        {3 * perPage + 1, 4, 1},
    };
    int added = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.records);
        AddPictures(c.records - added, added);
        added = c.records;
        EXPECT_EQ(Page().PageCount(), c.pages);
        Page().GoToPage(0);
        EXPECT_EQ(int(Shown().size()), std::min(c.records, perPage));
        Page().GoToPage(c.pages + 5);  // held to the last page
        EXPECT_EQ(Page().CurrentPage(), c.pages - 1);
        EXPECT_EQ(int(Shown().size()), c.onLastPage);
        EXPECT_EQ(Page().Arrows().Previous(), c.pages > 1);
        EXPECT_FALSE(Page().Arrows().Next());
    }
}

TEST_F(AlbumBookTest, AWindowTooSmallForOneCellStillShowsOne)
{
    AddPictures(3);
    SetViewSize(90, 80);
    const CPagePane::Grid grid = Page().GetGrid();
    EXPECT_EQ(grid.columns, 1);
    EXPECT_EQ(grid.rows, 1);
    EXPECT_EQ(Page().ItemsPerPage(), 1);
    EXPECT_EQ(Page().PageCount(), 4);
    EXPECT_EQ(Shown(), std::vector<const COvalbumRec*>{Doc()->GetRecords()[0].get()});
}

TEST_F(AlbumBookTest, TurningKeepsTheCurrentPageInTheIndex)
{
    SetViewSize(400, 260);
    const int perPage = Page().ItemsPerPage();
    AddPictures(12 * perPage);
    CPageIndexPane& index = Page().Index();
    const int pages = Page().PageCount();
    ASSERT_GT(pages, index.Rows());
    Page().GoToPage(pages - 1);
    EXPECT_EQ(index.FirstVisible(), pages - index.Rows());
    Page().PreviousPage();
    EXPECT_EQ(Page().CurrentPage(), pages - 2);
    EXPECT_TRUE(Page().Arrows().Next());
    Page().GoToPage(0);
    EXPECT_EQ(index.FirstVisible(), 0);
    index.Scroll(-3);
    EXPECT_EQ(index.FirstVisible(), 0);
    index.Scroll(pages + 10);
    EXPECT_EQ(index.FirstVisible(), pages - 1);
    // The first record of a page comes after all the pages before it.
    Page().GoToPage(2);
    EXPECT_EQ(Shown().front(), Doc()->GetRecords()[size_t(2 * perPage)].get());
}

TEST_F(AlbumBookTest, EveryPaneAnswersClicksAndHovers)
{
    SetViewSize(520, 360);
    AddPictures(3 * Page().ItemsPerPage());
    CRootPane& root = *View()->Root();
    const QRect arrows = Page().Arrows().Rect();
    const QRect index = Page().Index().Rect();
    const QRect spine = root.Spine().Rect();
    const QRect cell = Page().CellOf(Doc()->GetRecords()[1].get());
    ASSERT_FALSE(cell.isEmpty());

    // A record's cell, and the gap beside the grid.
    EXPECT_EQ(View()->RecordAt(cell.center()), Doc()->GetRecords()[1].get());
    EXPECT_EQ(View()->RecordAt(cell.topLeft()), Doc()->GetRecords()[1].get());
    EXPECT_EQ(View()->RecordAt(spine.center()), nullptr);
    EXPECT_EQ(View()->RecordAt(QPoint(Page().Rect().left() + 2, Page().Rect().top() + 2)), nullptr);

    // Arrows: the right half turns on, the left half back.
    EXPECT_EQ(root.Click(QPoint(arrows.right() - 1, arrows.center().y())), Page().Rect());
    EXPECT_EQ(Page().CurrentPage(), 1);
    root.Click(QPoint(arrows.left() + 1, arrows.center().y()));
    EXPECT_EQ(Page().CurrentPage(), 0);

    // Page index: the current row answers nothing, another turns to its page.
    const int rowHeight = index.height() / Page().Index().Rows();
    const QPoint row0(index.center().x(), index.top() + rowHeight / 2);
    const QPoint row2(index.center().x(), index.top() + 2 * rowHeight + rowHeight / 2);
    EXPECT_TRUE(root.HoverTest(row0).isEmpty());
    EXPECT_FALSE(root.HoverTest(row2).isEmpty());
    EXPECT_EQ(root.Click(row2), Page().Rect());
    EXPECT_EQ(Page().CurrentPage(), 2);
    EXPECT_TRUE(root.HoverTest(row2).isEmpty());

    // Knob: takes the mouse; moves of 3 pixels down scroll the index.
    const QRect knob(Page().Rect().right() - 23, Page().Rect().top(), 24, 24);
    EXPECT_FALSE(root.Click(knob.center()).isEmpty());
    ASSERT_NE(View()->CapturePane(), nullptr);
    const int first = Page().Index().FirstVisible();
    View()->CapturePane()->MouseMove(knob.center() + QPoint(0, 3));
    EXPECT_EQ(Page().Index().FirstVisible(), std::min(first + 1, Page().PageCount() - 1));
    View()->CapturePane()->ButtonUp(knob.center());
    EXPECT_EQ(View()->CapturePane(), nullptr);

    // Spine and page background answer their own rectangles; outside, nothing.
    EXPECT_EQ(root.Click(spine.center()), spine);
    EXPECT_EQ(root.Click(QPoint(Page().Rect().left() + 30, Page().Rect().top() + 3)), Page().Rect());
    EXPECT_TRUE(root.Click(QPoint(2, 2)).isEmpty());
}

TEST_F(AlbumBookTest, TheGrabShowsEachThumbnailInItsSlot)
{
    SetViewSize(520, 360);
    AddPictures(5);
    Doc()->Select(Doc()->GetRecords()[0].get());
    QTemporaryDir out;
    const QString png = out.filePath("book.png");
    ASSERT_TRUE(View()->viewport()->grab().toImage().save(png));
    const QImage book(png);
    ASSERT_EQ(book.size(), View()->viewport()->size());
    for (size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const QRect cell = Page().CellOf(Doc()->GetRecords()[i].get());
        // The thumbnail sits centred in the slot at the top of the cell.
        const QPoint centre(cell.center().x(), cell.top() + 30);
        EXPECT_EQ(book.pixelColor(centre), QColor(255 - int(i) * 3, 100, int(i) * 3));
    }
    // An empty cell shows its white slot; the spine is paper, not the window.
    const CPagePane::Grid grid = Page().GetGrid();
    const QPoint emptySlot(grid.origin.x() + 5 * grid.columnStep + grid.columnStep / 2, grid.origin.y() + 5);
    if (grid.columns > 5) {
        EXPECT_EQ(book.pixelColor(emptySlot), QColor(Qt::white));
    }
    const QRect spine = View()->Root()->Spine().Rect();
    EXPECT_NE(book.pixelColor(spine.left() + 3, spine.top() + 3), View()->palette().color(QPalette::Button));
}

TEST_F(AlbumBookTest, ASelectedNameTooLongForItsSlotScrolls)
{
    SetViewSize(520, 360);
    const std::string longName = PathOf("a picture with a very long name indeed.png");
    albumtest::WritePictureFile(longName, 40, 30);
    AddPictures(1);
    ASSERT_TRUE(Doc()->AddPictureFile(longName, false));
    Refresh();
    View()->viewport()->grab();
    EXPECT_TRUE(Page().TickMarquee().isEmpty());  // nothing selected: nothing scrolls

    // The short name fits: still nothing.
    View()->SelectRecord(Doc()->GetRecords()[0].get());
    View()->viewport()->grab();
    EXPECT_TRUE(Page().TickMarquee().isEmpty());

    View()->SelectRecord(Doc()->GetRecords()[1].get());
    View()->viewport()->grab();
    const QRect line = Page().TickMarquee();
    const QRect cell = Page().CellOf(Doc()->GetRecords()[1].get());
    EXPECT_TRUE(cell.contains(line.center()));
    EXPECT_EQ(Page().MarqueeOffset(), -CPagePane::kMarqueeStep);
    // Off the left end it comes back in at the right.
    int ticks = 0;
    while (Page().MarqueeOffset() <= 0 && ticks < 1000) {
        Page().TickMarquee();
        ++ticks;
    }
    EXPECT_EQ(Page().MarqueeOffset(), line.width());
    EXPECT_GT(ticks, line.width() / CPagePane::kMarqueeStep);
}

} // namespace
} // namespace albumapptest
