#include "filters/rubber/RubberFilter.h"

#include "filters/rubber/RubberDialog.h"
#include "filters/rubber/RubberEngine.h"
#include "filters/rubber/RubberParams.h"
#include "framework/MessageBox.h"

#include <new>

RubberFilter::RubberFilter()
    : FilterDefinition(sizeof(RubberParams), offsetof(RubberParams, showDialog), offsetof(RubberParams, spare))
{
}

void RubberFilter::SetDefaults(void* block) const { ResetGrab(*static_cast<RubberParams*>(block)); }

std::unique_ptr<FilterEngine> RubberFilter::CreateEngine(FilterRecord* record, void* block)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) RubberEngine(record, static_cast<RubberParams*>(block)));
}

bool RubberFilter::RunDialog(void* block, PreviewTile* tile, FilterEngine* engine)
{
    RubberDialog dialog(static_cast<RubberParams*>(block), tile, engine);
    return dialog.DoModal() == fw::IDOK;
}
