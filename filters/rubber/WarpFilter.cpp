#include "filters/rubber/WarpFilter.h"

#include "filters/rubber/WarpDialog.h"
#include "filters/rubber/WarpEngine.h"
#include "framework/MessageBox.h"

#include <new>

WarpFilter::WarpFilter()
    : FilterDefinition(sizeof(WarpParams), offsetof(WarpParams, showDialog), offsetof(WarpParams, spare))
{
}

int32_t WarpFilter::BufferSpace() const { return sizeof(WarpParams); }

std::unique_ptr<FilterEngine> WarpFilter::CreateEngine(FilterRecord* record, void* block)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) WarpEngine(record, static_cast<WarpParams*>(block)));
}

bool WarpFilter::RunDialog(void* block, PreviewTile* tile, FilterEngine* engine)
{
    WarpDialog dialog(static_cast<WarpParams*>(block), tile, engine);
    return dialog.DoModal() == fw::IDOK;
}
