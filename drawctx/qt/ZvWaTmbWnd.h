// The picture control, window class "ZV_WATMB": a child window that shows a
// work-area picture through a drawing context of its own, fitted into the
// control with its proportions kept. Dialogs place it as a control; a
// click or the space bar tells the parent, as a button does.
#pragma once

#include "drawctx/ZvWaTmb.h"
#include "drawctx/qt/ZvWindow.h"

class ZvWaTmbWnd : public ZvWindow {
public:
    ZvWaTmbWnd(QWidget* parent, uint32_t id, uint32_t style = 0);
    ~ZvWaTmbWnd() override;

    // ZV_WATMB_SETPICTURE, ZV_WATMB_GETPICTURE, ZV_WATMB_SETGAMMA, and the
    // dialog code of a button.
    intptr_t SendMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) override;
    // Another window's palette took the system's entries: this one's is
    // realized again in the background.
    void OnPaletteChanged(ZvWindow* from) override;

    const ZvWaTmb& State() const { return state_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void InvalidateFocusRing();

    ZvWaTmb state_;
};
