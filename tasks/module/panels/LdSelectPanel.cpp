#include "tasks/module/panels/LdSelectPanel.h"

#include "editor/loadable/SelectParams.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/EventGuard.h"
#include "framework/FocusLost.h"
#include "framework/SpinButton.h"
#include "tasks/module/panels/LdDialogUnits.h"
#include "tasks/module/panels/LdPanelIcon.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr std::initializer_list<uint32_t> kModes = {
    CLdSelectPanel::IDC_RECTANGLE, CLdSelectPanel::IDC_ELLIPSE,     CLdSelectPanel::IDC_POLYGON,
    CLdSelectPanel::IDC_LASSO,     CLdSelectPanel::IDC_COLOR_RANGE, CLdSelectPanel::IDC_MOVE};
constexpr std::initializer_list<uint32_t> kCombines = {CLdSelectPanel::IDC_NEW, CLdSelectPanel::IDC_ADD,
                                                       CLdSelectPanel::IDC_SUBTRACT};

// Icon of each button and context help of each control.
struct ControlResource {
    uint32_t id;
    int32_t icon;
    uint32_t help;
};
constexpr ControlResource kResources[] = {
    {CLdSelectPanel::IDC_RECTANGLE, 213, 76},   {CLdSelectPanel::IDC_ELLIPSE, 214, 77},
    {CLdSelectPanel::IDC_POLYGON, 212, 78},     {CLdSelectPanel::IDC_LASSO, 207, 79},
    {CLdSelectPanel::IDC_COLOR_RANGE, 208, 80}, {CLdSelectPanel::IDC_MOVE, 209, 81},
    {CLdSelectPanel::IDC_NEW, 210, 82},         {CLdSelectPanel::IDC_ADD, 211, 83},
    {CLdSelectPanel::IDC_SUBTRACT, 215, 84},    {CLdSelectPanel::IDC_TOLERANCE, 0, 85},
    {CLdSelectPanel::IDC_SQUARE, 0, 86},        {CLdSelectPanel::IDC_SIZE, 0, 87},
    {CLdSelectPanel::IDC_X, 0, 88},             {CLdSelectPanel::IDC_Y, 0, 89},
};

// Index of the checked button of a group, -1 for none.
int CheckedIndex(const CLdSelectPanel& panel, std::initializer_list<uint32_t> ids)
{
    int index = 0;
    for (uint32_t id : ids) {
        if (auto* button = qobject_cast<QAbstractButton*>(panel.GetDlgItem(id)); button && button->isChecked())
            return index;
        ++index;
    }
    return -1;
}

}  // namespace

CLdSelectPanel::CLdSelectPanel(QWidget* parent) : CLdOptionsPanel(parent) {}

void CLdSelectPanel::AddButtonGroup(std::initializer_list<uint32_t> ids, std::initializer_list<const char*> texts,
                                    int x)
{
    // A group of its own: buttons exclude only their siblings.
    auto* group = new QWidget(this);
    group->setGeometry(LdDluRect(x, 2, 16 * int(ids.size()), 15));
    int i = 0;
    auto text = texts.begin();
    for (uint32_t id : ids) {
        auto* button = new QPushButton(*text++, group);
        fw::SetControlId(button, id);
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setGeometry(LdDluRect(16 * i++, 0, 15, 15));
        connect(button, &QPushButton::clicked, this, [this] {
            fw::GuardedCall([this] {
                Store();
                Layout();
            });
        });
    }
}

QLineEdit* CLdSelectPanel::AddNumberBox(uint32_t labelId, const char* text, uint32_t editId, uint32_t spinId, int x,
                                        QLabel*& label, fw::SpinButton*& spin)
{
    label = new QLabel(text, this);
    fw::SetControlId(label, labelId);
    label->setGeometry(LdDluRect(x, 24, 44, 9));
    auto* edit = new QLineEdit(this);
    fw::SetControlId(edit, editId);
    const int labelWidth = labelId == IDC_TOLERANCE_LABEL ? 44 : 14;
    edit->setGeometry(LdDluRect(x + labelWidth, 22, 30, 13));
    label->setBuddy(edit);
    spin = new fw::SpinButton(this);
    fw::SetControlId(spin, spinId);
    spin->setGeometry(LdDluRect(x + labelWidth + 30, 22, 9, 13));
    spin->SetBuddy(edit);
    fw::OnFocusLost(edit, [this] { Store(); });
    return edit;
}

void CLdSelectPanel::CreateControls()
{
    AddButtonGroup(kModes, {"R", "E", "P", "L", "M", ">"}, 2);
    AddButtonGroup(kCombines, {"N", "+", "-"}, 104);
    toleranceEdit = AddNumberBox(IDC_TOLERANCE_LABEL, "&Tolerance : ", IDC_TOLERANCE, IDC_TOLERANCE_SPIN, 2,
                                 toleranceLabel, toleranceSpin);
    squareCheck = new QCheckBox("S&quare", this);
    fw::SetControlId(squareCheck, IDC_SQUARE);
    squareCheck->setGeometry(LdDluRect(2, 23, 44, 11));
    sizeCheck = new QCheckBox("&Size", this);
    fw::SetControlId(sizeCheck, IDC_SIZE);
    sizeCheck->setGeometry(LdDluRect(48, 23, 34, 11));
    xEdit = AddNumberBox(IDC_X_LABEL, "&X : ", IDC_X, IDC_X_SPIN, 84, xLabel, xSpin);
    yEdit = AddNumberBox(IDC_Y_LABEL, "&Y : ", IDC_Y, IDC_Y_SPIN, 142, yLabel, ySpin);
    setFixedSize(LdDluX(228), LdDluY(40));

    connect(sizeCheck, &QCheckBox::clicked, this, [this] {
        fw::GuardedCall([this] {
            Store();
            Layout();
        });
    });
    connect(squareCheck, &QCheckBox::clicked, this, [this] { fw::GuardedCall([this] { Store(); }); });
}

bool CLdSelectPanel::OnInitDialog()
{
    if (params) {
        mode = params->mode;
        combine = params->combine;
        square = params->square;
        fixedSize = params->fixedSize;
        width = params->width;
        height = params->height;
        tolerance = params->tolerance;
    }
    xSpin->SetRange(0, 999);
    ySpin->SetRange(0, 999);
    toleranceSpin->SetRange(0, 255);
    for (const ControlResource& r : kResources)
        if (r.icon)
            LdSetButtonIcon(qobject_cast<QAbstractButton*>(GetDlgItem(r.id)), module_, r.icon);
    UpdateData(false);
    Layout();
    Store();
    helpId = kHelpPanel;
    fw::SetHelpId(this, kHelpPanel);
    for (const ControlResource& r : kResources)
        fw::SetHelpId(GetDlgItem(r.id), r.help);
    return true;
}

void CLdSelectPanel::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_Radio(dx, kModes, mode);
    fw::DDX_Radio(dx, kCombines, combine);
    fw::DDX_Check(dx, IDC_SQUARE, square);
    fw::DDX_Check(dx, IDC_SIZE, fixedSize);
    fw::DDX_Text(dx, IDC_X, width);
    fw::DDX_Text(dx, IDC_Y, height);
    fw::DDX_Text(dx, IDC_TOLERANCE, tolerance);
    fw::DDV_MinMaxInt(dx, tolerance, 0, 255);
}

void CLdSelectPanel::Store()
{
    if (!UpdateData(true) || !params)
        return;
    params->mode = mode;
    params->combine = combine;
    params->square = square;
    params->fixedSize = fixedSize;
    params->width = width;
    params->height = height;
    params->tolerance = tolerance;
}

void CLdSelectPanel::Layout()
{
    // What the controls show, not what was last stored: a refused value
    // must not keep the panel in the layout of the shape before.
    const int shape = CheckedIndex(*this, kModes);
    const bool sized = sizeCheck->isChecked();
    const bool box = shape == 0 || shape == 1;
    const bool range = shape == 4;
    sizeCheck->setVisible(box);
    squareCheck->setVisible(box && !sized);
    for (QWidget* w : std::initializer_list<QWidget*>{xLabel, xEdit, xSpin, yLabel, yEdit, ySpin})
        w->setVisible(box && sized);
    for (QWidget* w : std::initializer_list<QWidget*>{toleranceLabel, toleranceEdit, toleranceSpin})
        w->setVisible(range);
}
