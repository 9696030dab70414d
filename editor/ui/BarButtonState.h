// The logic of a bar button that its widget only carries out: which look it
// is drawn in, how hovering makes it hot (the button takes the mouse capture
// on the first move over it and gives it up when the mouse leaves), which
// sounds its events ask for, and where its caption, picture and shadow go.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>

enum class CBarButtonLook { Normal, Hot, Pressed, Disabled };

// Disabled wins; then a pushed button is pressed; a focused hot one is hot.
CBarButtonLook LdChooseBarLook(bool enabled, bool pushed, bool focused, bool hot);

// Waves of the program played by bar buttons.
enum : uint32_t {
    LD_WAVE_HOVER = 143,
    LD_WAVE_PRESS = 144,
};

// What the widget does in answer to one mouse event.
struct CBarButtonReaction {
    bool takeCapture = false;
    bool releaseCapture = false;
    bool takeFocus = false;
    bool repaint = false;
    // Let the ordinary button handling see the event (press, click).
    bool defaultHandling = false;
    uint32_t wave = 0;  // a program wave to play, 0 none
};

class CBarButtonState {
public:
    bool Hot() const { return hot_; }
    bool HasCapture() const { return capture_; }

    // A move at a point inside or outside the button. Moves outside reach
    // the button only while it holds the capture.
    CBarButtonReaction MouseMove(bool inside);
    // The mouse left the button's window (the same as a move outside).
    CBarButtonReaction MouseLeave() { return MouseMove(false); }
    // The ordinary handling captures the mouse on a press and lets it go on
    // the release.
    CBarButtonReaction LeftButtonDown();
    CBarButtonReaction LeftButtonUp();
    // The owner clears hot (after sliding the bar's contents).
    void ClearHot() { hot_ = false; capture_ = false; }

private:
    bool hot_ = false;
    bool capture_ = false;
};

// Placement inside the button rectangle r.
struct CBarButtonLayout {
    int32_t pressOffset = 1;
    bool centreHorizontally = true;
    bool centreVertically = true;

    // The rectangle the caption is laid out in (centred at its bottom).
    QRect CaptionRect(const QRect& r, CBarButtonLook look) const;
    // Top-left of the picture; a pressed picture moves onto its shadow.
    QPoint PicturePos(const QRect& r, const QSize& image, bool pressed) const;
    QPoint ShadowPos(const QRect& r, const QSize& image) const;
};
