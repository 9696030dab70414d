#include "filters/rubber/PageCurlFilter.h"

#include "filters/rubber/PageCurlDialog.h"
#include "filters/rubber/PageCurlEngine.h"
#include "framework/MessageBox.h"

#include <new>

std::unique_ptr<FilterEngine> PageCurlFilter::CreateEngine(FilterRecord* record, void* block)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) PageCurlEngine(record, &Params(block)));
}

bool PageCurlFilter::RunDialog(void* block, PreviewTile* tile, FilterEngine* engine)
{
    PageCurlDialog dialog(&Params(block), tile, engine);
    return dialog.DoModal() == fw::IDOK;
}
