// The Rubber dialog: the preview with its stretch grid, where the user
// grabs a point and drags it; each drag is stored in the parameters and the
// preview filtered again.
#pragma once

#include "filters/frame/FilterDialogBase.h"
#include "filters/rubber/RubberParams.h"

class RubberMeshWindow;

class RubberDialog : public FilterDialogBase {
public:
    static constexpr uint32_t IDD = 173;
    static constexpr uint32_t kHelpContext = 6;

    RubberDialog(RubberParams* params, PreviewTile* tile, FilterEngine* engine, QWidget* parent = nullptr);

    RubberMeshWindow* Mesh() const;

protected:
    void CreateControls() override;
    PreviewWindow* CreatePreviewWindow(QWidget* parent) override;
    bool OnInitDialog() override;

private:
    RubberParams* params_;
};
