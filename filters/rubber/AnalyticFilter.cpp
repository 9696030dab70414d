#include "filters/rubber/AnalyticFilter.h"

#include "filters/rubber/AnalyticWarpEngine.h"

#include <new>

std::unique_ptr<FilterEngine> AnalyticFilter::CreateEngine(FilterRecord* record, void* block)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) AnalyticWarpEngine(record, &Params(block)));
}
