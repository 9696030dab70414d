#include "filters/rubber/ParticleFilter.h"

#include "filters/rubber/ParticleDialog.h"
#include "filters/rubber/ParticleEngine.h"
#include "framework/MessageBox.h"

#include <new>

ParticleFilter::ParticleFilter(int32_t family) : SevenLongFilter(family) {}

std::unique_ptr<FilterEngine> ParticleFilter::CreateEngine(FilterRecord* record, void* block)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) ParticleEngine(record, &Params(block)));
}

bool ParticleFilter::RunDialog(void* block, PreviewTile* tile, FilterEngine* engine)
{
    ParticleDialog dialog(Params(block).type, &Params(block), tile, engine);
    return dialog.DoModal() == fw::IDOK;
}
