#include "tasks/module/LdChooseDialog.h"

#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/EventGuard.h"
#include "framework/MessageBox.h"
#include "tasks/module/LdModuleHelp.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CLdChooseDialog::CLdChooseDialog(QWidget* parent) : CLdHelpDlg(IDD, parent, LdModuleDialogStyle())
{
    setWindowTitle("Choose");
}

void CLdChooseDialog::CreateControls()
{
    auto* layout = new QHBoxLayout(this);
    listBox = new QListWidget(this);
    fw::SetControlId(listBox, IDC_LIST);
    // 117 x 80 dialog units.
    listBox->setFixedSize(176, 130);
    layout->addWidget(listBox);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(AddButton(fw::IDOK, "OK"));
    buttons->addWidget(AddButton(fw::IDCANCEL, "Cancel"));
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(listBox, &QListWidget::itemDoubleClicked, this, [this] { fw::GuardedCall([this] { OnOK(); }); });
}

bool CLdChooseDialog::OnInitDialog()
{
    while (!items.empty()) {
        const QString item = QString::fromStdString(items.front());
        items.pop_front();
        if (listBox->findItems(item, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
            listBox->addItem(item);
    }
    // With the list filled, the empty choice selects its first entry, so OK
    // alone takes the first saver.
    return CLdHelpDlg::OnInitDialog();
}

void CLdChooseDialog::DoDataExchange(fw::DataExchange& dx) { fw::DDX_LBString(dx, IDC_LIST, choice); }
