// Drives the application's idle work from Qt's event loop: when the loop is
// about to wait after a burst of events, OnIdle(0), OnIdle(1), ... run while
// they ask for more and no new event came. It also offers every event to the
// application's PreTranslateEvent first.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>

namespace fw {

class App;

class IdlePump : public QObject {
public:
    explicit IdlePump(App& app);
    ~IdlePump() override;

    // Runs the idle steps now until OnIdle declines (tests, modal loops).
    void RunIdleNow();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    void OnAboutToBlock();
    void Step();
    static bool IsActivity(const QEvent* event);

    App& app_;
    QTimer timer_;
    int32_t count_ = 0;
    bool burstDone_ = false;
    bool inFilter_ = false;
    bool shortcutUpdated_ = false; // for the key on its way to a shortcut
};

}  // namespace fw
