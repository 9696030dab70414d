#include "tasks/module/LdSourceDialog.h"

#include "framework/ControlId.h"
#include "tasks/module/LdEditorHost.h"
#include "tasks/module/LdModuleHelp.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CLdSourceDialog::CLdSourceDialog(QWidget* parent) : CLdHelpDlg(IDD, parent, LdModuleDialogStyle())
{
    setWindowTitle("Select source");
}

void CLdSourceDialog::CreateControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("There is no working picture.\nSelect the picture source.", this));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddButton(IDC_FROM_FILE, "From File"));
    buttons->addWidget(AddButton(IDC_FROM_ALBUM, "From Album"));
    buttons->addWidget(AddButton(IDC_CANCEL, "Cancel"));
    layout->addLayout(buttons);
}

void CLdSourceDialog::OnCommand(uint32_t id)
{
    if (id == IDC_FROM_FILE || id == IDC_FROM_ALBUM || id == IDC_CANCEL)
        EndDialog(int(id));
    else
        CLdHelpDlg::OnCommand(id);
}

void CLdSourceDialog::AskForPicture(CLdEditorHost& editor)
{
    CLdSourceDialog dialog(editor.MainWindow());
    switch (dialog.DoModal()) {
    case IDC_FROM_FILE:
        editor.SendCommand(ID_FILE_OPEN);
        break;
    case IDC_FROM_ALBUM:
        editor.SendCommand(ID_FILE_OPEN_FROM_ALBUM);
        break;
    default:
        break;
    }
}
