#include "tasks/module/panels/LdFillPanel.h"

#include "editor/loadable/ToolParams.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/EventGuard.h"
#include "framework/FocusLost.h"
#include "framework/SpinButton.h"
#include "tasks/module/panels/LdDialogUnits.h"
#include "tasks/module/panels/LdEditorResources.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

CLdFillPanel::CLdFillPanel(QWidget* parent) : CLdOptionsPanel(parent) {}

void CLdFillPanel::CreateControls()
{
    const auto label = [this](const char* text, int x) {
        auto* above = new QLabel(text, this);
        above->setGeometry(LdDluRect(x, 4, 60, 9));
    };
    label("Match :", 4);
    matchCombo = new QComboBox(this);
    fw::SetControlId(matchCombo, IDC_MATCH);
    matchCombo->setGeometry(LdDluRect(4, 14, 48, 13));
    label("Tolerance :", 60);
    toleranceEdit = new QLineEdit(this);
    fw::SetControlId(toleranceEdit, IDC_TOLERANCE);
    toleranceEdit->setGeometry(LdDluRect(60, 14, 40, 13));
    toleranceSpin = new fw::SpinButton(this);
    fw::SetControlId(toleranceSpin, IDC_TOLERANCE_SPIN);
    toleranceSpin->setGeometry(LdDluRect(100, 14, 9, 13));
    toleranceSpin->SetBuddy(toleranceEdit);
    label("Fill type :", 116);
    fillTypeCombo = new QComboBox(this);
    fw::SetControlId(fillTypeCombo, IDC_FILL_TYPE);
    fillTypeCombo->setGeometry(LdDluRect(116, 14, 90, 13));
    setFixedSize(LdDluX(227), LdDluY(47));

    fw::OnFocusLost(toleranceEdit, [this] { OnToleranceLeft(); });
    // Only the user's choices: filling the lists changes nothing.
    connect(fillTypeCombo, &QComboBox::activated, this, [this] { fw::GuardedCall([this] { OnFillTypeChanged(); }); });
    connect(matchCombo, &QComboBox::activated, this, [this] { fw::GuardedCall([this] { OnMatchChanged(); }); });
}

bool CLdFillPanel::OnInitDialog()
{
    if (params) {
        fillType = params->kind;
        match = params->region;
        tolerance = params->tolerance;
    }
    toleranceSpin->SetRange(0, 255);
    for (int32_t i = 0; i < IDS_FILL_TYPE_COUNT; ++i)
        fillTypeCombo->addItem(QString::fromStdString(LdLoadEditorString(uint32_t(IDS_FILL_TYPE_FIRST + i))));
    matchCombo->addItem(QString::fromStdString(LdLoadEditorString(IDS_MATCH_SELECTION)));
    matchCombo->addItem(QString::fromStdString(LdLoadEditorString(IDS_MATCH_COLOR)));
    EnableTolerance();
    helpId = kHelpPanel;
    fw::SetHelpId(this, kHelpPanel);
    fw::SetHelpId(matchCombo, kHelpMatch);
    fw::SetHelpId(toleranceEdit, kHelpTolerance);
    fw::SetHelpId(fillTypeCombo, kHelpFillType);
    return CLdOptionsPanel::OnInitDialog();
}

void CLdFillPanel::DoDataExchange(fw::DataExchange& dx)
{
    // The lists first: a refused tolerance leaves what they read valid.
    fw::DDX_CBIndex(dx, IDC_MATCH, match);
    fw::DDX_CBIndex(dx, IDC_FILL_TYPE, fillType);
    fw::DDX_Text(dx, IDC_TOLERANCE, tolerance);
    fw::DDV_MinMaxInt(dx, tolerance, 0, 255);
}

void CLdFillPanel::EnableTolerance()
{
    const bool enable = match != 0;
    toleranceEdit->setEnabled(enable);
    toleranceSpin->setEnabled(enable);
}

void CLdFillPanel::OnToleranceLeft()
{
    if (UpdateData(true) && params)
        params->tolerance = tolerance;
}

void CLdFillPanel::OnFillTypeChanged()
{
    UpdateData(true);
    if (params)
        params->kind = fillType;
}

void CLdFillPanel::OnMatchChanged()
{
    UpdateData(true);
    if (params)
        params->region = match;
    EnableTolerance();
}
