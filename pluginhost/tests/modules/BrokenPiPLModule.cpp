// A module whose property lists are broken: the scan must not catalogue it.
#include "filters/sdk/PIFilter.h"
#include "TestModuleLog.h"

TEST_MODULE_LOAD_NOTE("brokenpipl")

extern "C" PI_EXPORT void ENTRYPOINT1(int16_t selector, FilterRecord*, intptr_t*, int16_t* result)
{
    TestLog("brokenpipl", SelectorName(selector));
    *result = noErr;
}
