// A module that carries BrCont under a property list of its own, so that
// the plug-in host catalogues and runs one of the photo filters.
#include "filters/art/frame/ArtDispatch.h"
#include "filters/frame/FilterModuleInfo.h"
#include "filters/photo/BrCont.h"

const FilterModuleInfo& FilterModuleDescription()
{
    static const FilterModuleInfo info{"About", "Orvane Plug-in Collection", "Photo test v.1.0",
                                       "Photo test Plug-in v.1.1"};
    return info;
}

extern "C" PI_EXPORT void ENTRYPOINT1(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static BrContFilter filter;
    ArtDispatch(filter, selector, record, result, ArtAbout::Show);
}
