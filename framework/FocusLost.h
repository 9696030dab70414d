// Runs a handler when a control of a running dialog loses the keyboard
// focus, as the dialogs act on a typed value once the user leaves the
// field. An editable combo box is watched through its line edit, which
// holds the focus. The dialog may be a window of its own or a panel placed
// inside another window.
#pragma once

#include <functional>

class QWidget;

namespace fw {

void OnFocusLost(QWidget* control, std::function<void()> handler);

}  // namespace fw
