#include "drawctx/qt/ZvWaTmbWnd.h"

#include "blt/qt/QPainterDC.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QUrl>

namespace {

QnRgn ToRgn(const QRegion& region)
{
    QnRgn rgn;
    for (const QRect& r : region)
        rgn += QnRgn(QnRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    return rgn;
}

constexpr intptr_t kDlgCodeButton = 0x2000;

} // namespace

ZvWaTmbWnd::ZvWaTmbWnd(QWidget* parent, uint32_t id, uint32_t style) : ZvWindow(parent, id, style)
{
    setCursor(Qt::ArrowCursor);
    // Takes the focus by tab and by click, as a button.
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    // Every paint covers its whole region itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ZvWaTmbWnd::~ZvWaTmbWnd() { state_.SetPicture(nullptr, 0, 0); }

intptr_t ZvWaTmbWnd::SendMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam)
{
    switch (msg) {
    case ZV_WATMB_SETPICTURE:
        state_.SetPicture(reinterpret_cast<WA*>(wParam), width(), height());
        update();
        return 0;
    case ZV_WATMB_GETPICTURE: return reinterpret_cast<intptr_t>(state_.GetPicture());
    case ZV_WATMB_SETGAMMA:
        if (state_.SetGamma(int(wParam & 0xFFFF), int(lParam & 0xFFFF), int((lParam >> 16) & 0xFFFF)))
            update();
        return 0;
    case ZV_WM_GETDLGCODE: return kDlgCodeButton;
    case ZV_WM_QUERYNEWPALETTE: return 0;
    default: return ZvWindow::SendMessage(msg, wParam, lParam);
    }
}

void ZvWaTmbWnd::OnPaletteChanged(ZvWindow* from)
{
    if (from == this || !state_.Context())
        return;
    state_.Context()->RealizeBackground(this);
    update();
}

void ZvWaTmbWnd::paintEvent(QPaintEvent* event)
{
    // A hidden control hears of its new size only when shown; the fit
    // follows the size it paints at.
    state_.Refit(width(), height());
    QPainter painter(this);
    QPainterDC dc(painter, event->region());
    state_.Paint(dc, this, ToRgn(event->region()), width(), height(), HasBorder(), hasFocus());
}

void ZvWaTmbWnd::resizeEvent(QResizeEvent*)
{
    // The picture keeps filling the control (the class redraws on every
    // change of size).
    state_.Refit(width(), height());
    update();
}

void ZvWaTmbWnd::InvalidateFocusRing()
{
    const QRegion all(rect());
    update(all.subtracted(QRegion(rect().adjusted(2, 2, -2, -2))));
}

void ZvWaTmbWnd::focusInEvent(QFocusEvent*) { InvalidateFocusRing(); }

void ZvWaTmbWnd::focusOutEvent(QFocusEvent*) { InvalidateFocusRing(); }

void ZvWaTmbWnd::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton)
        PostCommandToParent(1);
}

void ZvWaTmbWnd::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space)
        PostCommandToParent(1);
    else
        ZvWindow::keyPressEvent(event);
}

void ZvWaTmbWnd::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void ZvWaTmbWnd::dropEvent(QDropEvent* event)
{
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    if (!files.isEmpty()) {
        PassDropToParent(files);
        event->acceptProposedAction();
    }
}
