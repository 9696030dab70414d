#include "savers/CSaverApp.h"

#include "platform/ProgramLocation.h"
#include "savers/CSaverDlg.h"
#include "savers/CSaverFullScreenWnd.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <csignal>
#include <cstdlib>
#include <iostream>

namespace {

// xscreensaver and the desktop's saver control end a running saver with
// SIGTERM: the window is then closed as after input, so that it still
// writes what it writes when it goes.
volatile std::sig_atomic_t terminateRequested = 0;

void OnTerminate(int) { terminateRequested = 1; }

} // namespace

CSaverApp::CSaverApp(const SaverProgram& program, platform::RegistryStore store)
    : fw::App(program.name), program_(program), store_(std::move(store))
{
}

bool CSaverApp::InitInstance()
{
    const char* xscreensaverWindow = std::getenv("XSCREENSAVER_WINDOW");
    const SaverCommand command = ParseSaverCommandLine(GetArguments(), xscreensaverWindow ? xscreensaverWindow : "");
    switch (command.mode) {
    case SaverMode::Settings:
        RunSettingsDialog();
        windowless_ = true;
        return true;
    case SaverMode::Preview:
        if (CreatePreview(command.window))
            return true;
        std::cerr << GetAppName() << ": no window " << command.window << " to draw into\n";
        return false;
    case SaverMode::FullScreen:
        CreateFullScreen();
        return true;
    case SaverMode::Quit:
        break;
    }
    std::cerr << "usage: " << platform::ProgramLocation::ProgramName()
              << " [/c | /p <window> | /s | -root | -window-id <window>]\n";
    return false;
}

int CSaverApp::Run()
{
    if (windowless_)
        return 0;
    std::signal(SIGTERM, OnTerminate);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [this] {
        if (terminateRequested && effectWnd_)
            effectWnd_->close();
    });
    watch.start(50);
    return fw::App::Run();
}

void CSaverApp::RunSettingsDialog()
{
    CSaverDlg dialog(program_, Settings(), Screen(), platform::ProgramLocation::ProgramPath());
    dialog.DoModal();
}

void CSaverApp::AdoptEffectWindow(CSaverWnd* window)
{
    effectWnd_ = window;
    QObject::connect(window, &QObject::destroyed, [this] {
        effectWnd_ = nullptr;
        fullScreen_ = nullptr;
        if (QCoreApplication::instance())
            QCoreApplication::exit(0);
    });
}

bool CSaverApp::CreatePreview(uint64_t window)
{
    QWindow* parent = QWindow::fromWinId(WId(window));
    if (!parent)
        return false;
    auto* preview = new CSaverWnd(program_, Settings(), Screen(), true);
    preview->setAttribute(Qt::WA_NativeWindow);
    preview->winId();
    preview->windowHandle()->setParent(parent);
    preview->setGeometry(QRect(QPoint(0, 0), parent->geometry().size()));
    preview->show();
    AdoptEffectWindow(preview);
    return true;
}

void CSaverApp::CreateFullScreen()
{
    // The desktop copy is taken while constructing, before the window shows.
    fullScreen_ = new CSaverFullScreenWnd(program_, Settings(), Screen());
    const QScreen* screen = QGuiApplication::primaryScreen();
    fullScreen_->setGeometry(screen ? screen->geometry() : QRect(0, 0, 640, 480));
    fullScreen_->showFullScreen();
    fullScreen_->activateWindow();
    AdoptEffectWindow(fullScreen_);
}
