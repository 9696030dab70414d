#include "scanner/ScanSourceDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QListWidget>

#include "framework/ControlId.h"
#include "framework/MessageBox.h"
#include "framework/DataExchange.h"
#include "scanner/ScanDialogIds.h"

CScanSourceDlg::CScanSourceDlg(std::vector<QnScanDeviceInfo> devices, QWidget* parent)
    : fw::Dialog(parent), devices_(std::move(devices))
{
    setWindowTitle("Select Source");
}

void CScanSourceDlg::CreateControls()
{
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("Sources:", this), 0, 0, 1, 2);
    auto* list = new QListWidget(this);
    list->setMinimumWidth(320);
    fw::SetControlId(list, IDC_SCAN_SOURCES);
    for (const QnScanDeviceInfo& device : devices_)
        list->addItem(QString::fromStdString(device.Label()));
    // A double click chooses the line as OK does.
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { PressButton(fw::IDOK); });
    layout->addWidget(list, 1, 0, 1, 2);
    layout->addWidget(AddButton(fw::IDOK, "Select"), 2, 0, Qt::AlignRight);
    layout->addWidget(AddButton(fw::IDCANCEL, "Cancel"), 2, 1);
}

void CScanSourceDlg::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_LBIndex(dx, IDC_SCAN_SOURCES, selected);
}

void CScanSourceDlg::OnOK()
{
    // A choice is needed: OK with no line chosen keeps the dialog open.
    if (UpdateData(true) && selected >= 0 && selected < int(devices_.size()))
        EndDialog(fw::IDOK);
}
