#include "filters/rubber/BurstFilter.h"

#include "filters/rubber/BurstDialog.h"
#include "filters/rubber/BurstEngine.h"
#include "framework/MessageBox.h"

#include <new>

BurstFilter::BurstFilter(int32_t family) : SevenLongFilter(family) {}

std::unique_ptr<FilterEngine> BurstFilter::CreateEngine(FilterRecord* record, void* block)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) BurstEngine(record, &Params(block)));
}

bool BurstFilter::RunDialog(void* block, PreviewTile* tile, FilterEngine* engine)
{
    BurstDialog dialog(Type() >= BurstEngine::kEarthQuake, &Params(block), tile, engine);
    return dialog.DoModal() == fw::IDOK;
}
