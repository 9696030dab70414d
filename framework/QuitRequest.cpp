#include "framework/QuitRequest.h"

#include <QCoreApplication>
#include <QEvent>

#include "framework/App.h"
#include "framework/EventGuard.h"

namespace fw {

QuitRequest::QuitRequest(App& app) : app_(app)
{
    QCoreApplication::instance()->installEventFilter(this);
}

QuitRequest::~QuitRequest()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool QuitRequest::eventFilter(QObject* receiver, QEvent* event)
{
    if (event->type() != QEvent::Quit || receiver != QCoreApplication::instance() || !app_.GetMainWnd())
        return false;
    GuardedCall([&] { app_.OnAppExit(); });
    // Refused (a document kept open) while the main window stays.
    if (app_.GetMainWnd())
        event->ignore();
    else
        event->accept();
    return true;
}

}  // namespace fw
