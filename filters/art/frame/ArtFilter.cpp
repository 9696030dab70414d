#include "filters/art/frame/ArtFilter.h"

#include "filters/art/frame/ArtAboutDialog.h"
#include "filters/art/frame/ArtFilterDialog.h"
#include "filters/art/frame/ArtHostDetection.h"
#include "filters/art/frame/PreviewCrop.h"
#include "filters/frame/FilterEngine.h"
#include "framework/MessageBox.h"

ArtFilter::ArtFilter(const ArtFilterInfo& info)
    : FilterDefinition(sizeof(ArtParams), offsetof(ArtParams, showDialog)), info_(info)
{
}

std::unique_ptr<ArtFilterDialog> ArtFilter::MakeDialog(ArtParams&, PreviewTile*, FilterEngine*) { return nullptr; }

void ArtFilter::Prepare(FilterRecord* record)
{
    // The host's buffer space is left as the host set it.
    ArtDetectHost(record);
}

void ArtFilter::About()
{
    if (about_ == ArtAbout::Show)
        ShowArtAbout();
}

VBox ArtFilter::PreviewBox(const FilterRecord& record, bool) const { return PreviewCropBox(record.filterRect); }

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
