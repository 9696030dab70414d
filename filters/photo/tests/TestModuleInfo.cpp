// The module description the photo library needs when the tests link it
// into their own process rather than load it as a module.
#include "filters/frame/FilterModuleInfo.h"

const FilterModuleInfo& FilterModuleDescription()
{
    static const FilterModuleInfo info{"About", "Orvane Plug-in Collection", "Photo tests", "Photo tests"};
    return info;
}
