#include "drawctx/ZvWindowServices.h"

namespace {

ZvWindowServices* installed = nullptr;

} // namespace

ZvWindowServices& ZvServices()
{
    static ZvWindowServices none;
    return installed ? *installed : none;
}

ZvWindowServices* ZvSetWindowServices(ZvWindowServices* services)
{
    ZvWindowServices* old = installed;
    installed = services;
    return old;
}
