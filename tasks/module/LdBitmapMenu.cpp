#include "tasks/module/LdBitmapMenu.h"

#include "framework/ControlId.h"
#include "framework/PopupMenu.h"

#include <QAction>
#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

// Gives the items of a bitmap menu exactly their cell's size, with no
// panel frame or margin around them, so that what the menu measures is
// what the user sees.
class CellMenuStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (dynamic_cast<const CLdBitmapMenu*>(widget)) {
            switch (metric) {
            case PM_MenuPanelWidth:
            case PM_MenuHMargin:
            case PM_MenuVMargin:
            case PM_MenuDesktopFrameWidth:
            case PM_MenuTearoffHeight:
                return 0;
            default:
                break;
            }
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        if (type == CT_MenuItem)
            if (const auto* menu = dynamic_cast<const CLdBitmapMenu*>(widget))
                return menu->MeasureItem();
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }
};

// One for every bitmap menu; a widget does not own its style, and a menu
// may be destroyed late, so it is never destroyed.
QStyle* CellStyle()
{
    static QStyle* style = new CellMenuStyle;
    return style;
}

}  // namespace

CLdBitmapMenu::CLdBitmapMenu(QWidget* parent) : QMenu(parent) { setStyle(CellStyle()); }

bool CLdBitmapMenu::Create(const QImage& strip, uint32_t firstId, int count)
{
    clear();
    strip_ = QImage();
    firstId_ = firstId;
    count_ = 0;
    if (strip.isNull() || count < 1 || strip.height() / count < 1)
        return false;
    strip_ = strip;
    count_ = count;
    for (int i = 0; i < count; ++i) {
        QAction* item = addAction(QString());
        item->setData(i);
        fw::SetControlId(item, firstId + uint32_t(i));
    }
    return true;
}

QSize CLdBitmapMenu::MeasureItem() const
{
    return count_ ? QSize(strip_.width(), strip_.height() / count_) : QSize();
}

void CLdBitmapMenu::DrawItem(QPainter& painter, const QRect& rect, int index, bool selected) const
{
    const QSize cell = MeasureItem();
    const QRect source(0, index * strip_.height() / count_, cell.width(), cell.height());
    const QRect target(rect.left() + (rect.width() - cell.width()) / 2, rect.top(), cell.width(), cell.height());
    painter.drawImage(target, strip_, source);
    qDrawWinPanel(&painter, rect, palette(), selected);
}

uint32_t CLdBitmapMenu::Track(const QPoint& screenAt, bool alignRight)
{
    if (!count_)
        return 0;
    QPoint at = screenAt;
    if (alignRight)
        at.rx() -= sizeHint().width();
    QAction* chosen = fw::TrackPopupMenu(*this, at);
    return chosen ? fw::ControlId(chosen) : 0;
}

void CLdBitmapMenu::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    for (QAction* item : actions()) {
        const QRect rect = actionGeometry(item);
        if (rect.intersects(event->rect()))
            DrawItem(painter, rect, item->data().toInt(), item == activeAction());
    }
}
