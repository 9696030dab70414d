#include "editor/view/SelectionOutline.h"

#include <QPainter>
#include <algorithm>
#include <vector>

#include "blt/qt/QRegionBands.h"
#include "editor/view/Lodo40View.h"

SelectionOutline::SelectionOutline()
{
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &SelectionOutline::Tick);
}

void SelectionOutline::Show(CLodo40View* view, const QnRgn& selection, const QnPoint& offset)
{
    RepaintBand();
    if (view_ != view) {
        if (view_)
            disconnect(view_, nullptr, this, nullptr);
        // The timer runs only while there is a view to draw in (and so never
        // before the application's event loop exists, nor after the last
        // view is gone).
        if (view) {
            connect(view, &QObject::destroyed, this, [this] { timer_.stop(); });
            timer_.start();
        } else {
            timer_.stop();
        }
    }
    view_ = view;
    selection_ = selection;
    offset_ = offset;
    bandValid_ = false;
    tickBand_ = QRegion();
    RepaintBand();
}

void SelectionOutline::SetAnimated(bool animated)
{
    if (animated_ == animated)
        return;
    animated_ = animated;
    RepaintBand();
}

void SelectionOutline::Hold(bool hold)
{
    held_ += hold ? 1 : -1;
}

void SelectionOutline::Tick()
{
    if (!animated_ || held_ > 0 || !view_ || !selection_)
        return;
    phase_ = (phase_ + 1) % 8;
    const QRegion band = Band();
    // Asking for all of the band again while most of it still waits to be
    // painted would only make Qt merge two regions of its whole size.
    if (!tickBand_.isEmpty() && band == tickBand_) {
        lastTick_ = QRegion();
        for (const QRect& box : paintedSinceTick_)
            lastTick_ += QRegionWithin(band, box);
    } else {
        lastTick_ = band;
    }
    tickBand_ = band;
    paintedSinceTick_.clear();
    if (!lastTick_.isEmpty())
        view_->viewport()->update(lastTick_);
}

void SelectionOutline::RepaintBand()
{
    if (view_ && selection_)
        view_->viewport()->update(Band());
}

SelectionOutline::Mapping SelectionOutline::CurrentMapping() const
{
    return Mapping{view_->PictureRectToClient(QnRect{0, 0, 1 << 16, 1 << 16}), view_->viewport()->width(),
                   view_->viewport()->height()};
}

QRegion SelectionOutline::Band()
{
    if (!view_ || !selection_)
        return QRegion();
    const Mapping mapping = CurrentMapping();
    if (bandValid_ && mapping == bandMapping_)
        return band_;
    // The selection's window pixels are painted into a mask of the visible
    // window grown by one pixel, so that a pixel at the window's edge knows
    // whether its outer neighbour is selected.
    const int w = mapping.width + 2, h = mapping.height + 2;
    std::vector<uint8_t> mask(size_t(w) * size_t(h), 0);
    for (const QnRect& r : selection_.rects()) {
        const QnRect moved{r.left + offset_.x, r.top + offset_.y, r.right + offset_.x, r.bottom + offset_.y};
        const QnRect c = view_->PictureRectToClient(moved);
        const int left = std::max(c.left + 1, 0), right = std::min(c.right + 1, w);
        const int top = std::max(c.top + 1, 0), bottom = std::min(c.bottom + 1, h);
        for (int y = top; y < bottom; ++y)
            std::fill(mask.begin() + ptrdiff_t(y) * w + left, mask.begin() + ptrdiff_t(y) * w + std::max(left, right), 1);
    }
    // Runs of one row, rows top-down: already the banded order a region
    // keeps, so the region takes them at once.
    std::vector<QRect> runs;
    for (int y = 1; y < h - 1; ++y) {
        const uint8_t* row = &mask[size_t(y) * w];
        int runStart = -1;
        for (int x = 1; x <= w - 1; ++x) {
            const bool edge = x < w - 1 && row[x] &&
                              (!row[x - 1] || !row[x + 1] || !row[x - w] || !row[x + w]);
            if (edge && runStart < 0)
                runStart = x;
            else if (!edge && runStart >= 0) {
                runs.push_back(QRect(runStart - 1, y - 1, x - runStart, 1));
                runStart = -1;
            }
        }
    }
    QRegion band;
    band.setRects(runs.data(), int(runs.size()));
    band_ = band;
    bandMapping_ = mapping;
    bandValid_ = true;
    return band_;
}

void SelectionOutline::Paint(CLodo40View& view, QPainter& painter)
{
    if (view_ != &view || !selection_)
        return;
    // The view paints a tile at a time: only the band's rows in the tile
    // are handed to the painter's clip.
    const QRegion band = painter.hasClipping() ? QRegionWithin(Band(), painter.clipBoundingRect().toAlignedRect())
                                               : Band();
    if (band.isEmpty())
        return;
    if (!tickBand_.isEmpty())
        paintedSinceTick_.push_back(band.boundingRect());
    painter.save();
    painter.setClipRegion(band, Qt::IntersectClip);
    if (animated_) {
        QBrush stripes(OutlinePattern(phase_));
        painter.fillRect(band.boundingRect(), stripes);
    } else {
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(band.boundingRect(), Qt::black);
    }
    painter.restore();
}

QImage OutlinePattern(int phase)
{
    QImage pattern(8, 8, QImage::Format_RGB32);
    for (int r = 0; r < 8; ++r) {
        const uint32_t bits = ((0x0F0Fu << ((phase + r) % 8)) >> 8) & 0xFF;
        for (int x = 0; x < 8; ++x)
            pattern.setPixel(x, r, (bits >> (7 - x)) & 1 ? 0xFFFFFFFFu : 0xFF000000u);
    }
    return pattern;
}
