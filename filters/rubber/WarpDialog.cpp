#include "filters/rubber/WarpDialog.h"

#include "filters/frame/PreviewTile.h"
#include "filters/rubber/WarpMeshWindow.h"

WarpDialog::WarpDialog(WarpParams* params, PreviewTile* tile, FilterEngine* engine, QWidget* parent)
    : FilterDialogBase(IDD, tile, engine, kHelpContext, parent), params_(params)
{
}

WarpMeshWindow* WarpDialog::Mesh() const { return static_cast<WarpMeshWindow*>(Preview()); }

void WarpDialog::CreateControls()
{
    setWindowTitle("Warp");
    FilterDialogBase::CreateControls();
}

PreviewWindow* WarpDialog::CreatePreviewWindow(QWidget* parent)
{
    auto* mesh = new WarpMeshWindow(params_, parent);
    mesh->SetDragEnded([this] { ProcessPreview(); });
    return mesh;
}

bool WarpDialog::OnInitDialog()
{
    FilterDialogBase::OnInitDialog();
    // The block keeps the last mesh: the dialog opens on it, filtered.
    if (tile_)
        Mesh()->Model().SetTileSize(tile_->width, tile_->height);
    Mesh()->Model().LoadOffsets(*params_);
    ProcessPreview();
    return true;
}
