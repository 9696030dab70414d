#include "tasks/module/LdFaxDialog.h"

#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"
#include "tasks/module/LdModuleHelp.h"
#include "tasks/sketch/SketchFont.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPlainTextEdit* AddBox(QWidget* parent, QVBoxLayout* column, const char* label, uint32_t id, int height)
{
    auto* box = new QPlainTextEdit(parent);
    fw::SetControlId(box, id);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    box->setFixedSize(174, height);
    auto* caption = new QLabel(label, parent);
    caption->setBuddy(box);
    column->addWidget(caption);
    column->addWidget(box);
    return box;
}

}  // namespace

CLdFaxDialog::CLdFaxDialog(QWidget* parent) : CLdHelpDlg(IDD, parent, LdModuleDialogStyle())
{
    setWindowTitle("Fax");
    setFont(SketchLogFont::FromPointSize(80, "Arial").MakeFont());
}

void CLdFaxDialog::CreateControls()
{
    // 186 x 177 dialog units; the boxes 116 x 66 and 116 x 67.
    auto* layout = new QHBoxLayout(this);
    auto* boxes = new QVBoxLayout;
    AddBox(this, boxes, "&Subject:", IDC_SUBJECT, 107);
    AddBox(this, boxes, "&Notes:", IDC_NOTES, 109);
    boxes->addStretch(1);
    layout->addLayout(boxes);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(AddButton(fw::IDOK, "OK"));
    buttons->addWidget(AddButton(fw::IDCANCEL, "Cancel"));
    buttons->addStretch(1);
    layout->addLayout(buttons);
}

void CLdFaxDialog::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_Text(dx, IDC_NOTES, notes);
    fw::DDX_Text(dx, IDC_SUBJECT, subject);
}
