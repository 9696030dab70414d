#include "filters/frame/FilterDialogBase.h"

#include "base/QnExcept.h"
#include "filters/frame/FilterEngine.h"
#include "filters/frame/FilterModuleApp.h"
#include "filters/frame/PreviewTile.h"
#include "filters/frame/PreviewWindow.h"
#include "framework/ControlId.h"
#include "framework/MessageBox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

FilterDialogBase::FilterDialogBase(uint32_t templateId, PreviewTile* tile, FilterEngine* engine,
                                   uint32_t helpContext, QWidget* parent)
    : fw::Dialog(parent), engine_(engine), tile_(tile), templateId_(templateId), helpContext_(helpContext)
{
    helpId = helpContext;
}

void FilterDialogBase::CreateControls()
{
    auto* layout = new QVBoxLayout(this);
    // The preview keeps its own geometry inside a fixed frame: it is fitted
    // to the tile around the frame's centre.
    auto* frame = new QWidget(this);
    frame->setFixedSize(256, 256);
    preview_ = CreatePreviewWindow(frame);
    fw::SetControlId(preview_, IDC_PREVIEW);
    preview_->setGeometry(0, 0, 256, 256);
    layout->addWidget(frame, 0, Qt::AlignHCenter);
    processPreview_ = new QCheckBox("Process &preview", this);
    fw::SetControlId(processPreview_, IDC_PROCESS_PREVIEW);
    layout->addWidget(processPreview_);
    CreateFilterControls(layout);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AddButton(fw::IDOK, "OK"));
    buttons->addWidget(AddButton(fw::IDCANCEL, "Cancel"));
    buttons->addWidget(AddButton(ID_HELP, "&Help"));
    layout->addLayout(buttons);
}

PreviewWindow* FilterDialogBase::CreatePreviewWindow(QWidget* parent) { return new PreviewWindow(parent); }

bool FilterDialogBase::OnInitDialog()
{
    fw::Dialog::OnInitDialog();
    preview_->SetTile(tile_);
    preview_->FitToTile();
    const bool show = FilterModuleApp::Get().Profile().GetInt("PREVIEW", "SHOW", 1) != 0;
    if (tile_)
        tile_->show = show;
    processPreview_->setChecked(show);
    return true;
}

void FilterDialogBase::ProcessPreview()
{
    if (!tile_ || !tile_->show || !engine_)
        return;
    engine_->RunOnPreview(*tile_);
    preview_->repaint();
}

void FilterDialogBase::OnCommand(uint32_t id)
{
    if (id == ID_HELP) {
        FilterModuleApp::Get().WinHelp(helpContext_);
        return;
    }
    if (id == IDC_PROCESS_PREVIEW) {
        if (tile_)
            tile_->show = processPreview_->isChecked();
        if (tile_ && tile_->show)
            ProcessPreview();
        else
            preview_->repaint(); // the unfiltered copy
        return;
    }
    fw::Dialog::OnCommand(id);
}

void FilterDialogBase::WriteShowFlag()
{
    if (!tile_)
        return;
    try {
        FilterModuleApp::Get().Profile().WriteInt("PREVIEW", "SHOW", tile_->show ? 1 : 0);
    } catch (const QnExcept&) {
        // The switch holds for this dialog; the settings keep the old one.
    }
}

void FilterDialogBase::OnOK()
{
    WriteShowFlag();
    fw::Dialog::OnOK();
}

void FilterDialogBase::OnCancel()
{
    WriteShowFlag();
    fw::Dialog::OnCancel();
}
