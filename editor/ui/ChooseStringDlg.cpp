#include "editor/ui/ChooseStringDlg.h"

#include "framework/DataExchange.h"
#include "framework/EventGuard.h"
#include "framework/MessageBox.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

CChooseStringDlg::CChooseStringDlg(QWidget* parent) : CLdHelpDlg(IDD, parent)
{
    setWindowTitle("Choose");
}

void CChooseStringDlg::CreateControls()
{
    auto* row = new QHBoxLayout(this);
    auto* list = AddControl<QListWidget>(IDC_LIST);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { fw::GuardedCall([&] { OnDblClkList(); }); });
    row->addWidget(list);
    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    AddStandardButtons(buttons);
}

bool CChooseStringDlg::OnInitDialog()
{
    auto* list = qobject_cast<QListWidget*>(GetDlgItem(IDC_LIST));
    while (!pendingStrings.empty()) {
        const QString text = QString::fromStdString(pendingStrings.front());
        pendingStrings.pop_front();
        // Compared byte for byte: texts that differ only in case are two.
        if (list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
            list->addItem(text);
    }
    return CLdHelpDlg::OnInitDialog();
}

void CChooseStringDlg::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_LBString(dx, IDC_LIST, selection);
}

void CChooseStringDlg::OnDblClkList()
{
    UpdateData(true);
    EndDialog(fw::IDOK);
}
