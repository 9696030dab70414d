#include "editor/ui/CursorProgInd.h"

#include <QApplication>

CursorProgInd::~CursorProgInd()
{
    Show(0);
}

int CursorProgInd::Show(int on)
{
    if (saved_) {
        if (!on) {
            QApplication::restoreOverrideCursor();
            saved_ = false;
        }
        return 1;
    }
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        saved_ = true;
    }
    return 0;
}
