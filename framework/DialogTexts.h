// Texts from a dialog template put on a dialog built in code: the caption
// under id 0, every other text on the control of its id (a button, label or
// group box). Ids the dialog lacks are passed over.
#pragma once

#include "platform/LangResources.h"

class QWidget;

namespace fw {

void ApplyDialogTexts(QWidget* dialog, const platform::DialogTexts& texts);

} // namespace fw
