#include "editor/ui/RotateFlipBase.h"

#include "framework/FocusLost.h"
#include "editor/ui/ScaledPreviewControl.h"
#include "editor/ui/UiStrings.h"
#include "framework/DataExchange.h"
#include "framework/EventGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cstdio>

RotateFlipBase::RotateFlipBase(uint32_t templateId, const PpQnRenderObj& picture, bool interpolationAllowed,
                               QWidget* parent)
    : CLdHelpDlg(templateId, parent), picture_(picture), interpolationAllowed_(interpolationAllowed)
{
    setWindowTitle("Rotate and Flip");
}

void RotateFlipBase::CreateControls()
{
    auto* row = new QHBoxLayout(this);
    auto* grid = new QGridLayout;
    row->addLayout(grid);
    preview_ = new ScaledPreviewControl(picture_, true, this);
    grid->addWidget(preview_, 0, 0, 6, 1);
    auto* angleBox = AddControl<QComboBox>(IDC_ANGLE);
    angleBox->setEditable(true);
    angleBox->addItems({"0", "45", "90", "135", "180", "225", "270", "315"});
    angleBox->lineEdit()->setMaxLength(int(kMaxAngleChars));
    connect(angleBox, &QComboBox::activated, this, [this] { fw::GuardedCall([&] { OnSelChangeAngle(); }); });
    fw::OnFocusLost(angleBox, [this] { OnSettingChanged(); });
    auto* label = new QLabel("&Angle:", this);
    label->setBuddy(angleBox);
    grid->addWidget(label, 0, 1);
    grid->addWidget(angleBox, 0, 2);
    auto addCheck = [&](int line, uint32_t id, const char* text, void (RotateFlipBase::*handler)()) {
        auto* check = AddControl<QCheckBox>(id);
        check->setText(text);
        connect(check, &QCheckBox::clicked, this, [this, handler] { fw::GuardedCall([&] { (this->*handler)(); }); });
        grid->addWidget(check, line, 1, 1, 2);
    };
    addCheck(1, IDC_FLIP_HORIZONTALLY, "Flip H&orizontally", &RotateFlipBase::OnSettingChanged);
    addCheck(2, IDC_FLIP_VERTICALLY, "Flip &Vertically", &RotateFlipBase::OnSettingChanged);
    addCheck(3, IDC_INTERPOLATE, "&Interpolate", &RotateFlipBase::OnSettingChanged);
    addCheck(4, IDC_SHOW_PREVIEW, "&Preview", &RotateFlipBase::OnShowPreview);
    grid->setRowStretch(5, 1);
    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    AddStandardButtons(buttons);
}

bool RotateFlipBase::OnInitDialog()
{
    CLdHelpDlg::OnInitDialog();
    if (!interpolationAllowed_) {
        auto* check = qobject_cast<QCheckBox*>(GetDlgItem(IDC_INTERPOLATE));
        check->setEnabled(false);
        check->setText(QString::fromStdString(LdUiString(IDS_CANT_INTERPOLATE)));
    }
    UpdatePreview();
    return true;
}

void RotateFlipBase::DoDataExchange(fw::DataExchange& dx)
{
    if (!dx.saveAndValidate)
        angleText = std::to_string(angle);
    fw::DDX_Check(dx, IDC_SHOW_PREVIEW, showPreview);
    fw::DDX_Check(dx, IDC_FLIP_HORIZONTALLY, flipHorizontally);
    fw::DDX_Check(dx, IDC_FLIP_VERTICALLY, flipVertically);
    fw::DDX_Check(dx, IDC_INTERPOLATE, interpolate);
    fw::DDX_Text(dx, IDC_ANGLE, angleText);
    fw::DDV_MaxChars(dx, angleText, kMaxAngleChars);
    if (dx.saveAndValidate) {
        // A text without a number leaves the angle as it was.
        int value = 0;
        if (std::sscanf(angleText.c_str(), "%d", &value) == 1)
            angle = value;
    }
}

void RotateFlipBase::OnShowPreview()
{
    UpdateData(true);
    preview_->ShowEffect(showPreview != 0);
}

void RotateFlipBase::OnSettingChanged()
{
    UpdateData(true);
    UpdatePreview();
}

void RotateFlipBase::OnSelChangeAngle()
{
    auto* angleBox = qobject_cast<QComboBox*>(GetDlgItem(IDC_ANGLE));
    angleText = angleBox->currentText().toStdString();
    std::sscanf(angleText.c_str(), "%d", &angle);
    UpdateData(false);
    UpdatePreview();
}
