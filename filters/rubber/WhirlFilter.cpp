#include "filters/rubber/WhirlFilter.h"

#include "filters/rubber/AnalyticWarpEngine.h"
#include "filters/rubber/WhirlDialog.h"
#include "framework/MessageBox.h"

WhirlFilter::WhirlFilter() : AnalyticFilter(AnalyticWarpEngine::kWhirl) {}

bool WhirlFilter::RunDialog(void* block, PreviewTile* tile, FilterEngine* engine)
{
    WhirlDialog dialog(&Params(block), tile, engine);
    return dialog.DoModal() == fw::IDOK;
}
