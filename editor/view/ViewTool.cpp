#include "editor/view/ViewTool.h"

namespace {
CLdViewHost* host = nullptr;
}  // namespace

void LdSetViewHost(CLdViewHost* h)
{
    host = h;
}

CLdViewHost* LdViewHost()
{
    return host;
}
