#include "filters/rubber/PerspectiveFilter.h"

#include "filters/rubber/PerspectiveDialog.h"
#include "filters/rubber/PerspectiveEngine.h"
#include "framework/MessageBox.h"

#include <new>

std::unique_ptr<FilterEngine> PerspectiveFilter::CreateEngine(FilterRecord* record, void* block)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) PerspectiveEngine(record, &Params(block)));
}

bool PerspectiveFilter::RunDialog(void* block, PreviewTile* tile, FilterEngine* engine)
{
    PerspectiveDialog dialog(&Params(block), tile, engine);
    return dialog.DoModal() == fw::IDOK;
}
