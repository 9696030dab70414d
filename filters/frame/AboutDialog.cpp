#include "filters/frame/AboutDialog.h"

#include "filters/frame/FilterModuleApp.h"
#include "filters/frame/FilterModuleInfo.h"
#include "framework/MessageBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(const FilterModuleInfo& info, QWidget* parent) : fw::Dialog(parent), info_(info) {}

void AboutDialog::CreateControls()
{
    setWindowTitle(info_.aboutTitle);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(info_.collection, this));
    layout->addWidget(new QLabel(info_.version, this));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddButton(IDC_CALL_HELP, "Call &Help..."));
    buttons->addStretch();
    buttons->addWidget(AddButton(fw::IDOK, "OK"));
    layout->addLayout(buttons);
}

void AboutDialog::OnCommand(uint32_t id)
{
    if (id == IDC_CALL_HELP) {
        FilterModuleApp::Get().WinHelp(kHelpTopic);
        EndDialog(fw::IDOK);
        return;
    }
    fw::Dialog::OnCommand(id);
}
