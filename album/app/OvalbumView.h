// The album shown as a book: a spine with the album's title and a page of
// photo slots, turned page by page. The view selects records, hands them to
// the editor on a double-click, drags them within the album or out of it as
// files, takes dropped files and albums, and runs the album's commands.
#pragma once

#include <QPoint>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/View.h"

class CAlbumPane;
class COvalbumDoc;
class COvalbumRec;
class CPagePane;
class CRootPane;
class QMenu;
class QMimeData;

class COvalbumView : public fw::View {
    FW_DECLARE_DYNCREATE(COvalbumView)

public:
    COvalbumView();
    ~COvalbumView() override;

    COvalbumDoc* GetDocument() const;
    void OnInitialUpdate() override;
    void OnUpdate(fw::View* sender, int64_t hint, const void* hintObject) override;
    void OnDraw(QPainter& painter) override;

    // The book, laid out for the view's size (null before the first update).
    CRootPane* Root() const { return root_.get(); }
    CPagePane* Page() const;
    // Thumbnail size and the cell around it.
    static QSize CellSize();

    // The record under a point of the view, or null.
    COvalbumRec* RecordAt(QPoint at) const;
    // Makes record the selection and repaints.
    void SelectRecord(const COvalbumRec* record);
    // Turns to the page that shows record.
    void BringIntoSight(const COvalbumRec* record);

    // The pane that takes the mouse's moves while a button is held.
    CAlbumPane* CapturePane() const { return capturePane_; }
    void SetCapturePane(CAlbumPane* pane) { capturePane_ = pane; }
    const COvalbumRec* DraggedRecord() const { return dragged_; }

    // The files of a drag or drop, when it carries local files.
    static std::vector<std::string> DroppedFiles(const QMimeData& data);
    // What the view does with files dropped from outside: albums open,
    // pictures are added before the selection. Answers the pictures added.
    int DropFiles(const std::vector<std::string>& paths);
    // The record at the drop point takes the record dragged inside the view
    // (or the page index does); true when a move was made.
    bool DropInside(QPoint at);

    // The context menu for a click on record (or beside the records).
    std::unique_ptr<QMenu> MakeContextMenu(const COvalbumRec* record);

    // Runs a drag of the files in data and answers the action the drop
    // target chose; tests answer in place of the desktop.
    using DragRunner = std::function<Qt::DropAction(QMimeData* data)>;
    static DragRunner SetDragRunner(DragRunner runner);
    // Shows a context menu at a screen point; tests answer instead.
    using MenuRunner = std::function<void(QMenu& menu, QPoint screenPoint)>;
    static MenuRunner SetMenuRunner(MenuRunner runner);

    const fw::MessageMap* GetMessageMap() const override;

    // Commands of the album.
    void OnAddItems();
    void OnDeleteItem();
    void OnItemInfo();
    void OnOpenToEdit();
    void OnSlideOptions();
    void OnSlideShow();
    void OnViewPicture();
    void OnUndo();
    void OnCut();
    void OnCopy();
    void OnPaste();
    void OnAlbumInfo();
    void OnGoToSelected();
    void OnViewFound();
    void OnSearch();
    void OnSort(uint32_t id);
    void OnUpdateThumbnail();
    void OnSavePictureAs();
    void OnUpdateNeedsSelection(fw::CmdUI& ui);
    void OnUpdateNeedsRecords(fw::CmdUI& ui);
    void OnUpdateUndo(fw::CmdUI& ui);
    void OnUpdatePaste(fw::CmdUI& ui);
    void OnUpdateViewFound(fw::CmdUI& ui);
    void OnUpdateUpdateThumbnail(fw::CmdUI& ui);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Relayout();
    void StartDrag(COvalbumRec* record);
    // The drop action for a drag at a point; inside tells a drag from this view.
    Qt::DropAction DragAction(QPoint at, bool inside, Qt::KeyboardModifiers keys) const;
    void SetStatusText(const std::string& text);

    std::unique_ptr<CRootPane> root_;
    CAlbumPane* capturePane_ = nullptr;
    COvalbumRec* dragged_ = nullptr;
    QPoint dragPoint_;
    bool dragInside_ = false;
    QTimer marquee_;
};
