// A request to end the whole program from outside the program's own menus
// (QCoreApplication::quit, the desktop session, a platform quit): Qt would
// ask every top-level window to close and give up at the first one that
// declines. Our frames decide for themselves how they go (OnClose), and a
// tool window that destroys itself instead of closing would cancel the
// request, so it goes to the application's exit command instead: the main
// window closes as with File > Exit, asking to save and taking its tool
// windows with it.
#pragma once

#include <QObject>

namespace fw {

class App;

class QuitRequest : public QObject {
public:
    explicit QuitRequest(App& app);
    ~QuitRequest() override;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    App& app_;
};

}  // namespace fw
