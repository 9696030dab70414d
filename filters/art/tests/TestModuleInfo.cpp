// The module description the art filters need when the tests link them
// into their own process rather than load them as a module.
#include "filters/frame/FilterModuleInfo.h"

const FilterModuleInfo& FilterModuleDescription()
{
    static const FilterModuleInfo info{"About Art filters", "Orvane Plug-in Collection", "Art filter tests",
                                       "Art filter tests"};
    return info;
}
