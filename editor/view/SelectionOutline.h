// The marching outline of a selection in a picture view. A timer on the
// user-interface thread advances the stripes ten times a second and asks the
// view to repaint only the outline's band; the view's paint calls Paint,
// which draws the band over the freshly painted picture. While a gesture
// draws its own feedback the outline stands still and is drawn inverted.
#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <vector>

#include "render/Rgn.h"

class CLodo40View;
class QPainter;

class SelectionOutline : public QObject {
public:
    static constexpr int kTickMs = 100;

    SelectionOutline();

    // The selection shown, in picture pixels, moved by offset (picture
    // pixels) while it is dragged; view null shows it nowhere. The old and
    // the new band are repainted.
    void Show(CLodo40View* view, const QnRgn& selection, const QnPoint& offset);
    // Marching (true) or standing inverted (false).
    void SetAnimated(bool animated);
    // While held (the view moves its content) the outline does not tick.
    void Hold(bool hold);

    // Draws the outline within what painter may paint of view.
    void Paint(CLodo40View& view, QPainter& painter);

    // One step of the stripes and the repaint of the band; the timer's slot.
    void Tick();

    // The window pixels of the outline: the selection's pixels in the view
    // that have a neighbour outside it, within the visible window.
    QRegion Band();
    int Phase() const { return phase_; }
    bool Animated() const { return animated_; }
    // The region the last tick asked the view to repaint: the whole band,
    // or while the band asked for before is still being painted tile by
    // tile, only the band's part in the tiles painted since (the rest of it
    // waits to be painted and will show the new stripes).
    const QRegion& LastTickRegion() const { return lastTick_; }

private:
    // Where picture pixels land in the window now; a change redoes the band.
    struct Mapping {
        QnRect probe;
        int width = 0;
        int height = 0;
        bool operator==(const Mapping&) const = default;
    };
    Mapping CurrentMapping() const;
    void RepaintBand();

    QTimer timer_;
    QPointer<CLodo40View> view_;
    QnRgn selection_;
    QnPoint offset_;
    bool animated_ = false;
    int held_ = 0;
    int phase_ = 0;
    QRegion band_;
    bool bandValid_ = false;
    Mapping bandMapping_;
    QRegion lastTick_;
    // The band the last tick asked for, and the boxes of the paints that
    // drew the outline since; tickBand_ is empty when nothing was asked.
    QRegion tickBand_;
    std::vector<QRect> paintedSinceTick_;
};

// The 8 x 8 stripes of phase: row r holds the bits 0x0F0F << ((phase + r) % 8)
// >> 8, leftmost pixel in the top bit; set bits are white.
QImage OutlinePattern(int phase);
