// Context help in the module's dialogs: they derive from the editor's
// dialog base, with the module's "What's This?" item (command 256, the
// module's string 257) and topics for their controls. The module's strings
// are its own resources, which the module hands to its libraries when it is
// loaded (tests point them at the module's file).
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"

#include <cstdint>

class QnRcStr;

// The module's string table as its libraries read it.
QnRcStr& LdModuleStrings();

const CLdHelpDlgStyle& LdModuleDialogStyle();

inline constexpr uint32_t ID_MODULE_WHATS_THIS = 256;
inline constexpr int IDS_MODULE_WHATS_THIS = 257;
