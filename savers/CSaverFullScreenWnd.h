// The full-screen saver: a topmost window over the whole screen, without a
// cursor, that closes at the first input: a key, a button, a move of the
// mouse away from where it was first seen, or the loss of the focus (Alt+Tab).
// Its end ends the program.
#pragma once

#include "savers/CSaverWnd.h"

#include <QPoint>

class CSaverFullScreenWnd : public CSaverWnd {
public:
    CSaverFullScreenWnd(const SaverProgram& program, SaverSettings settings, SaverScreen& screen);

    // The first mouse position seen, (-1, -1) before any.
    QPoint FirstMousePosition() const { return first_; }

protected:
    bool event(QEvent* event) override;

private:
    // Closes from the event loop, after the event that asked for it.
    void PostClose();

    QPoint first_{-1, -1};
    bool closing_ = false;
    // Losing the focus ends the saver only once it had it.
    bool activated_ = false;
};
