#include "editor/ui/Convert1Dlg.h"

#include "editor/ui/PreviewControl.h"
#include "framework/DataExchange.h"
#include "framework/EventGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

Convert1Dlg::Convert1Dlg(const PpQnRenderObj& picture, CLdConversionEffect effect, QWidget* parent)
    : CLdHelpDlg(IDD, parent), picture_(picture), effect_(std::move(effect))
{
    setWindowTitle("Convert to monochrome");
}

void Convert1Dlg::CreateControls()
{
    auto* row = new QHBoxLayout(this);
    auto* grid = new QGridLayout;
    row->addLayout(grid);
    auto* raster = AddControl<QComboBox>(IDC_RASTER);
    raster->addItems({"None", "Error diffusion", "Bayer", "Fatting"});
    connect(raster, &QComboBox::activated, this, [this] { fw::GuardedCall([&] { OnSelChangeRaster(); }); });
    auto* label = new QLabel("&Raster:", this);
    label->setBuddy(raster);
    grid->addWidget(label, 0, 0);
    grid->addWidget(raster, 0, 1);
    preview_ = new PreviewControl(picture_, true, this);
    grid->addWidget(preview_, 1, 0, 1, 2);
    auto* check = AddControl<QCheckBox>(IDC_SHOW_PREVIEW);
    check->setText("&Preview");
    connect(check, &QCheckBox::clicked, this, [this] { fw::GuardedCall([&] { OnShowPreview(); }); });
    grid->addWidget(check, 2, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    AddStandardButtons(buttons);
}

CLdConversion Convert1Dlg::Conversion() const
{
    // No method chosen yet previews as "None" rather than as a method -1.
    return {CLdConversion::Target::Mono, CLdConversion::Palette::Standard, std::max(rasterIndex, 0) * 8};
}

bool Convert1Dlg::OnInitDialog()
{
    initialRaster_ = rasterIndex;
    initialPreview_ = showPreview;
    CLdHelpDlg::OnInitDialog();
    preview_->EnablePreview(showPreview != 0);
    OnSelChangeRaster();
    return true;
}

void Convert1Dlg::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_CBIndex(dx, IDC_RASTER, rasterIndex);
    fw::DDX_Check(dx, IDC_SHOW_PREVIEW, showPreview);
}

void Convert1Dlg::OnSelChangeRaster()
{
    UpdateData(true);
    preview_->SetEffect(effect_(Conversion()));
}

void Convert1Dlg::OnCancel()
{
    rasterIndex = initialRaster_;
    showPreview = initialPreview_;
    CLdHelpDlg::OnCancel();
}

void Convert1Dlg::OnShowPreview()
{
    UpdateData(true);
    preview_->EnablePreview(showPreview != 0);
}
