// Filters that go wrong in the ways a host must survive, one entry each:
//   ENTRYPOINT1  returns an I/O error from its first Continue
//   ENTRYPOINT2  throws from its first Continue
//   ENTRYPOINT3  asks the host's loop for a rectangle outside the picture
//   ENTRYPOINT4  asks advanceState for a rectangle outside the picture and
//                passes the answer on
//   ENTRYPOINT5  returns filterBadParameters from Prepare
//   ENTRYPOINT6  returns userCanceledErr from Continue
//   ENTRYPOINT7  leaves the selection by clearing autoMask at Prepare
//   ENTRYPOINT8  may write outside the selection by its filter cases
// ENTRYPOINT7 and 8 finish at once.
// Every selector is logged, with the filter rectangle at Prepare.
#include "filters/sdk/PIFilter.h"
#include "TestModuleLog.h"

#include <cstdio>
#include <stdexcept>

TEST_MODULE_LOAD_NOTE("faulty")

namespace {

void Log(int entry, int16_t selector, const FilterRecord* r)
{
    char name[32];
    std::snprintf(name, sizeof(name), "faulty-%d", entry);
    if (selector == filterSelectorPrepare) {
        char what[96];
        std::snprintf(what, sizeof(what), "prepare %d %d %d %d auto %d", r->filterRect.top, r->filterRect.left,
                      r->filterRect.bottom, r->filterRect.right, r->autoMask);
        TestLog(name, what);
    } else {
        TestLog(name, SelectorName(selector));
    }
}

void AskForWhole(FilterRecord* r)
{
    r->inRect = r->outRect = r->filterRect;
    r->inLoPlane = r->outLoPlane = 0;
    r->inHiPlane = r->outHiPlane = static_cast<int16_t>(r->planes - 1);
}

void AskOutside(FilterRecord* r)
{
    AskForWhole(r);
    r->inRect.bottom = static_cast<int16_t>(r->imageSize.v + 10);
}

int16_t Run(int entry, int16_t selector, FilterRecord* r)
{
    Log(entry, selector, r);
    switch (selector) {
    case filterSelectorPrepare:
        if (entry == 5)
            return filterBadParameters;
        if (entry == 7)
            r->autoMask = 0;
        return noErr;
    case filterSelectorStart:
        if (entry == 3) {
            AskOutside(r);
        } else if (entry == 4) {
            AskOutside(r);
            return r->advanceState();
        } else if (entry < 7) {
            AskForWhole(r);
        }
        return noErr;
    case filterSelectorContinue:
        if (entry == 1)
            return ioErr;
        if (entry == 2)
            throw std::runtime_error("filter failed");
        if (entry == 6)
            return userCanceledErr;
        r->inRect = r->outRect = Rect{0, 0, 0, 0};
        return noErr;
    default:
        return noErr;
    }
}

} // namespace

#define FAULTY_ENTRY(n)                                                                                      \
    extern "C" PI_EXPORT void ENTRYPOINT##n(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result) \
    {                                                                                                        \
        *result = Run(n, selector, record);                                                                  \
    }

FAULTY_ENTRY(1)
FAULTY_ENTRY(2)
FAULTY_ENTRY(3)
FAULTY_ENTRY(4)
FAULTY_ENTRY(5)
FAULTY_ENTRY(6)
FAULTY_ENTRY(7)
FAULTY_ENTRY(8)
