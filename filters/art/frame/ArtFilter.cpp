#include "filters/art/frame/ArtFilter.h"

#include "filters/art/frame/ArtFilterDialog.h"
#include "filters/frame/FilterEngine.h"
#include "framework/MessageBox.h"

ArtFilter::ArtFilter(const ArtFilterInfo& info)
    : FilterDefinition(sizeof(ArtParams), offsetof(ArtParams, showDialog)), info_(info)
{
}

std::unique_ptr<ArtFilterDialog> ArtFilter::MakeDialog(ArtParams&, PreviewTile*, FilterEngine*) { return nullptr; }

void ArtFilter::SetDefaults(void* block) const { Defaults(*static_cast<ArtParams*>(block)); }

std::unique_ptr<FilterEngine> ArtFilter::CreateEngine(FilterRecord* record, void* block)
{
    return MakeEngine(record, static_cast<ArtParams*>(block));
}

bool ArtFilter::RunDialog(void* block, PreviewTile* tile, FilterEngine* engine)
{
    std::unique_ptr<ArtFilterDialog> dialog = MakeDialog(*static_cast<ArtParams*>(block), tile, engine);
    // A filter with parameters but no dialog filters with what it keeps.
    return !dialog || dialog->DoModal() == fw::IDOK;
}
