#include "editor/ui/HistoryDlg.h"

#include "framework/DataExchange.h"
#include "framework/EventGuard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

HistoryDlg::HistoryDlg(QWidget* parent) : CLdHelpDlg(IDD, parent)
{
    setWindowTitle("Image History");
}

void HistoryDlg::CreateControls()
{
    auto* row = new QHBoxLayout(this);
    auto* column = new QVBoxLayout;
    row->addLayout(column);
    auto* list = AddControl<QListWidget>(IDC_HISTORY);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { fw::GuardedCall([&] { OnDblClkHistory(); }); });
    auto* label = new QLabel("Select state of image:", this);
    label->setBuddy(list);
    column->addWidget(label);
    column->addWidget(list);
    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    AddStandardButtons(buttons);
}

bool HistoryDlg::OnInitDialog()
{
    auto* list = qobject_cast<QListWidget*>(GetDlgItem(IDC_HISTORY));
    for (const std::string& entry : entries)
        list->addItem(QString::fromStdString(entry));
    return CLdHelpDlg::OnInitDialog();
}

void HistoryDlg::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_LBIndex(dx, IDC_HISTORY, selectedEntry);
}

void HistoryDlg::OnDblClkHistory()
{
    // The entry double-clicked is the one taken.
    OnOK();
}
