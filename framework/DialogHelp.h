// Context help in a dialog: F1 and right clicks that reach the dialog ask
// for the help of the control concerned (the widget with a control id at or
// above the focus or the pointer). The dialogs of each program and module
// answer by rules of their own, which DialogHelpRules names, and show their
// topics from their own help file.
#pragma once

#include <QObject>
#include <QPoint>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "framework/App.h"

class QWidget;

namespace fw {

class Dialog;

struct DialogHelpRules {
    // What F1 gives when the focus is on no control with a topic.
    enum class Elsewhere {
        DialogTopic,  // the dialog's topic (its helpId) as a page
        Contents,     // the contents of the help file
        Nothing,      // nothing: the key goes on to the dialog
    };

    // The help file the topics are shown from; none: the application's help.
    std::optional<std::string> helpFile;
    // F1 on a control with a topic shows it with this command; 0: F1 asks
    // for what Elsewhere names wherever the focus is.
    uint32_t keyCommand = HELP_WM_HELP;
    Elsewhere elsewhere = Elsewhere::DialogTopic;
    // The "What's This?" item a right click offers, and its text (read when
    // the menu is made). Command 0 offers no menu: a right click on a
    // control with a topic shows it at once (HELP_CONTEXTMENU).
    uint32_t whatsThisCommand = 0;
    std::function<std::string()> whatsThisText;
    // "What's This?" on a control without a topic gives what F1 elsewhere
    // gives; otherwise nothing.
    bool whatsThisFallsBack = false;
    // Controls keep their own menus (an edit's Cut and Paste); otherwise a
    // right click anywhere reaches the dialog.
    bool controlMenus = true;
    // The topic a control without one gets when the dialog opens (0: none).
    // OK and Cancel never get one.
    std::function<uint32_t(uint32_t controlId)> controlTopic;
};

class DialogHelp : public QObject {
public:
    // Watches dialog's keys and right clicks; the dialog owns it.
    DialogHelp(Dialog& dialog, DialogHelpRules rules);

    const DialogHelpRules& Rules() const { return rules_; }

    // Gives the controls their topics and, where the rules say so, takes
    // their own menus; for OnInitDialog, once the controls exist.
    void PrepareControls();

    // The control (the widget with a control id) at or above widget, below
    // the dialog; null for none.
    QWidget* ControlOf(QWidget* widget) const;

    // F1 with the focus where it is; false when it asked for nothing.
    bool OnHelpKey();
    // A right click at a point of the dialog (dialogPoint) and of the
    // screen (screenPoint, where a menu opens).
    void OnRightClick(const QPoint& dialogPoint, const QPoint& screenPoint);
    // The "What's This?" command: the help of the control at the point of
    // the last right click.
    void OnWhatsThis();
    // What F1 gives away from a control's topic; false for nothing.
    bool ShowDialogHelp() const;
    // Topic id with command, from the rules' help file.
    void Show(uint32_t id, uint32_t command) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Dialog& dialog_;
    DialogHelpRules rules_;
    QPoint menuPoint_;
};

}  // namespace fw
