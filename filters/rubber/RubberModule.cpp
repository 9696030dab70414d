// The entries of rubber.8bf. Each forwards to the module's dispatcher with
// its filter; the module serves one run at a time.
#include "filters/frame/FilterDispatch.h"
#include "filters/frame/FilterModuleInfo.h"
#include "filters/rubber/RubberFilter.h"

const FilterModuleInfo& FilterModuleDescription()
{
    static const FilterModuleInfo info{"About Rubber", "Orvane Plug-in Collection", "Rubber v.1.0",
                                       "Rubber Plug-in v.1.1"};
    return info;
}

extern "C" PI_EXPORT void ENTRYPOINT1(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static RubberFilter filter;
    FilterDispatch(filter, selector, record, result);
}
