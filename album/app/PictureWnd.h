// The full-screen picture window of "View Picture" and the slide show: a
// borderless window over the whole desktop on black. Arrow keys move the
// picture; any other key or a click closes it (in the slide show, only ends
// the show's mode, and the show closes it).
#pragma once

#include "album/app/PictureView.h"
#include "drawctx/qt/ZvWindow.h"

class CPictureWnd : public ZvWindow {
public:
    // Shown at once over the desktop's screen; deletes itself on close.
    CPictureWnd();

    // Replaces the picture, centred, and repaints now.
    void ShowPicture(WA* picture);
    PictureView& View() { return view_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Answer(PictureView::Answer answer);

    PictureView view_;
};
