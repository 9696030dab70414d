#include "filters/art/BrushDialog.h"

#include "filters/art/BrushEngine.h"
#include "filters/art/BrushShapes.h"
#include "filters/art/frame/DibControl.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

constexpr int32_t kSizeSlot = 0, kAspectSlot = 1, kEdgeSlot = 2, kAngleSlot = 3;

// The brush as the list shows it: rows as a DIB shows them, bottom-up.
QIcon BrushIcon(int32_t type)
{
    const std::vector<uint8_t> dib = BrushImage(type, 4, type == kBrushRectangle ? 100 : 40);
    QImage image(kBrushSide, kBrushSide, QImage::Format_Grayscale8);
    image.fill(255);
    if (!dib.empty()) {
        const uint8_t* bits = BrushBits(dib);
        for (int32_t y = 0; y < kBrushSide; ++y)
            std::copy_n(bits + y * kBrushSide, kBrushSide, image.scanLine(kBrushSide - 1 - y));
    }
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

BrushDialog::BrushDialog(const ArtFilterInfo& info, const char* title, ArtParams& params, PreviewTile* tile,
                         FilterEngine* engine)
    : ArtSliderDialog(info, ArtDialogLayout{title, std::span(kBrushSliders).first(4)}, params, tile, engine)
{
}

void BrushDialog::CreateFilterControls(QVBoxLayout* layout)
{
    rows_ = new QVBoxLayout;
    for (int32_t slot : {kSizeSlot, kAspectSlot, kEdgeSlot, kAngleSlot}) {
        auto* row = new QWidget(this);
        row->setObjectName(QString("row%1").arg(slot));
        auto* rowLayout = new QVBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        AddSlider(rowLayout, slot, kBrushSliders[size_t(slot)].label);
        rows_->addWidget(row);
    }
    layout->addLayout(rows_);
    auto* line = new QHBoxLayout;
    brush_ = new DibControl(this);
    brush_->setFixedSize(33, 33);
    fw::SetControlId(brush_, IDC_BRUSH);
    autoAngle_ = new QCheckBox("Angle &follows the picture", this);
    fw::SetControlId(autoAngle_, IDC_AUTO_ANGLE);
    line->addWidget(brush_);
    line->addWidget(autoAngle_);
    line->addStretch();
    layout->addLayout(line);

    menu_ = new QMenu(this);
    for (int32_t type = kBrushEllipse; type <= kBrushLast; ++type) {
        QAction* item = menu_->addAction(BrushIcon(type), "");
        item->setData(type);
    }
    connect(menu_, &QMenu::triggered, this,
            [this](QAction* item) { fw::GuardedCall([&] { OnCommand(uint32_t(item->data().toInt())); }); });
}

bool BrushDialog::OnInitDialog()
{
    ArtSliderDialog::OnInitDialog();
    Params().Param(5) = std::clamp(Params().Param(5), kBrushEllipse, kBrushLast);
    autoAngle_->setChecked(Params().Param(6) != 0);
    findChild<QWidget*>(QString("row%1").arg(kAngleSlot))->setVisible(Params().Param(6) == 0);
    ApplyLayout();
    SetBrushWindow();
    return true;
}

void BrushDialog::OnCommand(uint32_t id)
{
    if (id == IDC_BRUSH) {
        menu_->popup(brush_->mapToGlobal(brush_->rect().center()));
        return;
    }
    if (id == IDC_AUTO_ANGLE) {
        Params().Param(6) = autoAngle_->isChecked() ? 1 : 0;
        findChild<QWidget*>(QString("row%1").arg(kAngleSlot))->setVisible(Params().Param(6) == 0);
        UpdatePreview(true);
        return;
    }
    if (id >= uint32_t(kBrushEllipse) && id <= uint32_t(kBrushLast)) {
        if (int32_t(id) != Params().Param(5)) {
            Params().Param(5) = int32_t(id);
            ApplyLayout();
            SetBrushWindow();
            UpdatePreview(true);
        }
        return;
    }
    ArtSliderDialog::OnCommand(id);
}

void BrushDialog::OnHScroll(uint32_t code, int32_t position, uint32_t sliderId)
{
    ArtSliderDialog::OnHScroll(code, position, sliderId);
    if (sliderId != kSlots[kSizeSlot].slider)
        SetBrushWindow();
}

void BrushDialog::SetBrushWindow()
{
    brush_->SetDib(BrushImage(Params().Param(5), Params().Param(3), Params().Param(2)));
    brush_->SetAngle(Params().Param(4));
    brush_->update();
}

void BrushDialog::ApplyLayout()
{
    const bool generated = IsGeneratedBrush(Params().Param(5));
    if (generated == generatedLayout_)
        return;
    generatedLayout_ = generated;
    // The aspect and angle rows change places; the edge row only shows
    // for generated brushes.
    QWidget* aspect = findChild<QWidget*>(QString("row%1").arg(kAspectSlot));
    QWidget* angle = findChild<QWidget*>(QString("row%1").arg(kAngleSlot));
    const int at = rows_->indexOf(aspect), to = rows_->indexOf(angle);
    rows_->removeWidget(aspect);
    rows_->removeWidget(angle);
    if (at < to) {
        rows_->insertWidget(at, angle);
        rows_->insertWidget(to, aspect);
    } else {
        rows_->insertWidget(to, aspect);
        rows_->insertWidget(at, angle);
    }
    aspect->setVisible(generated);
    findChild<QWidget*>(QString("row%1").arg(kEdgeSlot))->setVisible(generated);
}
