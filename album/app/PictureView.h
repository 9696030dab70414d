// What the full-screen picture window shows and how it answers the user,
// apart from the window: the picture it holds a reference to, where its
// top-left corner lies, the slide-show fit and the keys that move it.
#pragma once

#include <cstdint>

#include "render/Rect.h"
#include "render/Rgn.h"

class DeviceContext;
class WA;
class ZvWindow;

class PictureView {
public:
    PictureView() = default;
    PictureView(const PictureView&) = delete;
    PictureView& operator=(const PictureView&) = delete;
    ~PictureView();

    // Takes picture (a reference of its own; the previous one is released)
    // and centres it on a desktop of the given size.
    void Show(WA* picture, int32_t desktopWidth, int32_t desktopHeight);
    WA* Picture() const { return picture_; }

    // Where the picture lands in a client area of the given size, and the
    // rectangle of the picture mapped onto it (top is row height).
    QnRect Placement(int32_t clientWidth, int32_t clientHeight) const;

    // Black, then the picture through a fresh drawing context.
    void Paint(DeviceContext& dc, ZvWindow* window, const QnRgn& update, int32_t clientWidth,
               int32_t clientHeight) const;

    enum class Answer { Moved, SlideShowOff, Close, Ignored };
    enum class Arrow { Left, Right, Up, Down };
    // An arrow key moves the picture by a tenth of its size.
    Answer OnArrow(Arrow arrow);
    // Any other key, a character or a mouse button.
    Answer OnOtherInput();

    int32_t x = 0;
    int32_t y = 0;
    int slideShow = 0;

private:
    WA* picture_ = nullptr;
};
