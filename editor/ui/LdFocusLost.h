// Runs a handler when a control of a running dialog loses the keyboard
// focus, as the dialogs act on a typed value once the user leaves the
// field. An editable combo box is watched through its line edit, which
// holds the focus.
#pragma once

#include <functional>

class QWidget;

void LdOnFocusLost(QWidget* control, std::function<void()> handler);
