// The album view's mouse: selecting, turning pages through the panes,
// dragging records as files, taking dropped files, the context menus.
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include "album/app/AlbumIds.h"
#include "album/app/AlbumProgress.h"
#include "album/app/AlbumStatusText.h"
#include "album/app/OvalbumApp.h"
#include "album/app/OvalbumView.h"
#include "album/app/book/PageIndexPane.h"
#include "album/app/book/PagePane.h"
#include "album/app/book/RootPane.h"
#include "album/doc/AlbumRcStr.h"
#include "album/doc/OvalbumDoc.h"
#include "framework/CommandIds.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "framework/FrameWnd.h"

namespace {

COvalbumView::DragRunner& DragRunnerSlot()
{
    static COvalbumView::DragRunner runner;
    return runner;
}

COvalbumView::MenuRunner& MenuRunnerSlot()
{
    static COvalbumView::MenuRunner runner;
    return runner;
}

bool IsAlbumFile(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).suffix().toUpper() == "OVA";
}

} // namespace

COvalbumView::DragRunner COvalbumView::SetDragRunner(DragRunner runner)
{
    std::swap(DragRunnerSlot(), runner);
    return runner;
}

COvalbumView::MenuRunner COvalbumView::SetMenuRunner(MenuRunner runner)
{
    std::swap(MenuRunnerSlot(), runner);
    return runner;
}

void COvalbumView::mousePressEvent(QMouseEvent* event)
{
    fw::GuardedCall([&] {
        const QPoint at = event->position().toPoint();
        COvalbumRec* record = RecordAt(at);
        if (event->button() == Qt::RightButton) {
            if (record)
                SelectRecord(record);
            const std::unique_ptr<QMenu> menu = MakeContextMenu(record);
            const QPoint screen = viewport()->mapToGlobal(at);
            if (MenuRunnerSlot())
                MenuRunnerSlot()(*menu, screen);
            else
                menu->exec(screen);
            return;
        }
        if (event->button() != Qt::LeftButton)
            return;
        if (record) {
            // The drag starts once the mouse moves (a double-click must not
            // become one).
            dragPoint_ = at;
            dragged_ = record;
            SelectRecord(record);
            return;
        }
        if (root_)
            if (const QRect r = root_->Click(at); !r.isEmpty())
                viewport()->update(r);
    });
}

void COvalbumView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (dragged_ && !capturePane_ && (event->buttons() & Qt::LeftButton) &&
        (at - dragPoint_).manhattanLength() >= QApplication::startDragDistance()) {
        dragPoint_ = at;
        fw::GuardedCall([&] { StartDrag(dragged_); });
        return;
    }
    if (capturePane_)
        fw::GuardedCall([&] { capturePane_->MouseMove(at); });
}

void COvalbumView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    fw::GuardedCall([&] {
        if (capturePane_) {
            CAlbumPane* pane = capturePane_;
            pane->ButtonUp(at);
            capturePane_ = nullptr;
        } else {
            dragged_ = nullptr;
        }
    });
}

void COvalbumView::mouseDoubleClickEvent(QMouseEvent* event)
{
    fw::GuardedCall([&] {
        if (const COvalbumRec* record = RecordAt(event->position().toPoint()))
            if (COvalbumApp* app = COvalbumApp::Get())
                app->EditPicture(record->path);
    });
}

void COvalbumView::StartDrag(COvalbumRec* record)
{
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(QString::fromStdString(record->path))});
    dragInside_ = false;
    Qt::DropAction action;
    if (DragRunnerSlot()) {
        action = DragRunnerSlot()(data);
        delete data;
    } else {
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        action = drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
    }
    // Moved out of the album: the record goes (the file itself stays where
    // the target put it), and the next one becomes the selection.
    COvalbumDoc* doc = GetDocument();
    if (action == Qt::MoveAction && !dragInside_ && doc && doc->IndexOf(record) >= 0) {
        const int32_t at = doc->IndexOf(record);
        const auto& records = doc->GetRecords();
        doc->Select(size_t(at) + 1 < records.size() ? records[size_t(at) + 1].get() : nullptr);
        doc->RemoveRecords({record});
    }
    dragged_ = nullptr;
    dragInside_ = false;
}

std::vector<std::string> COvalbumView::DroppedFiles(const QMimeData& data)
{
    std::vector<std::string> paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

Qt::DropAction COvalbumView::DragAction(QPoint at, bool inside, Qt::KeyboardModifiers keys) const
{
    if (!inside)
        return keys & Qt::ShiftModifier ? Qt::MoveAction : Qt::CopyAction;
    if (!dragged_)
        return Qt::MoveAction;
    if (const COvalbumRec* over = RecordAt(at)) {
        const COvalbumDoc* doc = GetDocument();
        const int32_t from = doc ? doc->IndexOf(dragged_) : -1;
        const int32_t to = doc ? doc->IndexOf(over) : -1;
        // Before itself or before the one after it, the record stays put.
        return over == dragged_ || to == from + 1 ? Qt::IgnoreAction : Qt::MoveAction;
    }
    return root_ && !root_->HoverTest(at).isEmpty() ? Qt::MoveAction : Qt::IgnoreAction;
}

void COvalbumView::dragEnterEvent(QDragEnterEvent* event)
{
    dragInside_ = false;
    if (DroppedFiles(*event->mimeData()).empty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void COvalbumView::dragMoveEvent(QDragMoveEvent* event)
{
    if (DroppedFiles(*event->mimeData()).empty()) {
        event->ignore();
        return;
    }
    const bool inside = event->source() == this || event->source() == viewport();
    dragInside_ = inside;
    const Qt::DropAction action = DragAction(event->position().toPoint(), inside, event->modifiers());
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

void COvalbumView::dragLeaveEvent(QDragLeaveEvent* event)
{
    // A record dragged out of the view and let go elsewhere leaves the album
    // when moved.
    dragInside_ = false;
    event->accept();
}

void COvalbumView::dropEvent(QDropEvent* event)
{
    const std::vector<std::string> paths = DroppedFiles(*event->mimeData());
    const bool inside = event->source() == this || event->source() == viewport();
    fw::GuardedCall([&] {
        if (inside) {
            DropInside(event->position().toPoint());
            event->setDropAction(Qt::MoveAction);
            event->accept();
            return;
        }
        activateWindow();
        DropFiles(paths);
        event->setDropAction(event->modifiers() & Qt::ShiftModifier ? Qt::MoveAction : Qt::CopyAction);
        event->accept();
    });
}

bool COvalbumView::DropInside(QPoint at)
{
    // The drag ends inside: the record stays in the album whatever the
    // drop does.
    dragInside_ = true;
    COvalbumDoc* doc = GetDocument();
    if (!doc || !dragged_)
        return false;
    if (const COvalbumRec* over = RecordAt(at)) {
        const int32_t from = doc->IndexOf(dragged_);
        if (over == dragged_ || doc->IndexOf(over) == from + 1)
            return false;
        doc->MoveRecord(dragged_, over);
        return true;
    }
    if (!root_ || root_->HoverTest(at).isEmpty())
        return false;
    const int32_t before = doc->IndexOf(dragged_);
    const auto order = doc->GetRecords().size();
    root_->ButtonUp(at);
    viewport()->update();
    return doc->IndexOf(dragged_) != before || order != doc->GetRecords().size();
}

int COvalbumView::DropFiles(const std::vector<std::string>& paths)
{
    COvalbumDoc* doc = GetDocument();
    COvalbumApp* app = COvalbumApp::Get();
    int added = 0;
    for (const std::string& path : paths) {
        if (IsAlbumFile(path)) {
            if (app)
                app->OpenDocumentFile(path);
            continue;
        }
        // An album opened by an earlier path replaced this view's document.
        doc = GetDocument();
        if (!doc)
            continue;
        SetStatusText(AlbumStatusText(IDS_CREATING_THUMBNAIL, added + 1));
        AlbumProgress progress;
        COvalbumRec* record = doc->AddPictureFile(path, true, &progress);
        if (!record)
            continue;
        ++added;
        doc->Select(record);
        BringIntoSight(record);
    }
    if (added)
        SetStatusText({});
    return added;
}

std::unique_ptr<QMenu> COvalbumView::MakeContextMenu(const COvalbumRec* record)
{
    auto menu = std::make_unique<QMenu>(this);
    const auto add = [&](uint32_t id, const char* text) {
        QAction* action = menu->addAction(text);
        fw::SetControlId(action, id);
        connect(action, &QAction::triggered, this, [this, id] {
            fw::GuardedCall([&] {
                if (fw::FrameWnd* frame = GetParentFrame())
                    frame->SendCommand(id);
                else
                    OnCmdMsg(id, fw::CmdCode::Command, nullptr);
            });
        });
    };
    if (record) {
        add(ID_ALBUM_CUT, "Cut");
        add(ID_ALBUM_COPY, "Copy");
        add(ID_ALBUM_PASTE, "Paste");
        add(ID_DELETE_ITEM, "Delete");
        if (record->GetFileState() != COvalbumRec::fileUnchanged)
            add(ID_UPDATE_THUMBNAIL, "Update Thumbnail");
        add(ID_ITEM_INFO, "Picture Info...");
        add(ID_OPEN_TO_EDIT, "Open Picture to Edit");
        add(ID_VIEW_PICTURE, "View Picture");
        add(ID_SAVE_PICTURE_AS, "Save Picture As...");
    } else {
        add(ID_ALBUM_UNDO, "Undo");
        add(ID_SEARCH, "&Search...");
        add(ID_SORT_FILENAME, "Sort by file name");
        add(ID_SORT_ALIAS, "Sort by alias");
        add(ID_SORT_CREATION, "Sort by date of creation");
        add(ID_SORT_MODIFICATION, "Sort by date of last modification");
        add(ID_ADD_ITEMS, "Add new items...");
        add(ID_ALBUM_INFO, "Album Info...");
    }
    return menu;
}
