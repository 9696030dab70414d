// The parameter dialog every geometric filter builds on: a preview of the
// filtered image (control 1006), "Process &preview" (control 1015, kept in
// the module's settings), OK, Cancel and "&Help". Filters add their own
// controls in CreateFilterControls and call ProcessPreview when a
// parameter changes.
#pragma once

#include "framework/Dialog.h"

class FilterEngine;
class PreviewTile;
class PreviewWindow;
class QCheckBox;

class FilterDialogBase : public fw::Dialog {
public:
    static constexpr uint32_t IDC_PREVIEW = 1006;
    static constexpr uint32_t IDC_PROCESS_PREVIEW = 1015;
    static constexpr uint32_t ID_HELP = 9;

    FilterDialogBase(uint32_t templateId, PreviewTile* tile, FilterEngine* engine, uint32_t helpContext,
                     QWidget* parent = nullptr);

    uint32_t TemplateId() const { return templateId_; }
    PreviewWindow* Preview() const { return preview_; }
    // Filters the preview with the engine and shows it at once, when the
    // preview is on.
    void ProcessPreview();

    int32_t spare = 0;

protected:
    void CreateControls() override;
    // Controls of the filter, above the buttons.
    virtual void CreateFilterControls(QLayout*) {}
    // The preview control on 1006; filters that draw over the preview make
    // their own.
    virtual PreviewWindow* CreatePreviewWindow(QWidget* parent);
    bool OnInitDialog() override;
    void OnCommand(uint32_t id) override;
    void OnOK() override;
    void OnCancel() override;

    FilterEngine* engine_;
    PreviewTile* tile_;

private:
    void WriteShowFlag();

    uint32_t templateId_;
    uint32_t helpContext_;
    PreviewWindow* preview_ = nullptr;
    QCheckBox* processPreview_ = nullptr;
};
