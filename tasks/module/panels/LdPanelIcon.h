// The small pictures on the buttons of the selection and text panels: 16 x
// 16 icons of the module that made the panel.
#pragma once

#include <cstdint>

class CLdModule;
class QAbstractButton;

// Puts icon id of module on button; a missing module or icon leaves the
// button with its text.
void LdSetButtonIcon(QAbstractButton* button, const CLdModule* module, int32_t id);
