// A module with two filters, each with a property list of its own. Their
// runs do nothing.
#include "filters/sdk/PIFilter.h"
#include "TestModuleLog.h"

TEST_MODULE_LOAD_NOTE("twoentries")

extern "C" PI_EXPORT void ENTRYPOINT1(int16_t selector, FilterRecord*, intptr_t*, int16_t* result)
{
    TestLog("twoentries-1", SelectorName(selector));
    *result = noErr;
}

extern "C" PI_EXPORT void ENTRYPOINT2(int16_t selector, FilterRecord*, intptr_t*, int16_t* result)
{
    TestLog("twoentries-2", SelectorName(selector));
    *result = noErr;
}
