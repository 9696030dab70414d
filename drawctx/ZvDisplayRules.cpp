// The exported display rules over the recorded display or a device context.
#include "drawctx/ZvColorRules.h"
#include "drawctx/ZvDrawContext.h"

int IsFastDrawAllowed(int waType, const ZV_CDOPT& options)
{
    return ZvIsFastDrawAllowed(ZvRecordedDisplay(), waType, options);
}

int IsFastDrawAllowedForDC(const DeviceContext* dc, int waType, const ZV_CDOPT& options)
{
    return ZvIsFastDrawAllowed(ZvDisplayOf(dc), waType, options);
}

int IsOptionAvailable(int waType, const ZV_CDOPT& options, int& supported)
{
    return ZvIsOptionAvailable(ZvRecordedDisplay(), waType, options, supported);
}

int IsOptionAvailableForDC(const DeviceContext* dc, int waType, const ZV_CDOPT& options, int& supported)
{
    return ZvIsOptionAvailable(ZvDisplayOf(dc), waType, options, supported);
}
