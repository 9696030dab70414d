#include "filters/rubber/WaveFilter.h"

#include "filters/rubber/AnalyticWarpEngine.h"
#include "filters/rubber/WaveDialog.h"
#include "framework/MessageBox.h"

WaveFilter::WaveFilter() : AnalyticFilter(AnalyticWarpEngine::kWave) {}

bool WaveFilter::RunDialog(void* block, PreviewTile* tile, FilterEngine* engine)
{
    WaveDialog dialog(&Params(block), tile, engine);
    return dialog.DoModal() == fw::IDOK;
}
