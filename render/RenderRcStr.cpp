#include "render/RenderRcStr.h"

namespace {

const QnStringTableEntry kRenderStrings[] = {
    {QN_RENDER_BAD_XFORM_FACTOR, "Bad transformation factor"},
    {QN_RENDER_BAD_PLANE_COUNT, "Bad number of planes"},
    {QN_RENDER_BAD_PLANE_REQUEST, "Bad plane request"},
    {QN_RENDER_BAD_RECT_REQUEST, "Bad rectangle request"},
    {QN_RENDER_CANT_INVOKE, "Internal error: function can't be invoked"},
    {QN_RENDER_STRETCHING, "Stretching"},
    {QN_RENDER_USER_ABORT, "User abort"},
};

struct RenderStrings {
    RenderStrings() { rc.SetTable(kRenderStrings); }
    QnRcStr rc{0};
};

} // namespace

QnRcStr& QnRenderRcStr()
{
    static RenderStrings strings;
    return strings.rc;
}
