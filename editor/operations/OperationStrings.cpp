#include "editor/operations/OperationStrings.h"

namespace {

const QnStringTableEntry kOperationStrings[] = {
    {IDS_RENDERING_PICTURE, "Rendering picture"},
    {IDS_BAD_PLANE, "Bad plane request"},
    {IDS_USER_ABORT, "User Abort"},
};

struct OperationStrings {
    OperationStrings() { rc.SetTable(kOperationStrings); }
    QnRcStr rc{0};
};

}  // namespace

QnRcStr& LdOperationRcStr()
{
    static OperationStrings strings;
    return strings.rc;
}
