// The entries of rubber.8bf. Each forwards to the module's dispatcher with
// its filter; the module serves one run at a time.
#include "filters/frame/FilterDispatch.h"
#include "filters/frame/FilterModuleInfo.h"
#include "filters/rubber/BurstFilter.h"
#include "filters/rubber/PageCurlFilter.h"
#include "filters/rubber/ParticleFilter.h"
#include "filters/rubber/PerspectiveFilter.h"
#include "filters/rubber/PinchFilter.h"
#include "filters/rubber/RandomWarpFilter.h"
#include "filters/rubber/RubberFilter.h"
#include "filters/rubber/RubberStrings.h"
#include "filters/rubber/WarpFilter.h"
#include "filters/rubber/WaveFilter.h"
#include "filters/rubber/WhirlFilter.h"
#include "platform/OwnResources.h"

namespace {

// The filters' titles come from the module's own string table, set when
// the module is loaded.
[[maybe_unused]] const bool stringsSet = [] {
    RubberRcStr().SetResourceModule(platform::OwnStringSource());
    return true;
}();

} // namespace

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

extern "C" PI_EXPORT void ENTRYPOINT2(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static WarpFilter filter;
    FilterDispatch(filter, selector, record, result);
}

extern "C" PI_EXPORT void ENTRYPOINT3(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static PinchFilter filter(0);
    FilterDispatch(filter, selector, record, result);
}

extern "C" PI_EXPORT void ENTRYPOINT4(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static PinchFilter filter(1);
    FilterDispatch(filter, selector, record, result);
}

extern "C" PI_EXPORT void ENTRYPOINT5(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static PageCurlFilter filter;
    FilterDispatch(filter, selector, record, result);
}

extern "C" PI_EXPORT void ENTRYPOINT6(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static RandomWarpFilter filter;
    FilterDispatch(filter, selector, record, result);
}

extern "C" PI_EXPORT void ENTRYPOINT7(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static ParticleFilter filter(0);
    FilterDispatch(filter, selector, record, result);
}

extern "C" PI_EXPORT void ENTRYPOINT8(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static ParticleFilter filter(1);
    FilterDispatch(filter, selector, record, result);
}

extern "C" PI_EXPORT void ENTRYPOINT9(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static ParticleFilter filter(2);
    FilterDispatch(filter, selector, record, result);
}

extern "C" PI_EXPORT void ENTRYPOINT10(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static WhirlFilter filter;
    FilterDispatch(filter, selector, record, result);
}

extern "C" PI_EXPORT void ENTRYPOINT11(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static WaveFilter filter;
    FilterDispatch(filter, selector, record, result);
}

extern "C" PI_EXPORT void ENTRYPOINT12(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static BurstFilter filter(0);
    FilterDispatch(filter, selector, record, result);
}

extern "C" PI_EXPORT void ENTRYPOINT13(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static BurstFilter filter(3);
    FilterDispatch(filter, selector, record, result);
}

extern "C" PI_EXPORT void ENTRYPOINT14(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static PerspectiveFilter filter;
    FilterDispatch(filter, selector, record, result);
}
