#include "editor/ui/FastUndoRedoDepth.h"

#include "framework/DataExchange.h"
#include "framework/SpinButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CFastUndoRedoDepth::CFastUndoRedoDepth(int32_t depth, QWidget* parent) : CLdHelpDlg(IDD, parent), depth(depth)
{
    setWindowTitle("Depth Of Fast Undo/Redo Stack");
}

void CFastUndoRedoDepth::CreateControls()
{
    auto* row = new QHBoxLayout(this);
    auto* line = new QHBoxLayout;
    row->addLayout(line);
    auto* edit = AddControl<QLineEdit>(IDC_DEPTH);
    edit->setFixedWidth(60);
    spin_ = AddControl<fw::SpinButton>(IDC_DEPTH_SPIN);
    spin_->SetBuddy(edit);
    spin_->setFixedWidth(16);
    auto* label = new QLabel("&Depth of fast 'undo' and 'redo' stack is", this);
    label->setBuddy(edit);
    line->addWidget(label);
    line->addWidget(edit);
    line->addWidget(spin_);
    line->addWidget(new QLabel("images.", this));
    line->setAlignment(Qt::AlignTop);
    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    AddStandardButtons(buttons);
}

bool CFastUndoRedoDepth::OnInitDialog()
{
    // Arrows before fields, so a depth past 32767 shows as it is.
    spin_->SetRange(0, 32767);
    spin_->SetPos(depth);
    return CLdHelpDlg::OnInitDialog();
}

void CFastUndoRedoDepth::DoDataExchange(fw::DataExchange& dx)
{
    // Through a copy, so that a refused value leaves the field as it was.
    int32_t d = depth;
    fw::DDX_Text(dx, IDC_DEPTH, d);
    fw::DDV_MinMaxInt(dx, d, 0, 65535);
    depth = d;
}
