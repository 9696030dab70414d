#include "editor/view/Lodo40View.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "blt/qt/QPainterDC.h"
#include "blt/qt/QRegionBands.h"
#include "blt/qt/QRegionRgn.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/ui/ProgramEnvironment.h"
#include "editor/ui/SysColor.h"
#include "editor/view/PaintBand.h"
#include "editor/view/ViewTool.h"
#include "framework/CommandIds.h"
#include "framework/CmdUI.h"
#include "framework/EventGuard.h"
#include "framework/MDIChildWnd.h"

FW_IMPLEMENT_DYNCREATE(CLodo40View, CQuendleScrollView)

namespace {

constexpr int kPointOption = 128; // pixel centres
constexpr int kRectOption = 256;  // edges, result ordered

QRect ToQRect(const QnRect& r)
{
    return QRect(r.left, r.top, int(std::min<int64_t>(r.Width(), INT32_MAX)),
                 int(std::min<int64_t>(r.Height(), INT32_MAX)));
}

}  // namespace

CLodo40View::CLodo40View()
{
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    if (const auto marker = LdLoadProgramBitmap(IDI_CLONE_MARKER))
        cloneMarker_ = *marker;
}

CLodo40View::~CLodo40View() = default;

CLodo40Doc* CLodo40View::GetDocument() const
{
    return dynamic_cast<CLodo40Doc*>(fw::View::GetDocument());
}

QnRect CLodo40View::GetPictureRect() const
{
    const CLodo40Doc* doc = GetDocument();
    const QnPoint size = doc ? doc->GetPictureSize() : QnPoint{};
    return QnRect{0, 0, size.x, size.y};
}

QnPoint CLodo40View::ClientToPicture(const QnPoint& p) const
{
    const QnPoint zoomed{p.x + ScrollX(), p.y + ScrollY()};
    return extraXForm_.RevXForm(zoomXForm_.RevXForm(zoomed, kPointOption), kPointOption);
}

QnPoint CLodo40View::PictureToClient(const QnPoint& p) const
{
    const QnPoint zoomed = zoomXForm_.XForm(extraXForm_.XForm(p, kPointOption), kPointOption);
    return QnPoint{zoomed.x - ScrollX(), zoomed.y - ScrollY()};
}

QnRect CLodo40View::PictureRectToClient(const QnRect& r) const
{
    const QnRect zoomed = zoomXForm_.XForm(extraXForm_.XForm(r, kRectOption), kRectOption);
    return QnRect{zoomed.left - ScrollX(), zoomed.top - ScrollY(), zoomed.right - ScrollX(),
                  zoomed.bottom - ScrollY()};
}

QnRect CLodo40View::GetPictureClientRect() const
{
    return QnIntersectRect(PictureRectToClient(GetPictureRect()),
                           QnRect{0, 0, viewport()->width(), viewport()->height()});
}

QnPoint CLodo40View::ClampToPicture(const QnPoint& p) const
{
    const QnRect r = GetPictureRect();
    return QnPoint{std::clamp(p.x, 0, std::max(r.right - 1, 0)), std::clamp(p.y, 0, std::max(r.bottom - 1, 0))};
}

QnXFormXY CLodo40View::GetViewXForm() const
{
    return QnXFormXY(zoomXForm_.GetXFactor() * extraXForm_.GetXFactor(),
                     zoomXForm_.GetYFactor() * extraXForm_.GetYFactor());
}

// Zoom ---------------------------------------------------------------------

void CLodo40View::UpdateScrollSizes()
{
    const QnRect zoomed = zoomXForm_.XForm(extraXForm_.XForm(GetPictureRect(), kRectOption), kRectOption);
    SetScrollSizes(int32_t(std::min<int64_t>(zoomed.Width(), INT32_MAX)),
                   int32_t(std::min<int64_t>(zoomed.Height(), INT32_MAX)));
}

void CLodo40View::SetZoom(const QnXFormXY& zoom)
{
    if (zoomXForm_ == zoom && extraXForm_ == QnXFormXY())
        return;
    // The picture point at the centre of the window stays there.
    const int barX = verticalScrollBar()->isVisible() ? verticalScrollBar()->width() : 0;
    const int barY = horizontalScrollBar()->isVisible() ? horizontalScrollBar()->height() : 0;
    const int w = viewport()->width() + barX, h = viewport()->height() + barY;
    const QnPoint centre = ClampToPicture(ClientToPicture(QnPoint{w / 2, h / 2}));
    zoomXForm_ = zoom;
    extraXForm_ = QnXFormXY();
    UpdateScrollSizes();
    const QnPoint at = zoomXForm_.XForm(centre, kPointOption);
    ScrollTo(at.x - w / 2, at.y - h / 2);
    UpdateScrollSizes();
    blitter_.InvalidateBits(nullptr);
    viewport()->update();
}

void CLodo40View::OnViewActualView()
{
    zoom_ = ViewZoom{};
    SetZoom(QnXFormXY());
}

void CLodo40View::OnViewZoomIn()
{
    zoom_ = ZoomInStep(zoom_);
    const QnRect r = GetPictureRect();
    SetZoom(::ZoomXForm(r.right, r.bottom, zoom_));
}

void CLodo40View::OnViewZoomOut()
{
    zoom_ = ZoomOutStep(zoom_);
    const QnRect r = GetPictureRect();
    SetZoom(::ZoomXForm(r.right, r.bottom, zoom_));
}

void CLodo40View::OnViewFitInWindow()
{
    const QnRect r = GetPictureRect();
    const QSize client = maximumViewportSize();
    zoom_ = FitZoom(r.right, r.bottom, client.width(), client.height());
    SetZoom(::ZoomXForm(r.right, r.bottom, zoom_));
}

QSize CLodo40View::FrameBorders() const
{
    // The sub-window's frame and title are its contents margins; the child
    // frame inside it adds no border of its own.
    const auto* child = dynamic_cast<fw::MDIChildWnd*>(GetParentFrame());
    QMdiSubWindow* window = child ? child->GetSubWindow() : nullptr;
    if (!window)
        return QSize(0, 0);
    window->ensurePolished();
    const QMargins m = window->contentsMargins();
    return QSize(m.left() + m.right(), m.top() + m.bottom());
}

void CLodo40View::FitFrameToPicture(bool clip)
{
    const auto* child = dynamic_cast<fw::MDIChildWnd*>(GetParentFrame());
    QMdiSubWindow* window = child ? child->GetSubWindow() : nullptr;
    if (!window || !window->mdiArea())
        return;
    const QnRect zoomed = zoomXForm_.XForm(extraXForm_.XForm(GetPictureRect(), kRectOption), kRectOption);
    const QSize borders = FrameBorders();
    QSize size(int(std::min<int64_t>(zoomed.Width(), 1 << 20)) + borders.width(),
               int(std::min<int64_t>(zoomed.Height(), 1 << 20)) + borders.height());
    if (clip) {
        const QSize area = window->mdiArea()->viewport()->size();
        size = size.boundedTo(QSize(area.width() - window->x(), area.height() - window->y()));
    }
    window->resize(size.expandedTo(window->minimumSizeHint()));
}

void CLodo40View::OnViewCorrectWindowSize()
{
    const auto* child = dynamic_cast<fw::MDIChildWnd*>(GetParentFrame());
    if (child && child->IsMaximizedChild())
        return;
    FitFrameToPicture(false);
}

void CLodo40View::OnUpdateViewCorrectWindowSize(fw::CmdUI& ui)
{
    const auto* child = dynamic_cast<fw::MDIChildWnd*>(GetParentFrame());
    ui.Enable(!(child && child->IsMaximizedChild()));
}

// Updates -------------------------------------------------------------------

void CLodo40View::OnUpdate(fw::View*, int64_t hint, const void* hintObject)
{
    if (hint == kHintNewPicture) {
        // A new picture opens zoomed out until it fits the room there is.
        const auto* child = dynamic_cast<fw::MDIChildWnd*>(GetParentFrame());
        QMdiSubWindow* window = child ? child->GetSubWindow() : nullptr;
        if (window && window->mdiArea()) {
            const QnRect r = PictureRectToClient(GetPictureRect());
            const QSize borders = FrameBorders();
            const QSize room = window->mdiArea()->viewport()->size() - borders;
            const int32_t den = OpenZoomDen(r.Width(), r.Height(), room.width(), room.height());
            if (den > 1) {
                zoom_ = ViewZoom{1, den};
                const QnRect p = GetPictureRect();
                zoomXForm_ = ::ZoomXForm(p.right, p.bottom, zoom_);
            }
            FitFrameToPicture(true);
        }
    }
    UpdateScrollSizes();
    if (CLdViewHost* host = LdViewHost()) {
        const fw::FrameWnd* frame = GetParentFrame();
        if (frame && frame->GetActiveView() == this)
            host->ViewActivated(this);
    }
    if (!hintObject) {
        blitter_.InvalidateBits(nullptr);
        viewport()->update();
        return;
    }
    const auto* changed = static_cast<const QnRect*>(hintObject);
    blitter_.InvalidateBits(changed);
    viewport()->update(ToQRect(PictureRectToClient(*changed)));
}

void CLodo40View::OnActivateView(bool activate, fw::View* activated, fw::View* deactivated)
{
    CQuendleScrollView::OnActivateView(activate, activated, deactivated);
    if (CLdViewHost* host = LdViewHost())
        host->ViewActivated(activate ? this : nullptr);
}

bool CLodo40View::OnScrollBy(int32_t dx, int32_t dy, bool doScroll)
{
    CLdViewHost* host = LdViewHost();
    if (host)
        host->LockOutline(true);
    const bool moved = CQuendleScrollView::OnScrollBy(dx, dy, doScroll);
    if (host)
        host->LockOutline(false);
    return moved;
}

// Painting ------------------------------------------------------------------

void CLodo40View::paintEvent(QPaintEvent* event)
{
    fw::GuardedCall([&] {
        QPainter painter(viewport());
        // The update region may be a selection outline's hundred thousand
        // rectangles: only the tile painted now is taken apart, and the
        // region is cut by the picture only where it leaves the picture.
        const QRegion& update = event->region();
        const QRect picture = ToQRect(PictureRectToClient(GetPictureRect()));
        const bool inside = picture.contains(update.boundingRect());
        // Around the picture the window shows the button face.
        if (!inside) {
            for (const QRect& r : update.subtracted(picture))
                painter.fillRect(r, LdQColor(LdGetSysColor(LD_COLOR_BTNFACE)));
        }
        CLodo40Doc* doc = GetDocument();
        const QRegion onPicture = inside ? update : QRegionWithin(update, picture);
        if (!doc || onPicture.isEmpty())
            return;
        const QRegion tile = PaintBand(onPicture, ScrollX(), ScrollY());
        const QnRgn band = QnRgnFromQRegion(tile);
        // Clipped to the tile before the picture is drawn, so that the
        // picture's pieces are cut by the tile rather than by all of update.
        painter.setClipRegion(tile);
        {
            QPainterDC dc(painter, tile);
            doc->DrawPicture(dc, &band, ScrollX(), ScrollY(), zoomXForm_, extraXForm_, nullptr, &blitter_);
        }
        if (CLdViewHost* host = LdViewHost())
            if (CLdViewTool* tool = host->CurrentTool())
                tool->PaintOverlay(*this, painter);
        if (cloneMarkerShown_ && !cloneMarker_.isNull()) {
            const QnPoint at = PictureToClient(
                QnPoint{cloneMarkerPoint_.x + cloneMarkerOffset_.x, cloneMarkerPoint_.y + cloneMarkerOffset_.y});
            painter.drawImage(QPoint(at.x - 14, at.y - 13), cloneMarker_);
        }
        // The tile is the update's part in one grid cell, so the rest is all
        // of the update outside the tile's box.
        const QRegion rest = QRegionWithout(onPicture, tile.boundingRect());
        if (!rest.isEmpty()) {
            pending_ += rest;
            SchedulePending();
        }
    });
}

void CLodo40View::SchedulePending()
{
    if (pendingPosted_)
        return;
    pendingPosted_ = true;
    // The rest is asked for from the event loop, after the input waiting.
    QTimer::singleShot(0, this, [this] {
        pendingPosted_ = false;
        const QRegion rest = pending_;
        pending_ = QRegion();
        viewport()->update(rest);
    });
}

void CLodo40View::UpdateNow()
{
    QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
}

void CLodo40View::PaintAll()
{
    // Expose and update events still queued come first.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    // Each paint does one tile and leaves the rest in pending_; the rest is
    // painted here at once rather than waiting for the event loop, which
    // would otherwise end this loop with the view half painted.
    viewport()->repaint();
    // Each round paints a tile; the bound only guards against a paint that
    // would keep asking for itself.
    for (int rounds = 0; !pending_.isEmpty() && rounds < 100000; ++rounds) {
        const QRegion rest = pending_;
        pending_ = QRegion();
        viewport()->repaint(rest);
    }
}

QImage CLodo40View::Grab()
{
    QImage image(viewport()->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    const QnRect client{0, 0, image.width(), image.height()};
    const QnRect picture = PictureRectToClient(GetPictureRect());
    painter.fillRect(image.rect(), LdQColor(LdGetSysColor(LD_COLOR_BTNFACE)));
    if (CLodo40Doc* doc = GetDocument()) {
        const QnRgn clip = QnRgn(client) * QnRgn(picture);
        QPainterDC dc(painter);
        doc->DrawPicture(dc, &clip, ScrollX(), ScrollY(), zoomXForm_, extraXForm_, nullptr, &blitter_);
    }
    return image;
}

// Clone marker ----------------------------------------------------------------

void CLodo40View::InvalidateCloneMarker()
{
    const QnPoint at =
        PictureToClient(QnPoint{cloneMarkerPoint_.x + cloneMarkerOffset_.x, cloneMarkerPoint_.y + cloneMarkerOffset_.y});
    viewport()->update(QRect(at.x - 14, at.y - 13, 32, 32));
}

void CLodo40View::ShowCloneMarker(int32_t x, int32_t y)
{
    if (cloneMarkerShown_)
        InvalidateCloneMarker();
    cloneMarkerPoint_ = QnPoint{x, y};
    cloneMarkerOffset_ = QnPoint{};
    cloneMarkerShown_ = true;
    InvalidateCloneMarker();
}

void CLodo40View::MoveCloneMarker(int32_t dx, int32_t dy)
{
    InvalidateCloneMarker();
    cloneMarkerOffset_ = QnPoint{dx, dy};
    cloneMarkerShown_ = true;
    InvalidateCloneMarker();
}

void CLodo40View::HideCloneMarker()
{
    cloneMarkerShown_ = false;
    InvalidateCloneMarker();
}

// Mouse ---------------------------------------------------------------------

QnPoint CLodo40View::EventPoint(const QMouseEvent* event) const
{
    const QPoint p = event->position().toPoint();
    return ClientToPicture(QnPoint{p.x(), p.y()});
}

void CLodo40View::UpdateCursor(const QnPoint& at, Qt::KeyboardModifiers modifiers)
{
    CLdViewHost* host = LdViewHost();
    CLdViewTool* tool = host ? host->CurrentTool() : nullptr;
    const auto cursor = tool ? tool->Cursor(*this, at, modifiers) : std::nullopt;
    if (cursor)
        viewport()->setCursor(*cursor);
    else
        viewport()->unsetCursor();
}

void CLodo40View::mousePressEvent(QMouseEvent* event)
{
    fw::GuardedCall([&] {
        if (event->button() != Qt::LeftButton)
            return;
        CLdViewHost* host = LdViewHost();
        CLdViewTool* tool = host ? host->CurrentTool() : nullptr;
        captured_ = tool && tool->OnButtonDown(*this, EventPoint(event), event->modifiers());
    });
}

void CLodo40View::mouseMoveEvent(QMouseEvent* event)
{
    fw::GuardedCall([&] {
        const QnPoint at = EventPoint(event);
        UpdateCursor(at, event->modifiers());
        CLdViewHost* host = LdViewHost();
        if (CLdViewTool* tool = host ? host->CurrentTool() : nullptr)
            tool->OnMouseMove(*this, at, captured_, event->modifiers());
    });
}

void CLodo40View::mouseReleaseEvent(QMouseEvent* event)
{
    fw::GuardedCall([&] {
        if (event->button() != Qt::LeftButton || !captured_)
            return;
        captured_ = false;
        CLdViewHost* host = LdViewHost();
        if (CLdViewTool* tool = host ? host->CurrentTool() : nullptr)
            tool->OnButtonUp(*this, EventPoint(event));
    });
}

void CLodo40View::mouseDoubleClickEvent(QMouseEvent* event)
{
    fw::GuardedCall([&] {
        CLdViewHost* host = LdViewHost();
        if (CLdViewTool* tool = host ? host->CurrentTool() : nullptr)
            tool->OnDoubleClick(*this, EventPoint(event), event->modifiers());
    });
}

// Probe ---------------------------------------------------------------------

bool CLodo40View::HitTestClient(const QPoint& screenPoint) const
{
    return viewport()->rect().contains(viewport()->mapFromGlobal(screenPoint));
}

QnPoint CLodo40View::ScreenToPicture(const QPoint& screenPoint) const
{
    const QPoint p = viewport()->mapFromGlobal(screenPoint);
    return ClientToPicture(QnPoint{p.x(), p.y()});
}

platform::COLORREF CLodo40View::GetPixelColor(const QnPoint& at) const
{
    const CLodo40Doc* doc = GetDocument();
    return doc ? doc->GetPixelColor(at) : 0;
}

const fw::MessageMap* CLodo40View::GetMessageMap() const
{
    static const fw::MessageMap map =
        fw::MessageMap(CQuendleScrollView::GetMessageMap())
            .OnCommand(ID_VIEW_CORRECT_WINDOW_SIZE, &CLodo40View::OnViewCorrectWindowSize)
            .OnUpdate(ID_VIEW_CORRECT_WINDOW_SIZE, &CLodo40View::OnUpdateViewCorrectWindowSize)
            .OnCommand(ID_VIEW_ACTUAL, &CLodo40View::OnViewActualView)
            .OnCommand(ID_VIEW_ZOOMIN, &CLodo40View::OnViewZoomIn)
            .OnCommand(ID_VIEW_ZOOMOUT, &CLodo40View::OnViewZoomOut)
            .OnCommand(ID_VIEW_FIT_IN_WINDOW, &CLodo40View::OnViewFitInWindow)
            .OnCommand(fw::ID_FILE_PAGE_SETUP, &CLodo40View::OnFilePageSetup)
            // The framework's print commands: File > Print, Print Preview and
            // the direct print of the command line and of Scan and Print.
            .OnCommand(fw::ID_FILE_PRINT, &CLodo40View::OnFilePrint)
            .OnCommand(fw::ID_FILE_PRINT_DIRECT, &CLodo40View::OnFilePrintDirect)
            .OnCommand(fw::ID_FILE_PRINT_PREVIEW, &CLodo40View::OnFilePrintPreview);
    return &map;
}
