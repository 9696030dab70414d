#include "editor/document/StringDlg.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "framework/DataExchange.h"

CStringDlg::CStringDlg(QWidget* parent) : CLdHelpDlg(IDD, parent)
{
    setWindowTitle("Rename");
}

void CStringDlg::CreateControls()
{
    auto* row = new QHBoxLayout(this);
    auto* edit = AddControl<QLineEdit>(IDC_TEXT);
    edit->setMinimumWidth(240);
    row->addWidget(edit, 0, Qt::AlignTop);
    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    AddStandardButtons(buttons);
}

void CStringDlg::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_Text(dx, IDC_TEXT, m_text);
    fw::DDV_MaxChars(dx, m_text, kMaxLength);
}
