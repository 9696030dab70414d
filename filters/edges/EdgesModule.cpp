// edges.8bf: the Edges filter, run by the editor's effect table and, through
// its property list, by the plug-in host library.
#include "filters/edges/EdgesDispatch.h"
#include "filters/frame/FilterModuleInfo.h"

const FilterModuleInfo& FilterModuleDescription()
{
    static const FilterModuleInfo info{"About Edges", "Quendle Software Edges", "Edges v.1.0", "Edges"};
    return info;
}

extern "C" PI_EXPORT void ENTRYPOINT1(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    EdgesDispatch(selector, record, result);
}
