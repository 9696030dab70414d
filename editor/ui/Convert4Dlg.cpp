#include "editor/ui/Convert4Dlg.h"

#include "editor/ui/PreviewControl.h"
#include "editor/ui/UiStrings.h"
#include "framework/DataExchange.h"
#include "framework/EventGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kBayer = 2;

QString Text(int id)
{
    return QString::fromStdString(LdUiString(id));
}

}  // namespace

Convert4Dlg::Convert4Dlg(const PpQnRenderObj& picture, CLdConversionEffect effect, bool fourBit, QWidget* parent)
    : CLdHelpDlg(IDD, parent), fourBit(fourBit), picture_(picture), effect_(std::move(effect))
{
}

QComboBox* Convert4Dlg::Raster() const
{
    return qobject_cast<QComboBox*>(GetDlgItem(IDC_RASTER));
}

void Convert4Dlg::CreateControls()
{
    auto* row = new QHBoxLayout(this);
    auto* grid = new QGridLayout;
    row->addLayout(grid);
    auto* palette = AddControl<QComboBox>(IDC_PALETTE);
    palette->addItems({"Standard", "Optimized"});
    connect(palette, &QComboBox::activated, this, [this] { fw::GuardedCall([&] { OnSelChangePalette(); }); });
    auto* paletteLabel = new QLabel("Pa&lette:", this);
    paletteLabel->setBuddy(palette);
    grid->addWidget(paletteLabel, 0, 0);
    grid->addWidget(palette, 0, 1);
    auto* raster = AddControl<QComboBox>(IDC_RASTER);
    connect(raster, &QComboBox::activated, this, [this] { fw::GuardedCall([&] { OnSelChangeRaster(); }); });
    auto* rasterLabel = new QLabel("&Raster:", this);
    rasterLabel->setBuddy(raster);
    grid->addWidget(rasterLabel, 1, 0);
    grid->addWidget(raster, 1, 1);
    preview_ = new PreviewControl(picture_, true, this);
    grid->addWidget(preview_, 2, 0, 1, 2);
    auto* check = AddControl<QCheckBox>(IDC_SHOW_PREVIEW);
    check->setText("&Preview");
    connect(check, &QCheckBox::clicked, this, [this] { fw::GuardedCall([&] { OnShowPreview(); }); });
    grid->addWidget(check, 3, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    AddStandardButtons(buttons);
}

CLdConversion Convert4Dlg::Conversion() const
{
    CLdConversion conversion;
    conversion.target = fourBit ? CLdConversion::Target::Paletted4 : CLdConversion::Target::Paletted8;
    conversion.palette = paletteIndex != 0 ? CLdConversion::Palette::Optimized : CLdConversion::Palette::Standard;
    conversion.option = std::max(rasterIndex, 0) * 8;
    return conversion;
}

bool Convert4Dlg::OnInitDialog()
{
    initial_[0] = paletteIndex;
    initial_[1] = showPreview;
    initial_[2] = rasterIndex;
    setWindowTitle(Text(fourBit ? IDS_CONVERT_4BIT : IDS_CONVERT_8BIT));
    QComboBox* raster = Raster();
    raster->clear();
    raster->addItem(Text(IDS_RASTER_NONE));
    raster->addItem(Text(IDS_RASTER_DIFFUSION));
    if (paletteIndex == 0)
        raster->addItem(Text(IDS_RASTER_BAYER));
    CLdHelpDlg::OnInitDialog();
    preview_->EnablePreview(showPreview != 0);
    OnSelChangeRaster();
    return true;
}

void Convert4Dlg::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_CBIndex(dx, IDC_PALETTE, paletteIndex);
    fw::DDX_Check(dx, IDC_SHOW_PREVIEW, showPreview);
    fw::DDX_CBIndex(dx, IDC_RASTER, rasterIndex);
}

void Convert4Dlg::OnSelChangePalette()
{
    UpdateData(true);
    QComboBox* raster = Raster();
    if (paletteIndex != 0 && raster->count() == 3) {
        raster->removeItem(kBayer);
        if (rasterIndex == kBayer) {
            rasterIndex = 1;
            UpdateData(false);
        }
    } else if (paletteIndex == 0 && raster->count() == 2) {
        raster->addItem(Text(IDS_RASTER_BAYER));
    }
    OnSelChangeRaster();
}

void Convert4Dlg::OnSelChangeRaster()
{
    UpdateData(true);
    preview_->SetEffect(effect_(Conversion()));
}

void Convert4Dlg::OnCancel()
{
    paletteIndex = initial_[0];
    showPreview = initial_[1];
    rasterIndex = initial_[2];
    CLdHelpDlg::OnCancel();
}

void Convert4Dlg::OnShowPreview()
{
    UpdateData(true);
    preview_->EnablePreview(showPreview != 0);
}
