#include "tasks/module/panels/LdIntParamPanel.h"

#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "tasks/module/panels/LdDialogUnits.h"

#include <QLabel>
#include <QLineEdit>

CLdIntParamPanel::CLdIntParamPanel(QWidget* parent) : CLdOptionsPanel(parent) {}

void CLdIntParamPanel::Bind(const CLdIntParam& setting, const std::string& caption)
{
    param = setting;
    param.SetName(caption);
}

void CLdIntParamPanel::CreateControls()
{
    CreateValueControls();
    setFixedSize(LdDluX(103), LdDluY(26));
}

void CLdIntParamPanel::CreateValueControls()
{
    auto* name = new QLabel("Name", this);
    fw::SetControlId(name, IDC_NAME);
    name->setGeometry(LdDluRect(4, 2, 95, 9));
    auto* box = new QLineEdit(this);
    fw::SetControlId(box, IDC_VALUE);
    box->setGeometry(LdDluRect(4, 12, 40, 12));
    auto* range = new QLabel("&Range", this);
    fw::SetControlId(range, IDC_RANGE);
    range->setGeometry(LdDluRect(48, 14, 51, 9));
}

bool CLdIntParamPanel::OnInitDialog()
{
    minValue = param.GetMin();
    maxValue = param.GetMax();
    rangeText = std::to_string(minValue) + ".." + std::to_string(maxValue);
    nameText = param.GetName();
    value = param.GetValue();
    return CLdOptionsPanel::OnInitDialog();
}

void CLdIntParamPanel::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_Text(dx, IDC_VALUE, value);
    fw::DDV_MinMaxInt(dx, value, minValue, maxValue);
    fw::DDX_Text(dx, IDC_NAME, nameText);
    fw::DDX_Text(dx, IDC_RANGE, rangeText);
}
