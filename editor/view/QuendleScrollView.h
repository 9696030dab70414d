// A scrolled view that keeps its own scroll position, which goes negative
// in a direction where the content is smaller than the window, so that the
// content shows centred. The scroll bars come and go with the content's
// extent; moving them moves the window's content and exposes the rest.
#pragma once

#include <cstdint>

#include "framework/View.h"

class CQuendleScrollView : public fw::View {
    FW_DECLARE_DYNAMIC(CQuendleScrollView)

public:
    explicit CQuendleScrollView(QWidget* parent = nullptr);

    int32_t ScrollX() const { return scrollX_; }
    int32_t ScrollY() const { return scrollY_; }
    // The content's extent in window pixels; the bars follow.
    void SetScrollSizes(int32_t totalX, int32_t totalY);
    // Lays the bars out for the content and the window, and moves the
    // content when the position had to change.
    void UpdateBars();
    // Scrolls to a wanted position (clamped into the range).
    void ScrollTo(int32_t x, int32_t y);
    // Moves the content by the bars' change; false when nothing moved.
    virtual bool OnScrollBy(int32_t dx, int32_t dy, bool doScroll);

    bool centre = true;
    bool updateAfterScroll = false;

protected:
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void MoveContent(int32_t x, int32_t y);

    int32_t scrollX_ = 0;
    int32_t scrollY_ = 0;
    int32_t totalX_ = 0;
    int32_t totalY_ = 0;
    bool insideUpdate_ = false;
};
