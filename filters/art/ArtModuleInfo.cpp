// What the art module says of itself in its About box and messages.
#include "filters/frame/FilterModuleInfo.h"

const FilterModuleInfo& FilterModuleDescription()
{
    static const FilterModuleInfo info{"About Quillary", "Orvane Plug-in Collection", "Quillary v.1.0",
                                       "Quillary Plug-in v.1.1"};
    return info;
}
