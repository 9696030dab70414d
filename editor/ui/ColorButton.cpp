#include "editor/ui/ColorButton.h"

#include "editor/ui/SysColor.h"

#include <QMouseEvent>
#include <QPainter>

CColorButton::CColorButton(QWidget* parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CColorButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), LdQColor(colour));
    LdDrawEdge(painter, rect(), LD_BDR_SUNKENOUTER);
}

void CColorButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractButton::mousePressEvent(event);
        return;
    }
    if (const auto chosen = fw::RunColorDialog(colour, nullptr))
        colour = *chosen;
    update();
    emit clicked(false);
}

void CColorButton::mouseReleaseEvent(QMouseEvent* event)
{
    // The press was ours alone: no click follows it.
    if (event->button() != Qt::LeftButton)
        QAbstractButton::mouseReleaseEvent(event);
}
