#include "filters/rubber/RubberDialog.h"

#include "filters/frame/PreviewTile.h"
#include "filters/rubber/RubberMeshWindow.h"

#include <algorithm>

RubberDialog::RubberDialog(RubberParams* params, PreviewTile* tile, FilterEngine* engine, QWidget* parent)
    : FilterDialogBase(IDD, tile, engine, kHelpContext, parent), params_(params)
{
}

RubberMeshWindow* RubberDialog::Mesh() const { return static_cast<RubberMeshWindow*>(Preview()); }

void RubberDialog::CreateControls()
{
    setWindowTitle("Rubber");
    FilterDialogBase::CreateControls();
}

PreviewWindow* RubberDialog::CreatePreviewWindow(QWidget* parent)
{
    auto* mesh = new RubberMeshWindow(params_, parent);
    mesh->SetDragEnded([this] { ProcessPreview(); });
    return mesh;
}

bool RubberDialog::OnInitDialog()
{
    // Every opening starts from an undragged sheet.
    ResetGrab(*params_);
    FilterDialogBase::OnInitDialog();
    // The preview shows the picture as it is until the first drag.
    PreviewTile* tile = tile_;
    if (tile && tile->unfiltered && tile->working && tile->unfiltered != tile->working) {
        const size_t rowBytes = size_t(tile->width) * size_t(tile->planes);
        for (int32_t y = 0; y < tile->height; ++y)
            std::copy_n(tile->UnfilteredAt(0, y), rowBytes, tile->WorkingAt(0, y));
    }
    return true;
}
