// The album's commands run through the frame on a real album of pictures:
// what each does to the records, the undo that follows, and the dialogs,
// file choosers, clipboard and windows they use.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QUrl>

#include "AlbumViewSupport.h"
#include "album/app/AlbumIds.h"
#include "album/app/AlbumSlideShowRun.h"
#include "album/app/PictureWnd.h"
#include "album/doc/AlbumReadWA.h"
#include "framework/Clipboard.h"
#include "framework/ControlId.h"

namespace albumapptest {
namespace {

class AlbumViewCommands : public AlbumViewFixture {
protected:
    void SetUp() override
    {
        AlbumViewFixture::SetUp();
        SetViewSize(520, 360);
        paths = AddPictures(3);
    }
    void TearDown() override
    {
        COvalbumView::SetDragRunner({});
        COvalbumView::SetMenuRunner({});
        SetSlideShowObserver({});
        AlbumViewFixture::TearDown();
    }
    COvalbumRec* Record(size_t i) const { return Doc()->GetRecords()[i].get(); }
    bool Run(uint32_t id) { return frame->SendCommand(id); }
    // Presses on a point of the view and moves the mouse far enough to drag.
    void Drag(QPoint from)
    {
        QWidget* viewport = View()->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(20, 0)), viewport->mapToGlobal(QPointF(from)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, from + QPoint(20, 0));
    }
    // Answers the next dialog: fills the edit or combo with id, then OK.
    void AnswerDialog(uint32_t id, const std::string& text)
    {
        fw::SetDialogHook([id, text](fw::Dialog& dialog) {
            QWidget* w = dialog.GetDlgItem(id);
            if (auto* edit = qobject_cast<QLineEdit*>(w))
                edit->setText(QString::fromStdString(text));
            else if (auto* combo = qobject_cast<QComboBox*>(w))
                combo->setEditText(QString::fromStdString(text));
            dialog.PressButton(fw::IDOK);
        });
    }

    std::vector<std::string> paths;
};

TEST_F(AlbumViewCommands, EachCommandChangesTheAlbumAndUndoes)
{
    const std::string other = PathOf("other.png");
    albumtest::WritePictureFile(other, 20, 20);
    struct Case {
        const char* name;
        int select;
        std::function<void()> answer;
        uint32_t command;
        std::vector<std::string> names;
    } const cases[] = {
        {"add new items", -1,
         [&] { fw::SetFileDialogHook([&](const fw::FileDialogRequest& r) {
                   EXPECT_TRUE(r.multiple);
                   return std::optional<std::string>(other + "\n" + paths[0]);
               }); },
         ID_ADD_ITEMS, {"p0.png", "p1.png", "p2.png", "other.png", "p0.png"}},
        {"delete", 1, [] {}, ID_DELETE_ITEM, {"p0.png", "p2.png"}},
        {"sort by file name", -1, [] {}, ID_SORT_FILENAME, {"p0.png", "p1.png", "p2.png"}},
        {"sort by modification", -1, [] {}, ID_SORT_MODIFICATION, {"p0.png", "p1.png", "p2.png"}},
        {"picture info", 0, [&] { AnswerDialog(IDC_INFO_ALIAS, "Ann"); }, ID_ITEM_INFO, {"p0.png", "p1.png", "p2.png"}},
        {"album info", -1, [&] { AnswerDialog(IDC_INFO_GROUP, "Town"); }, ID_ALBUM_INFO,
         {"p0.png", "p1.png", "p2.png"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Doc()->MoveRecord(Record(2), Record(0));  // c, a, b: the sorts have work to do
        Doc()->MoveRecord(Record(0), nullptr);
        Doc()->Select(c.select < 0 ? nullptr : Record(size_t(c.select)));
        const std::vector<std::string> before = Names();
        const std::string alias = Record(0)->alias, group = Doc()->groupCaption;
        c.answer();
        EXPECT_TRUE(Run(c.command));
        EXPECT_EQ(Names(), c.names);
        EXPECT_TRUE(Run(ID_ALBUM_UNDO));
        EXPECT_EQ(Names(), before);
        EXPECT_EQ(Record(0)->alias, alias);
        EXPECT_EQ(Doc()->groupCaption, group);
        fw::SetDialogHook({});
        fw::SetFileDialogHook({});
    }
}

TEST_F(AlbumViewCommands, SearchShowsOnlyWhatItFindsUntilTheViewIsToggled)
{
    Record(1)->alias = "Beach";
    AnswerDialog(IDC_FIND_ALIAS, "b*");
    EXPECT_TRUE(Run(ID_SEARCH));
    EXPECT_EQ(Doc()->viewOnlyFound, 1);
    ASSERT_EQ(Doc()->GetFoundRecords().size(), 1u);
    EXPECT_EQ(Doc()->GetFoundRecords()[0], Record(1));
    EXPECT_FALSE(Page().CellOf(Record(1)).isEmpty());
    EXPECT_TRUE(Page().CellOf(Record(0)).isEmpty());
    EXPECT_TRUE(Run(ID_VIEW_FOUND));
    EXPECT_EQ(Doc()->GetFoundRecords().size(), 3u);
}

TEST_F(AlbumViewCommands, CopyAndPasteGoThroughTheClipboardAndTheUsersName)
{
    Doc()->Select(Record(2));
    EXPECT_TRUE(Run(ID_ALBUM_COPY));
    ASSERT_TRUE(fw::Clipboard::HasDib());
    const std::string pasted = PathOf("pasted.bmp");
    fw::SetFileDialogHook([&](const fw::FileDialogRequest& r) {
        EXPECT_FALSE(r.open);
        return std::optional<std::string>(pasted);
    });
    EXPECT_TRUE(Run(ID_ALBUM_PASTE));
    // Written where the user said, and put before the selection.
    EXPECT_EQ(Names(), (std::vector<std::string>{"p0.png", "p1.png", "pasted.bmp", "p2.png"}));
    WA* back = ReadAlbumPicture(pasted);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->width, 40);
    WARelease(back);

    // Cut: copied, then gone; a record whose file is gone keeps its place.
    Doc()->Select(Record(0));
    EXPECT_TRUE(Run(ID_ALBUM_CUT));
    EXPECT_EQ(Names().front(), "p1.png");
    QFile::remove(QString::fromStdString(paths[1]));
    EXPECT_TRUE(Run(ID_ALBUM_CUT));
    EXPECT_EQ(Names().front(), "p1.png");
}

TEST_F(AlbumViewCommands, ScannedPicturesGoToTheScanFolderUnderFreeNames)
{
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(PathOf("scans"))));
    app.scan.TakeChoice(PathOf("scans"), 2);
    albumtest::WritePictureFile(PathOf("scans/TW_0.BMP"), 4, 4);
    WA* scanned = albumtest::MakePicture(30, 20);
    EXPECT_TRUE(app.DeliverScannedPicture(*scanned));
    EXPECT_TRUE(app.DeliverScannedPicture(*scanned));
    WARelease(scanned);
    // Each goes before the selection, which the one before it had become.
    EXPECT_EQ(Names(), (std::vector<std::string>{"p0.png", "p1.png", "p2.png", "TW_2.BMP", "TW_1.BMP"}));
    EXPECT_EQ(Doc()->GetSelection(), Record(3));
    EXPECT_EQ(app.scanning, 0);
}

TEST_F(AlbumViewCommands, TheSlideShowCyclesTheFoundPicturesUntilAClick)
{
    Doc()->slideShowDelay = 0;
    std::vector<int> widths;
    SetSlideShowObserver([&](CPictureWnd& window, int shown) {
        widths.push_back(window.View().Picture()->width);
        if (shown == 5)
            window.View().OnOtherInput();
    });
    EXPECT_TRUE(Run(ID_SLIDE_SHOW));
    EXPECT_EQ(widths.size(), 5u);

    // A picture that does not read ends the show.
    widths.clear();
    QFile::remove(QString::fromStdString(paths[1]));
    EXPECT_TRUE(Run(ID_SLIDE_SHOW));
    EXPECT_EQ(widths.size(), 1u);
}

TEST_F(AlbumViewCommands, DraggingRecordsMovesThemOrHandsThemOut)
{
    COvalbumView& view = *View();
    // A click alone drags nothing.
    int drags = 0;
    COvalbumView::SetDragRunner([&](QMimeData*) { ++drags; return Qt::MoveAction; });
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, Page().CellOf(Record(0)).center());
    EXPECT_EQ(drags, 0);
    EXPECT_EQ(Names().size(), 3u);

    // Out of the album with move: the record goes, its file stays.
    COvalbumView::SetDragRunner([&](QMimeData* data) {
        EXPECT_EQ(COvalbumView::DroppedFiles(*data), std::vector<std::string>{paths[0]});
        return Qt::MoveAction;
    });
    Drag(Page().CellOf(Record(0)).center());
    EXPECT_EQ(Names(), (std::vector<std::string>{"p1.png", "p2.png"}));
    EXPECT_EQ(Doc()->GetSelection(), Record(0));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(paths[0])));
    ASSERT_TRUE(Run(ID_ALBUM_UNDO));

    // Inside: onto itself or the one after it nothing moves; onto another it
    // goes before it.
    const struct {
        size_t dragged, onto;
        std::vector<std::string> names;
    } cases[] = {
        {0, 0, {"p0.png", "p1.png", "p2.png"}},
        {0, 1, {"p0.png", "p1.png", "p2.png"}},
        {2, 0, {"p2.png", "p0.png", "p1.png"}},
        {0, 2, {"p1.png", "p0.png", "p2.png"}},
    };
    for (const auto& c : cases) {
        COvalbumView::SetDragRunner([&](QMimeData*) {
            const QPoint onto = Page().CellOf(Record(c.onto)).center();
            EXPECT_EQ(view.DropInside(onto), c.dragged != c.onto && c.onto != c.dragged + 1);
            return Qt::MoveAction;
        });
        Drag(Page().CellOf(Record(c.dragged)).center());
        EXPECT_EQ(Names(), c.names) << c.dragged << " onto " << c.onto;
        Doc()->SortRecords(AlbumSortKey::FileName);
    }
}

TEST_F(AlbumViewCommands, DroppedFilesAreAddedAndAlbumsOpened)
{
    Doc()->Select(Record(1));
    const std::string other = PathOf("other.png");
    albumtest::WritePictureFile(other, 20, 20);
    EXPECT_EQ(View()->DropFiles({other, PathOf("broken.png")}), 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"p0.png", "other.png", "p1.png", "p2.png"}));

    // An album file opens and adds no record.
    const std::string album = PathOf("saved.ova");
    ASSERT_TRUE(Doc()->OnSaveDocument(album));
    Doc()->SetModifiedFlag(false);
    EXPECT_TRUE(Doc()->DeleteSelection());
    Doc()->SetModifiedFlag(false);
    EXPECT_EQ(View()->DropFiles({album}), 0);
    EXPECT_EQ(Names().size(), 4u);
}

TEST_F(AlbumViewCommands, FilesDraggedFromOutsideAreCopiedOrMovedIn)
{
    const std::string other = PathOf("other.png");
    albumtest::WritePictureFile(other, 20, 20);
    QWidget* viewport = View()->viewport();
    const QPoint at = Page().CellOf(Record(0)).center();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;

    QMimeData text;
    text.setText("not a file");
    QDragEnterEvent enterText(at, offered, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enterText);
    EXPECT_FALSE(enterText.isAccepted());

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QString::fromStdString(other))});
    QDragEnterEvent enter(at, offered, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    EXPECT_TRUE(enter.isAccepted());
    for (const auto& [keys, want] : {std::pair{Qt::NoModifier, Qt::CopyAction}, {Qt::ShiftModifier, Qt::MoveAction}}) {
        QDragMoveEvent move(at, offered, &files, Qt::LeftButton, keys);
        QCoreApplication::sendEvent(viewport, &move);
        EXPECT_TRUE(move.isAccepted());
        EXPECT_EQ(move.dropAction(), want);
    }
    QDropEvent drop(QPointF(at), offered, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    EXPECT_EQ(Names(), (std::vector<std::string>{"p0.png", "p1.png", "p2.png", "other.png"}));
}

TEST_F(AlbumViewCommands, ContextMenusOfARecordAndOfThePage)
{
    const auto texts = [&](const COvalbumRec* record) {
        std::vector<std::string> items;
        const std::unique_ptr<QMenu> menu = View()->MakeContextMenu(record);
        for (QAction* a : menu->actions())
            items.push_back(a->text().toStdString());
        return items;
    };
    const std::vector<std::string> unchanged = texts(Record(0));
    EXPECT_EQ(unchanged.size(), 8u);
    EXPECT_EQ(std::count(unchanged.begin(), unchanged.end(), "Update Thumbnail"), 0);
    QFile::remove(QString::fromStdString(paths[0]));
    const std::vector<std::string> missing = texts(Record(0));
    EXPECT_EQ(missing[4], "Update Thumbnail");
    EXPECT_EQ(texts(nullptr).front(), "Undo");

    // A right click on a record selects it and offers its menu, whose items
    // run the commands.
    COvalbumView::SetMenuRunner([](QMenu& menu, QPoint) {
        for (QAction* a : menu.actions())
            if (fw::ControlId(a) == ID_DELETE_ITEM)
                a->trigger();
    });
    QTest::mousePress(View()->viewport(), Qt::RightButton, {}, Page().CellOf(Record(2)).center());
    EXPECT_EQ(Names(), (std::vector<std::string>{"p0.png", "p1.png"}));
}

TEST_F(AlbumViewCommands, ADoubleClickOrOpenToEditStartsTheEditorWithThePicture)
{
    // No editor started the album: each hand-over starts one with the file.
    QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, Page().CellOf(Record(1)).center());
    Doc()->Select(Record(2));
    EXPECT_TRUE(Run(ID_OPEN_TO_EDIT));
    ASSERT_EQ(launcher->started.size(), 2u);
    EXPECT_EQ(launcher->started[0].second, std::vector<std::string>{paths[1]});
    EXPECT_EQ(launcher->started[1].second, std::vector<std::string>{paths[2]});
}

TEST_F(AlbumViewCommands, TheIdleCheckAsksAndRemovesOnlyOnDelete)
{
    QFile::remove(QString::fromStdString(paths[0]));
    QFile::remove(QString::fromStdString(paths[2]));
    std::vector<int> answers = {fw::IDCANCEL};  // "Delete" for the first; the second is closed
    fw::SetDialogHook([&](fw::Dialog& dialog) {
        if (!answers.empty()) {
            dialog.PressButton(uint32_t(answers.front()));
            answers.erase(answers.begin());
        } else {
            static_cast<QDialog&>(dialog).reject();  // Escape
        }
    });
    app.CheckAlbumFiles(*Doc());
    EXPECT_EQ(Names(), (std::vector<std::string>{"p1.png", "p2.png"}));
    EXPECT_TRUE(Record(1)->ignored);
}

} // namespace
} // namespace albumapptest
