#include "editor/ui/StitchDlg.h"

#include "framework/FocusLost.h"
#include "editor/ui/StitchPreview.h"
#include "framework/CommandIds.h"
#include "framework/DataExchange.h"
#include "framework/EventGuard.h"
#include "framework/MessageBox.h"
#include "framework/SpinButton.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int16_t kShiftLimit = 16383;

QnPoint SizeOf(const PpQnRenderObj& picture)
{
    const QnRect r = picture->GetRect(QnXFormXY());
    return QnPoint{int32_t(r.Width()), int32_t(r.Height())};
}

}  // namespace

StitchDlg::StitchDlg(std::vector<StitchPicture> pictures, int active, QWidget* parent)
    : CLdHelpDlg(IDD, parent), pictures_(std::move(pictures)), active_(active),
      preview_(std::make_unique<StitchPreview>(*this))
{
    setWindowTitle("Stitch");
}

StitchDlg::~StitchDlg()
{
    preview_->Close();
}

bool StitchDlg::PreviewOpen() const
{
    return preview_->IsOpen();
}

void StitchDlg::CreateControls()
{
    auto* row = new QHBoxLayout(this);
    auto* left = new QGridLayout;
    row->addLayout(left);
    auto addCombo = [&](int line, const char* caption, uint32_t id, void (StitchDlg::*handler)()) {
        auto* combo = AddControl<QComboBox>(id);
        connect(combo, &QComboBox::activated, this, [this, handler] { fw::GuardedCall([&] { (this->*handler)(); }); });
        auto* label = new QLabel(caption, this);
        label->setBuddy(combo);
        left->addWidget(label, line, 0);
        left->addWidget(combo, line, 1, 1, 3);
        return combo;
    };
    addCombo(0, "&Lower Picture:", IDC_LOWER, &StitchDlg::OnPictureChoiceChanged);
    addCombo(1, "&Upper Picture:", IDC_UPPER, &StitchDlg::OnPictureChoiceChanged);
    auto addNumber = [&](QGridLayout* grid, int line, const char* caption, uint32_t labelId, uint32_t id,
                         uint32_t spinId) {
        auto* edit = AddControl<QLineEdit>(id);
        auto* spin = AddControl<fw::SpinButton>(spinId);
        spin->SetBuddy(edit);
        spin->setFixedWidth(16);
        auto* label = new QLabel(caption, this);
        if (labelId)
            fw::SetControlId(label, labelId);
        label->setBuddy(edit);
        grid->addWidget(label, line, 0);
        grid->addWidget(edit, line, 1);
        grid->addWidget(spin, line, 2);
        return spin;
    };
    transparencySpin_ = addNumber(left, 2, "&Transparency of upper picture (0..100):", 0, IDC_TRANSPARENCY,
                                  IDC_TRANSPARENCY_SPIN);

    auto* position = new QGroupBox("Position", this);
    auto* grid = new QGridLayout(position);
    auto* edgesCombo = AddControl<QComboBox>(IDC_EDGES);
    edgesCombo->addItems({"Rigth of Upper Picture and Left of Lower Picture",
                          "Bottom of Upper Picture and Top of Lower Picture",
                          "Left of Upper Picture and Right of Lower Picture",
                          "Top of Upper Picture and Bottom of Lower Picture", "Custom Shifts"});
    connect(edgesCombo, &QComboBox::activated, this, [this] { fw::GuardedCall([&] { OnPlacementChanged(); }); });
    auto* edgesLabel = new QLabel("Stitch &Edges:", this);
    edgesLabel->setBuddy(edgesCombo);
    grid->addWidget(edgesLabel, 0, 0);
    grid->addWidget(edgesCombo, 0, 1, 1, 2);
    xSpin_ = addNumber(grid, 1, "&X Shift:", IDC_X_LABEL, IDC_X_SHIFT, IDC_X_SPIN);
    ySpin_ = addNumber(grid, 2, "&Y Shift:", IDC_Y_LABEL, IDC_Y_SHIFT, IDC_Y_SPIN);
    for (uint32_t id : {IDC_X_SHIFT, IDC_Y_SHIFT})
        fw::OnFocusLost(GetDlgItem(id), [this] { OnPlacementChanged(); });
    left->addWidget(position, 3, 0, 1, 4);

    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    buttons->addWidget(AddButton(IDC_PREVIEW, "&Preview..."));
    AddStandardButtons(buttons);
}

bool StitchDlg::OnInitDialog()
{
    CLdHelpDlg::OnInitDialog();
    transparencySpin_->SetRange(0, 100);
    transparencySpin_->SetPos(transparency);
    xSpin_->SetRange(-kShiftLimit, kShiftLimit);
    xSpin_->SetPos(xShift);
    ySpin_->SetRange(-kShiftLimit, kShiftLimit);
    ySpin_->SetPos(yShift);
    for (uint32_t id : {IDC_LOWER, IDC_UPPER}) {
        auto* combo = qobject_cast<QComboBox*>(GetDlgItem(id));
        combo->clear();
        for (const StitchPicture& p : pictures_)
            combo->addItem(QString::fromStdString(p.title));
    }
    const int count = int(pictures_.size());
    lowerIndex = active_ >= 0 && active_ < count ? active_ : (count > 0 ? 0 : -1);
    upperIndex = count > 0 ? 0 : -1;
    for (int i = 0; i < count; ++i) {
        if (i != lowerIndex) {
            upperIndex = i;
            break;
        }
    }
    OnPicturesChanged();
    UpdateData(false);
    return true;
}

void StitchDlg::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_Text(dx, IDC_TRANSPARENCY, transparency);
    fw::DDV_MinMaxInt(dx, transparency, 0, 100);
    fw::DDX_CBIndex(dx, IDC_LOWER, lowerIndex);
    fw::DDX_CBIndex(dx, IDC_UPPER, upperIndex);
    fw::DDX_CBIndex(dx, IDC_EDGES, edges);
    fw::DDX_Text(dx, IDC_X_SHIFT, xShift);
    fw::DDX_Text(dx, IDC_Y_SHIFT, yShift);
    if (!dx.saveAndValidate) {
        const bool custom = edges == kCustomShifts;
        for (uint32_t id : {IDC_X_LABEL, IDC_X_SHIFT, IDC_X_SPIN, IDC_Y_LABEL, IDC_Y_SHIFT, IDC_Y_SPIN})
            GetDlgItem(id)->setEnabled(custom);
        GetDlgItem(IDC_PREVIEW)->setEnabled(lowerIndex >= 0 && upperIndex >= 0);
    }
}

void StitchDlg::ApplyEdges()
{
    const QnPoint shift = StitchPlacement(edges, sizes_, Shift());
    xShift = shift.x;
    yShift = shift.y;
}

void StitchDlg::OnPicturesChanged()
{
    preview_->Close();
    const int count = int(pictures_.size());
    auto pick = [&](int index) { return index >= 0 && index < count ? pictures_[size_t(index)].picture : PpQnRenderObj(); };
    lower_ = pick(lowerIndex);
    upper_ = pick(upperIndex);
    if (!HasBoth())
        return;
    const QnPoint lower = SizeOf(lower_), upper = SizeOf(upper_);
    sizes_ = StitchSizes{lower.x, lower.y, upper.x, upper.y};
    edges = kRightOfUpperLeftOfLower;
    ApplyEdges();
}

void StitchDlg::OnPlacementChanged()
{
    const bool open = preview_->IsOpen();
    if (open)
        preview_->InvalidateUpper();
    if (!UpdateData(true))
        return;
    ApplyEdges();
    UpdateData(false);
    if (open)
        preview_->RefreshUpper();
}

void StitchDlg::OnPictureChoiceChanged()
{
    preview_->Close();
    if (!UpdateData(true))
        return;
    OnPicturesChanged();
    UpdateData(false);
}

void StitchDlg::OnPreview()
{
    if (!UpdateData(true))
        return;
    if (!HasBoth())
        return;
    if (preview_->IsOpen())
        preview_->Raise();
    else
        preview_->Open();
}

void StitchDlg::SetCustomShift(const QnPoint& shift)
{
    const QnPoint clamped = ClampStitchShift(shift, sizes_);
    xShift = clamped.x;
    yShift = clamped.y;
    edges = kCustomShifts;
    UpdateData(false);
}

void StitchDlg::OnCommand(uint32_t id)
{
    if (id == IDC_PREVIEW) {
        OnPreview();
        return;
    }
    CLdHelpDlg::OnCommand(id);
}

void StitchDlg::done(int result)
{
    preview_->Close();
    CLdHelpDlg::done(result);
}
