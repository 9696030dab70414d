// The window services of the drawing contexts on Qt, installed when the
// window library is loaded. The displays Qt draws on are true colour: no
// palette is realized and no entry of a system palette changes, so the
// palette calls keep their defaults.
#include "drawctx/ZvWindowServices.h"
#include "drawctx/qt/ZvWindow.h"

#include <QApplication>
#include <QPointer>

namespace {

class ZvQtWindowServices : public ZvWindowServices {
public:
    void Invalidate(ZvWindow* window, bool erase) override
    {
        if (window)
            window->Invalidate(nullptr, erase);
    }
    void UpdateNow(ZvWindow* window) override
    {
        if (window)
            window->repaint();
    }
    void Activate(ZvWindow* window) override
    {
        if (!window)
            return;
        active_ = QApplication::activeWindow();
        focus_ = QApplication::focusWidget();
        window->window()->activateWindow();
        window->setFocus(Qt::OtherFocusReason);
    }
    void RestoreActivation(ZvWindow*) override
    {
        if (active_)
            active_->activateWindow();
        if (focus_)
            focus_->setFocus(Qt::OtherFocusReason);
        active_ = nullptr;
        focus_ = nullptr;
    }

private:
    QPointer<QWidget> active_;
    QPointer<QWidget> focus_;
};

ZvQtWindowServices services;
const bool installed = (ZvSetWindowServices(&services), true);

} // namespace
