#include "editor/ui/LdFocusLost.h"

#include "framework/EventGuard.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QObject>

namespace {

class FocusLostFilter : public QObject {
public:
    FocusLostFilter(QObject* parent, std::function<void()> handler) : QObject(parent), handler_(std::move(handler)) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut)
            fw::GuardedCall([&] { handler_(); });
        return false;
    }

private:
    std::function<void()> handler_;
};

}  // namespace

void LdOnFocusLost(QWidget* control, std::function<void()> handler)
{
    QWidget* watched = control;
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        watched = combo->lineEdit();
    watched->installEventFilter(new FocusLostFilter(watched, std::move(handler)));
}
