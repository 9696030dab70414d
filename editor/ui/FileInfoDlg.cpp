#include "editor/ui/FileInfoDlg.h"

#include "editor/helpdlg/SystemFont.h"
#include "framework/DataExchange.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CFileInfoDlg::CFileInfoDlg(QWidget* parent) : CLdHelpDlg(IDD, parent)
{
    setWindowTitle("Picture Properties");
}

void CFileInfoDlg::CreateControls()
{
    auto* row = new QHBoxLayout(this);
    auto* edit = AddControl<QPlainTextEdit>(IDC_INFO);
    edit->setReadOnly(true);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->setFont(LdMakeFont(LdPointFont(100, "Courier New")));
    edit->setMinimumSize(340, 200);
    row->addWidget(edit);
    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    AddStandardButtons(buttons, false);
}

void CFileInfoDlg::DoDataExchange(fw::DataExchange& dx)
{
    // Read-only: the text only goes to the control, its line breaks as the
    // edit control keeps them.
    if (dx.saveAndValidate)
        return;
    QString shown = QString::fromStdString(text);
    shown.replace("\r\n", "\n");
    qobject_cast<QPlainTextEdit*>(dx.PrepareCtrl(IDC_INFO))->setPlainText(shown);
}
