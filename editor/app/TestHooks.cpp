#include "editor/app/TestHooks.h"

#include <QCoreApplication>
#include <QTimer>
#include <fstream>

#include "editor/app/Lodo40App.h"
#include "editor/frame/MainFrm.h"
#include "editor/view/Lodo40View.h"

void LdTestReport(const std::string& line)
{
    const QByteArray path = qgetenv("TELVY12_TEST_REPORT");
    if (path.isEmpty())
        return;
    std::ofstream(path.constData(), std::ios::app) << line << std::endl;
}

void LdArmTestSnapshot(CLodo40App& app)
{
    const QByteArray path = qgetenv("TELVY12_TEST_SNAPSHOT");
    if (path.isEmpty())
        return;
    auto* timer = new QTimer(app.GetMainWidget());
    QObject::connect(timer, &QTimer::timeout, timer, [&app, timer, file = QString::fromLocal8Bit(path)] {
        CMainFrame* frame = app.MainFrame();
        auto* view = frame ? dynamic_cast<CLodo40View*>(frame->GetActiveView()) : nullptr;
        if (!view)
            return;
        timer->stop();
        view->PaintAll();
        view->Grab().save(file, "PNG");
        QCoreApplication::quit();
    });
    timer->start(50);
}
