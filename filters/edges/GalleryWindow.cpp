#include "filters/edges/GalleryWindow.h"

#include "filters/edges/GalleryItemPicture.h"
#include "filters/edges/MaskCatalogue.h"
#include "filters/edges/ModuleMasks.h"
#include "filters/edges/Thumbnail.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTabBar>
#include <qdrawutil.h>

GalleryWindow::GalleryWindow(const Thumbnail& thumbnail, const EdgesColour& colour, QWidget* parent)
    : QWidget(parent), thumbnail_(thumbnail), colour_(colour), tabs_(new QTabBar(this))
{
    for (const MaskGroup& group : MaskCatalogue())
        tabs_->addTab(group.name);
    tabs_->setExpanding(false);
    QObject::connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (index < 0 || index == page_)
            return;
        // A new tab starts at its first item.
        Show(index, 0, 0);
        if (onChange)
            onChange();
    });
}

int32_t GalleryWindow::ItemCount() const { return int32_t(MaskCatalogue()[size_t(page_)].items.size()); }

int32_t GalleryWindow::SelectedMask() const
{
    const auto items = MaskCatalogue()[size_t(page_)].items;
    return cursel_ >= 0 && cursel_ < int32_t(items.size()) ? items[size_t(cursel_)].resource : 0;
}

void GalleryWindow::Show(int32_t page, int32_t firstRow, int32_t cursel)
{
    page_ = std::clamp<int32_t>(page, 0, int32_t(MaskCatalogue().size()) - 1);
    firstRow_ = Layout().ClampFirstRow(firstRow, ItemCount());
    cursel_ = cursel >= 0 && cursel < ItemCount() ? cursel : 0;
    if (tabs_->currentIndex() != page_)
        tabs_->setCurrentIndex(page_);
    tabs_->setGeometry(0, 0, width(), GalleryLayout::kTabHeight);
    update();
}

void GalleryWindow::SetShadow(int32_t shadow)
{
    if (shadow == shadow_)
        return;
    shadow_ = shadow;
    images_.clear();
    update();
}

const QImage& GalleryWindow::ItemImage(int32_t resource, int32_t width, int32_t height)
{
    auto found = images_.find(resource);
    if (found != images_.end())
        return found->second;
    QImage image;
    if (const EdgeMask* mask = ModuleMask(resource)) {
        const ItemPicture p = RenderItemPicture(thumbnail_, *mask, colour_, shadow_, width, height);
        if (p.width > 0)
            image = QImage(p.rgb.data(), p.width, p.height, p.width * 3, QImage::Format_RGB888).copy();
    }
    return images_.emplace(resource, std::move(image)).first->second;
}

void GalleryWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const GalleryLayout layout = Layout();
    const auto items = MaskCatalogue()[size_t(page_)].items;
    for (int32_t slot = 0; slot < layout.ItemsPerPage(); ++slot) {
        const int32_t item = layout.ItemAt(slot, firstRow_);
        if (item >= int32_t(items.size()))
            break;
        const GalleryCell c = layout.Cell(slot);
        const QRect cell(c.x, c.y, c.width, c.height);
        const bool selected = item == cursel_;
        qDrawShadePanel(&painter, cell, palette(), selected, 2);
        const QRect area = cell.adjusted(3, 3, -3, -3 - kCaptionHeight);
        const QImage& image = ItemImage(items[size_t(item)].resource, area.width(), area.height());
        if (!image.isNull())
            painter.drawImage(area.x() + (area.width() - image.width()) / 2,
                              area.y() + (area.height() - image.height()) / 2, image);
        painter.setPen(selected ? QColor(255, 0, 0) : QColor(0, 0, 0));
        painter.drawText(QRect(cell.x(), cell.bottom() - kCaptionHeight - 1, cell.width(), kCaptionHeight),
                         Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, items[size_t(item)].name);
    }
}

void GalleryWindow::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const int32_t item = Layout().HitTest(p.x(), p.y(), firstRow_, ItemCount());
    if (item < 0)
        return;
    cursel_ = item;
    update();
    if (onChange)
        onChange();
}
