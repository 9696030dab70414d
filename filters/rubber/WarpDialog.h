// The Warp dialog: the preview with the mesh whose handles the user drags;
// it opens on the mesh the block holds.
#pragma once

#include "filters/frame/FilterDialogBase.h"
#include "filters/rubber/WarpParams.h"

class WarpMeshWindow;

class WarpDialog : public FilterDialogBase {
public:
    static constexpr uint32_t IDD = 174;
    static constexpr uint32_t kHelpContext = 4;

    WarpDialog(WarpParams* params, PreviewTile* tile, FilterEngine* engine, QWidget* parent = nullptr);

    WarpMeshWindow* Mesh() const;

protected:
    void CreateControls() override;
    PreviewWindow* CreatePreviewWindow(QWidget* parent) override;
    bool OnInitDialog() override;

private:
    WarpParams* params_;
};
