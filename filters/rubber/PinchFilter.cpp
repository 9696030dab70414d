#include "filters/rubber/PinchFilter.h"

#include "filters/rubber/AnalyticWarpEngine.h"
#include "filters/rubber/PinchDialog.h"
#include "framework/MessageBox.h"

PinchFilter::PinchFilter(int32_t variant) : AnalyticFilter(variant) {}

bool PinchFilter::RunDialog(void* block, PreviewTile* tile, FilterEngine* engine)
{
    PinchDialog dialog(Type() == AnalyticWarpEngine::kPunch, &Params(block), tile, engine);
    return dialog.DoModal() == fw::IDOK;
}
