#include "album/app/PictureWnd.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "blt/qt/QPainterDC.h"

CPictureWnd::CPictureWnd() : ZvWindow(nullptr, 0, 0)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(QGuiApplication::primaryScreen()->geometry());
    show();
}

void CPictureWnd::ShowPicture(WA* picture)
{
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    view_.Show(picture, desktop.width(), desktop.height());
    repaint();
}

void CPictureWnd::paintEvent(QPaintEvent* event)
{
    QnRgn update;
    for (const QRect& r : event->region())
        update += QnRgn(QnRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    QPainter painter(this);
    QPainterDC dc(painter, event->region());
    view_.Paint(dc, this, update, width(), height());
}

void CPictureWnd::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: Answer(view_.OnArrow(PictureView::Arrow::Left)); break;
    case Qt::Key_Right: Answer(view_.OnArrow(PictureView::Arrow::Right)); break;
    case Qt::Key_Up: Answer(view_.OnArrow(PictureView::Arrow::Up)); break;
    case Qt::Key_Down: Answer(view_.OnArrow(PictureView::Arrow::Down)); break;
    default: Answer(view_.OnOtherInput()); break;
    }
}

void CPictureWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        Answer(view_.OnOtherInput());
}

void CPictureWnd::Answer(PictureView::Answer answer)
{
    if (answer == PictureView::Answer::Moved)
        repaint();
    else if (answer == PictureView::Answer::Close)
        close();
}
