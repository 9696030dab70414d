#include "tasks/module/LdModuleHelp.h"

#include "base/QnRcStr.h"

QnRcStr& LdModuleStrings()
{
    static QnRcStr strings(0);
    return strings;
}

const CLdHelpDlgStyle& LdModuleDialogStyle()
{
    static const CLdHelpDlgStyle style{ID_MODULE_WHATS_THIS, &LdModuleStrings(), IDS_MODULE_WHATS_THIS, true};
    return style;
}
