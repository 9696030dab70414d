#include "album/app/book/SpinePane.h"

#include <QFontMetrics>
#include <QPainter>

#include "album/app/book/AlbumBookStyle.h"

using namespace albumbook;

CSpinePane::CSpinePane(COvalbumView& view, const std::string& title)
    : CAlbumPane(view), title_(QString::fromStdString(title))
{
}

void CSpinePane::Layout(const QRect& root)
{
    const QFontMetrics metrics(TimesFont(kSpineFontSize));
    rect_ = QRect(root.left(), root.top(), 2 * metrics.height(), root.height());
}

void CSpinePane::Paint(QPainter& painter, const QRect&)
{
    DrawPaperWithHoles(painter, rect_, rect_.right() + 1 - 2 * RingBitmap().height());
    // The title reads upwards, centred in height, a quarter of the strip in.
    painter.save();
    painter.setFont(TimesFont(kSpineFontSize));
    const QFontMetrics metrics(painter.font());
    const int textWidth = metrics.horizontalAdvance(title_);
    painter.translate(rect_.left() + rect_.width() / 4, rect_.top() + (rect_.height() + textWidth) / 2);
    painter.rotate(-90);
    DrawShadowText(painter, QPoint(0, 0), title_, kTextColour);
    painter.restore();
}
