#include "editor/ui/StitchPreview.h"

#include "blt/qt/QPainterDC.h"
#include "editor/ui/ProgramCursor.h"
#include "editor/ui/QtRegion.h"
#include "editor/ui/StitchDlg.h"
#include "editor/ui/SysColor.h"
#include "editor/ui/UiStrings.h"
#include "framework/App.h"
#include "framework/CommandIds.h"
#include "framework/EventGuard.h"
#include "framework/HelpProvider.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

namespace {

// Where a marker's hot spot lies in its picture, and the picture's size.
constexpr int kMarkerX = 14;
constexpr int kMarkerY = 13;
constexpr int kMarkerSize = 32;
constexpr int kPageStep = 10;
// The program's cursors, with the standard shapes that stand in for them.
constexpr uint32_t kOverUpperCursor = 130;
constexpr uint32_t kDragCursor = 131;
constexpr uint32_t kMarkCursor = 156;
constexpr uint32_t kZoomCursor = 157;
// Room the frame, the menu and the scroll bars take around the canvas.
constexpr int kFrameExtraWidth = 24;
constexpr int kFrameExtraHeight = 64;
const QColor kCanvasColour(255, 255, 255);

const QImage& MarkerImage()
{
    static const QImage marker = [] {
        QImage image(kMarkerSize, kMarkerSize, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(255, 0, 0), 2));
        p.drawEllipse(QPointF(kMarkerX + 0.5, kMarkerY + 0.5), 9, 9);
        p.setPen(QPen(QColor(255, 0, 0), 1));
        p.drawLine(kMarkerX, kMarkerY - 12, kMarkerX, kMarkerY + 12);
        p.drawLine(kMarkerX - 12, kMarkerY, kMarkerX + 12, kMarkerY);
        return image;
    }();
    return marker;
}

}  // namespace

// The drawing area with its scroll bars; everything goes to the preview.
class StitchCanvasArea : public QAbstractScrollArea {
public:
    StitchCanvasArea(StitchPreview& preview, QWidget* parent) : QAbstractScrollArea(parent), preview_(preview)
    {
        viewport()->setMouseTracking(true);
        horizontalScrollBar()->setSingleStep(1);
        verticalScrollBar()->setSingleStep(1);
        horizontalScrollBar()->setPageStep(kPageStep);
        verticalScrollBar()->setPageStep(kPageStep);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        fw::GuardedCall([&] { preview_.Paint(event); });
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QAbstractScrollArea::resizeEvent(event);
        fw::GuardedCall([&] { preview_.UpdateScrollBars(); });
    }
    void scrollContentsBy(int dx, int dy) override { viewport()->scroll(dx, dy); }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            fw::GuardedCall([&] {
                preview_.OnLButtonDown(event->position().toPoint(), event->modifiers() & Qt::ShiftModifier);
            });
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        fw::GuardedCall([&] {
            preview_.OnMouseMove(event->position().toPoint());
            preview_.UpdateCursor(event->modifiers() & Qt::ShiftModifier);
        });
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            fw::GuardedCall([&] { preview_.OnLButtonUp(); });
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        fw::GuardedCall([&] {
            preview_.OnKey(true);
            preview_.UpdateCursor(event->modifiers() & Qt::ShiftModifier);
        });
        QAbstractScrollArea::keyPressEvent(event);
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        fw::GuardedCall([&] { preview_.UpdateCursor(event->modifiers() & Qt::ShiftModifier); });
        QAbstractScrollArea::keyReleaseEvent(event);
    }

private:
    StitchPreview& preview_;
};

class StitchPreviewWnd : public QMainWindow {
public:
    StitchPreviewWnd(StitchPreview& preview, QWidget* owner) : QMainWindow(owner, Qt::Tool), preview_(preview)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(QString::fromStdString(LdUiString(IDS_STITCH_PREVIEW)));
        area = new StitchCanvasArea(preview, this);
        setCentralWidget(area);
        QMenuBar* bar = menuBar();
        auto add = [&](const char* text, uint32_t id) {
            QAction* action = bar->addAction(text);
            connect(action, &QAction::triggered, this, [this, id] { fw::GuardedCall([&] { preview_.OnCommand(id); }); });
        };
        add("Close", StitchPreview::ID_CLOSE);
        add("Zoom &In", StitchPreview::ID_ZOOM_IN);
        add("Zoom &Out", StitchPreview::ID_ZOOM_OUT);
        add("&Help", fw::ID_HELP);
    }

    StitchCanvasArea* area;

private:
    StitchPreview& preview_;
};

StitchPreview::StitchPreview(StitchDlg& owner) : owner_(owner) {}

StitchPreview::~StitchPreview()
{
    Close();
}

bool StitchPreview::IsOpen() const
{
    return !window_.isNull();
}

QWidget* StitchPreview::Window() const
{
    return window_.data();
}

QWidget* StitchPreview::Canvas() const
{
    return window_ ? window_->area->viewport() : nullptr;
}

void StitchPreview::Open()
{
    Close();
    dragging_ = false;
    zoomArmed_ = false;
    lowerMarkerSet_ = upperMarkerSet_ = false;
    lowerBlt_.ForceFullRepaint();
    upperBlt_.ForceFullRepaint();

    const QnRect canvas = StitchCanvas(owner_.Sizes());
    const QnPoint frame{int32_t(canvas.Width()) + kFrameExtraWidth, int32_t(canvas.Height()) + kFrameExtraHeight};
    QnPoint screen{1024, 768};
    if (const QScreen* s = QGuiApplication::primaryScreen())
        screen = QnPoint{s->availableGeometry().width(), s->availableGeometry().height()};
    const int32_t k = StitchReduction(frame, screen);
    level_ = k == 1 ? 1 : -k;

    window_ = new StitchPreviewWnd(*this, &owner_);
    const QnRect shown = View().XForm(canvas, QN_XF_SORTED);
    const int frameWidth = 2 * window_->area->frameWidth();
    window_->resize(int(shown.Width()) + frameWidth,
                    int(shown.Height()) + frameWidth + window_->menuBar()->sizeHint().height());
    UpdateScrollBars();
    for (QScrollBar* bar : {window_->area->horizontalScrollBar(), window_->area->verticalScrollBar()})
        bar->setValue((bar->minimum() + bar->maximum()) / 2);
    window_->show();
}

void StitchPreview::Close()
{
    if (window_) {
        dragging_ = false;
        delete window_.data();
    }
}

void StitchPreview::Raise()
{
    if (window_) {
        window_->raise();
        window_->activateWindow();
    }
}

QnXFormXY StitchPreview::View() const
{
    const QnXForm axis = level_ >= 1 ? QnXForm(0, 1, 0, level_) : QnXForm(0, -level_, 0, 1);
    return QnXFormXY(axis, axis);
}

QPoint StitchPreview::Scroll() const
{
    if (!window_)
        return {};
    return QPoint(window_->area->horizontalScrollBar()->value(), window_->area->verticalScrollBar()->value());
}

QnPoint StitchPreview::ClientToCanvas(const QPoint& client) const
{
    const QPoint s = Scroll();
    return View().RevXForm(QnPoint{client.x() + s.x(), client.y() + s.y()}, QN_XF_CENTRE);
}

QPoint StitchPreview::CanvasToClient(const QnPoint& canvas) const
{
    const QnPoint p = View().XForm(canvas, QN_XF_CENTRE);
    const QPoint s = Scroll();
    return QPoint(p.x - s.x(), p.y - s.y());
}

QnRect StitchPreview::ClientRect(const QnRect& canvasRect) const
{
    const QnRect r = View().XForm(canvasRect, QN_XF_SORTED);
    const QPoint s = Scroll();
    return QnRect{r.left - s.x(), r.top - s.y(), r.right - s.x(), r.bottom - s.y()};
}

QnRect StitchPreview::UpperRect() const
{
    return StitchUpperRect(owner_.Sizes(), owner_.Shift());
}

void StitchPreview::InvalidateCanvas(const QnRect& canvasRect)
{
    if (window_)
        window_->area->viewport()->update(LdToQRect(ClientRect(canvasRect)));
}

void StitchPreview::InvalidateUpper()
{
    InvalidateCanvas(UpperRect());
}

void StitchPreview::RefreshUpper()
{
    // The upper picture's place is read from the dialog at each paint.
    InvalidateUpper();
}

void StitchPreview::UpdateScrollBars()
{
    if (!window_)
        return;
    const QnRect shown = View().XForm(StitchCanvas(owner_.Sizes()), QN_XF_SORTED);
    // Showing one bar takes room from the other: two passes settle both.
    for (int pass = 0; pass < 2; ++pass) {
        const QSize client = window_->area->viewport()->size();
        window_->area->horizontalScrollBar()->setRange(0, std::max(0, int(shown.Width()) - client.width()));
        window_->area->verticalScrollBar()->setRange(0, std::max(0, int(shown.Height()) - client.height()));
    }
}

void StitchPreview::ZoomTo(int level, const QPoint& client)
{
    if (!window_ || level == 0)
        return;
    const QnPoint kept = ClientToCanvas(client);
    level_ = level;
    upperBlt_.ForceFullRepaint();
    lowerBlt_.ForceFullRepaint();
    UpdateScrollBars();
    const QnPoint at = View().XForm(kept, QN_XF_CENTRE);
    const QSize size = window_->area->viewport()->size();
    window_->area->horizontalScrollBar()->setValue(at.x - size.width() / 2);
    window_->area->verticalScrollBar()->setValue(at.y - size.height() / 2);
    window_->area->viewport()->update();
}

void StitchPreview::ZoomIn()
{
    const int next = StitchZoomIn(level_);
    if (next == 0)
        return;
    zoomArmed_ = true;
    armedLevel_ = next;
    UpdateCursor(false);
}

void StitchPreview::ZoomOut()
{
    zoomArmed_ = false;
    const int next = StitchZoomOut(level_);
    if (next == 0 || !window_)
        return;
    const QSize size = window_->area->viewport()->size();
    ZoomTo(next, QPoint(size.width() / 2, size.height() / 2));
}

void StitchPreview::OnCommand(uint32_t id)
{
    switch (id) {
    case ID_CLOSE:
        Close();
        break;
    case ID_ZOOM_IN:
        ZoomIn();
        break;
    case ID_ZOOM_OUT:
        ZoomOut();
        break;
    case fw::ID_HELP:
        if (fw::App* app = fw::App::Get())
            app->WinHelp(owner_.helpId, fw::HELP_CONTEXT);
        break;
    default:
        break;
    }
}

QPoint StitchPreview::MarkerClient(bool upper) const
{
    const QnRect picture = upper ? UpperRect() : StitchLowerRect(owner_.Sizes());
    const QnPoint offset = upper ? upperMarker_ : lowerMarker_;
    return CanvasToClient(QnPoint{picture.left + offset.x, picture.top + offset.y});
}

void StitchPreview::InvalidateMarker(bool upper)
{
    if (!window_ || !MarkerSet(upper))
        return;
    const QPoint p = MarkerClient(upper);
    window_->area->viewport()->update(QRect(p.x() - kMarkerX, p.y() - kMarkerY, kMarkerSize, kMarkerSize));
}

void StitchPreview::OnLButtonDown(const QPoint& client, bool shift)
{
    const QnPoint point = ClientToCanvas(client);
    if (zoomArmed_) {
        zoomArmed_ = false;
        ZoomTo(armedLevel_, client);
        UpdateCursor(shift);
        return;
    }
    const QnRect upper = UpperRect();
    if (shift) {
        const QnRect lower = StitchLowerRect(owner_.Sizes());
        bool onUpper = upper.Contains(point);
        if (!onUpper && !StitchCanvas(owner_.Sizes()).Contains(point))
            return;
        const QnRect& picture = onUpper ? upper : lower;
        InvalidateMarker(onUpper);
        (onUpper ? upperMarker_ : lowerMarker_) = QnPoint{point.x - picture.left, point.y - picture.top};
        (onUpper ? upperMarkerSet_ : lowerMarkerSet_) = true;
        if (lowerMarkerSet_ && upperMarkerSet_) {
            InvalidateMarker(false);
            InvalidateUpper();
            lowerMarkerSet_ = upperMarkerSet_ = false;
            owner_.SetCustomShift(StitchAlignMarkers(lowerMarker_, upperMarker_, owner_.Sizes()));
            RefreshUpper();
            return;
        }
        InvalidateMarker(onUpper);
        return;
    }
    if (!upper.Contains(point))
        return;
    dragging_ = true;
    if (window_)
        window_->area->viewport()->grabMouse();
    dragOffset_ = QnPoint{owner_.xShift - point.x, owner_.yShift - point.y};
    UpdateCursor(false);
}

void StitchPreview::OnMouseMove(const QPoint& client)
{
    if (!dragging_)
        return;
    const QnPoint point = ClientToCanvas(client);
    InvalidateUpper();
    owner_.SetCustomShift(QnPoint{dragOffset_.x + point.x, dragOffset_.y + point.y});
    RefreshUpper();
}

void StitchPreview::OnLButtonUp()
{
    if (!dragging_)
        return;
    dragging_ = false;
    if (window_)
        window_->area->viewport()->releaseMouse();
    UpdateCursor(false);
}

void StitchPreview::OnKey(bool down)
{
    if (down)
        zoomArmed_ = false;
}

void StitchPreview::UpdateCursor(bool shift)
{
    if (!window_)
        return;
    QWidget* canvas = window_->area->viewport();
    if (zoomArmed_)
        canvas->setCursor(LdProgramCursor(kZoomCursor, Qt::PointingHandCursor));
    else if (shift)
        canvas->setCursor(LdProgramCursor(kMarkCursor, Qt::CrossCursor));
    else if (dragging_)
        canvas->setCursor(LdProgramCursor(kDragCursor, Qt::ClosedHandCursor));
    else if (UpperRect().Contains(ClientToCanvas(canvas->mapFromGlobal(QCursor::pos()))))
        canvas->setCursor(LdProgramCursor(kOverUpperCursor, Qt::OpenHandCursor));
    else
        canvas->setCursor(Qt::ArrowCursor);
}

void StitchPreview::DrawPicture(DeviceContext& dc, QnBlt& blt, const PpQnRenderObj& picture,
                                const QnRect& canvasRect, const QnRgn& clip)
{
    const QnRect own = picture->GetRect(QnXFormXY());
    const QnXFormXY place(own, canvasRect);
    const QPoint s = Scroll();
    blt.Draw(dc, clip, picture, s.x(), s.y(), View() * place, QnXFormXY(), 0, nullptr);
}

void StitchPreview::DrawMarker(QPainter& painter, bool upper, const QnRect& pictureClient)
{
    if (!MarkerSet(upper))
        return;
    const QPoint p = MarkerClient(upper);
    painter.save();
    painter.setClipRect(LdToQRect(pictureClient));
    painter.drawImage(QPoint(p.x() - kMarkerX, p.y() - kMarkerY), MarkerImage());
    painter.restore();
}

void StitchPreview::Paint(QPaintEvent* event)
{
    if (!window_ || !owner_.HasBoth())
        return;
    QWidget* canvas = window_->area->viewport();
    QPainter painter(canvas);
    QnRgn update = LdToQnRgn(event->region());
    const QnRect upperClient = ClientRect(UpperRect());
    const QnRect lowerClient = ClientRect(StitchLowerRect(owner_.Sizes()));
    struct Layer {
        bool upper;
        QnBlt& blt;
        const PpQnRenderObj& picture;
        QnRect canvasRect;
        QnRect client;
    };
    const Layer layers[] = {
        {true, upperBlt_, owner_.UpperPicture(), UpperRect(), upperClient},
        {false, lowerBlt_, owner_.LowerPicture(), StitchLowerRect(owner_.Sizes()), lowerClient},
    };
    for (const Layer& layer : layers) {
        const QnRgn clip = update * QnRgn(layer.client);
        if (clip) {
            {
                QPainterDC dc(painter, LdToQRegion(clip));
                DrawPicture(dc, layer.blt, layer.picture, layer.canvasRect, clip);
            }
            painter.save();
            painter.setClipRegion(LdToQRegion(clip));
            DrawMarker(painter, layer.upper, layer.client);
            painter.restore();
        }
        update = update - QnRgn(layer.client);
    }
    const QnRect canvasClient = ClientRect(StitchCanvas(owner_.Sizes()));
    const QnRgn empty = update * QnRgn(canvasClient);
    for (const QnRect& r : empty.rects())
        painter.fillRect(LdToQRect(r), kCanvasColour);
    if (empty) {
        painter.save();
        painter.setClipRegion(LdToQRegion(empty));
        DrawMarker(painter, false, lowerClient);
        painter.restore();
    }
    const QnRgn outside = update - QnRgn(canvasClient);
    for (const QnRect& r : outside.rects())
        painter.fillRect(LdToQRect(r), LdQColor(LdGetSysColor(LD_COLOR_BTNFACE)));
}
