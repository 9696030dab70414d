// The help mode of the framework's context-help command (57669: the
// editor's bar Help button, Shift+F1 in a frame): the pointer becomes the
// help cursor, and the next click shows the topic of the control, bar,
// menu item or window under it through the application's WinHelp. Escape,
// another mouse button or leaving the program ends the mode without help.
#pragma once

#include <QObject>
#include <QPoint>
#include <cstdint>
#include <string>

class QWidget;

namespace fw {

// What a click in help mode asks the help for.
struct ContextHelpTopic {
    uint32_t id = 0;
    uint32_t command = 0;
    bool operator==(const ContextHelpTopic&) const = default;
};

class ContextHelpMode : public QObject {
public:
    static ContextHelpMode& Instance();

    // Starts the mode (again while on: nothing changes). Needs the Qt
    // application.
    void Enter();
    // Ends the mode and puts the cursor back.
    void Leave();
    bool IsOn() const { return on_; }

    // The topic of a click at screenPoint on widget: a menu item's topic
    // (its help id, else its command's), else the help id of the widget or
    // of the nearest window part around it that has one. A control's topic
    // is a pop-up, a window's a page. Topics without a page in helpFile
    // give way to the next one out (no help file: every topic counts);
    // when none is left, the main window's topic.
    static ContextHelpTopic TopicAt(QWidget* widget, const QPoint& screenPoint, const std::string& helpFile);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    ContextHelpMode() = default;
    // The click that asked for help: its release goes nowhere.
    void Click(QWidget* widget, const QPoint& screenPoint);

    bool on_ = false;
    bool swallowRelease_ = false;
};

}  // namespace fw
