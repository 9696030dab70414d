#include "editor/plugins/PlugInStrings.h"

namespace {

const QnStringTableEntry kPlugInStrings[] = {
    {IDS_PI_PROCESSING, "Processing..."},
};

struct PlugInStrings {
    PlugInStrings() { rc.SetTable(kPlugInStrings); }
    QnRcStr rc{0};
};

} // namespace

QnRcStr& LdPlugInRcStr()
{
    static PlugInStrings strings;
    return strings.rc;
}
