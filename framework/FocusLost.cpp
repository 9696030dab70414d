#include "framework/FocusLost.h"

#include "framework/Dialog.h"
#include "framework/EventGuard.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QObject>

namespace fw {

namespace {

// The nearest dialog holding the control.
Dialog* DialogOf(QWidget* control)
{
    for (QWidget* w = control; w; w = w->parentWidget())
        if (auto* dialog = dynamic_cast<Dialog*>(w))
            return dialog;
    return nullptr;
}

class FocusLostFilter : public QObject {
public:
    FocusLostFilter(QWidget* watched, std::function<void()> handler)
        : QObject(watched), watched_(watched), handler_(std::move(handler))
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        // Only while the dialog runs: a focus lost as the dialog is torn
        // down must not reach a handler of a dialog that is half gone.
        if (event->type() != QEvent::FocusOut)
            return false;
        Dialog* dialog = DialogOf(watched_);
        if (dialog && dialog->IsOpen())
            GuardedCall([&] { handler_(); });
        return false;
    }

private:
    QWidget* watched_;
    std::function<void()> handler_;
};

}  // namespace

void OnFocusLost(QWidget* control, std::function<void()> handler)
{
    QWidget* watched = control;
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        watched = combo->lineEdit();
    watched->installEventFilter(new FocusLostFilter(watched, std::move(handler)));
}

}  // namespace fw
