#include "filters/rubber/RandomWarpFilter.h"

#include "filters/rubber/RandomWarpDialog.h"
#include "filters/rubber/RandomWarpEngine.h"
#include "framework/MessageBox.h"

#include <new>

RandomWarpFilter::RandomWarpFilter() : SevenLongFilter(RandomWarpEngine::kExcitations) {}

std::unique_ptr<FilterEngine> RandomWarpFilter::CreateEngine(FilterRecord* record, void* block)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) RandomWarpEngine(record, &Params(block)));
}

bool RandomWarpFilter::RunDialog(void* block, PreviewTile* tile, FilterEngine* engine)
{
    RandomWarpDialog dialog(&Params(block), tile, engine);
    return dialog.DoModal() == fw::IDOK;
}
