#include "filters/frame/HostSelectDialog.h"

#include "filters/frame/HostList.h"
#include "framework/ControlId.h"
#include "framework/MessageBox.h"

#include <QPushButton>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

HostSelectDialog::HostSelectDialog(uint32_t hostSig, int32_t number, QWidget* parent)
    : fw::Dialog(parent), hostNumber(number), hostSig_(hostSig)
{
}

void HostSelectDialog::CreateControls()
{
    setWindowTitle("Host application selection");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Please select your host aplication in below field.", this));
    hosts_ = new QComboBox(this);
    fw::SetControlId(hosts_, IDC_HOSTS);
    layout->addWidget(hosts_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AddButton(fw::IDOK, "OK"));
    buttons->addWidget(AddButton(fw::IDCANCEL, "Cancel"));
    layout->addLayout(buttons);
}

bool HostSelectDialog::OnInitDialog()
{
    fw::Dialog::OnInitDialog();
    for (int32_t row = 0; row < kHostCount; ++row)
        hosts_->addItem(HostName(row));
    hosts_->setCurrentIndex(HostRowForSignature(hostSig_));
    return true;
}

void HostSelectDialog::OnOK()
{
    hostNumber = hosts_->currentIndex();
    fw::Dialog::OnOK();
}
