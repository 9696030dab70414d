#include "scanner/ScanProgressDlg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QProgressBar>
#include <QVBoxLayout>

#include "framework/ControlId.h"
#include "framework/MessageBox.h"
#include "scanner/ScanDialogIds.h"

CScanProgressDlg::CScanProgressDlg(QWidget* parent) : fw::Dialog(parent)
{
    setWindowTitle("Scanning");
    setWindowModality(Qt::ApplicationModal);
}

void CScanProgressDlg::CreateControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Scanning the picture...", this));
    auto* bar = new QProgressBar(this);
    bar->setMinimumWidth(280);
    fw::SetControlId(bar, IDC_SCAN_PROGRESS);
    layout->addWidget(bar);
    layout->addWidget(AddButton(fw::IDCANCEL, "Cancel"), 0, Qt::AlignRight);
}

bool CScanProgressDlg::Step(int32_t done, int32_t total)
{
    if (auto* bar = qobject_cast<QProgressBar*>(GetDlgItem(IDC_SCAN_PROGRESS))) {
        // A scanner that does not know the height shows a busy bar.
        bar->setRange(0, total > 0 ? total : 0);
        bar->setValue(total > 0 ? done : 0);
    }
    QCoreApplication::processEvents();
    return !cancelled_;
}
