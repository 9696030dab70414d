#include "filters/art/frame/DibControl.h"

#include "filters/art/frame/RotatedDibView.h"
#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "framework/EventGuard.h"
#include "platform/Dib.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <string>

DibControl::FrameColours DibControl::FrameOf(bool focused)
{
    const QRgb white = qRgb(255, 255, 255);
    const QRgb grey = qRgb(128, 128, 128);
    return focused ? FrameColours{white, grey} : FrameColours{grey, white};
}

DibControl::DibControl(QWidget* parent) : QWidget(parent)
{
    setObjectName(kClassName);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::ArrowCursor);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
}

void DibControl::SetDib(std::vector<uint8_t> dib) { dib_ = std::move(dib); }

void DibControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const FrameColours frame = FrameOf(hasFocus());
    painter.setPen(QColor(frame.topLeft));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(QColor(frame.bottomRight));
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);

    const int32_t side = std::min(width(), height()) - 2;
    const std::vector<uint8_t> view = RotatedDibView(dib_, side, angle_);
    std::string error;
    const auto layout = platform::ReadDibLayout(view, &error);
    // Brushes are 8-bit; nothing else is shown.
    if (!layout || layout->header.biBitCount != 8)
        return;
    QImage image(side, side, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (const platform::RGBQUAD& q : layout->palette)
        table.push_back(qRgb(q.rgbRed, q.rgbGreen, q.rgbBlue));
    while (table.size() < 256)
        table.push_back(qRgb(table.size(), table.size(), table.size()));
    image.setColorTable(table);
    const size_t rowBytes = layout->header.RowBytes();
    for (int32_t y = 0; y < side; ++y)
        std::copy_n(view.data() + layout->bitsOffset + size_t(side - 1 - y) * rowBytes, side, image.scanLine(y));
    painter.drawImage(1, 1, image);
}

void DibControl::PostCommand()
{
    auto* dialog = dynamic_cast<fw::Dialog*>(window());
    if (!dialog)
        return;
    const uint32_t id = fw::ControlId(this);
    QPointer<QWidget> guard(dialog);
    QMetaObject::invokeMethod(
        dialog,
        [guard, dialog, id] {
            if (guard)
                fw::GuardedCall([&] { dialog->OnCommand(id); });
        },
        Qt::QueuedConnection);
}

void DibControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PostCommand();
}

void DibControl::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        PostCommand();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DibControl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void DibControl::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}
