#include "editor/ui/AboutDlg.h"

#include "editor/ui/AboutFigures.h"
#include "framework/ControlId.h"
#include "framework/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

QLabel* AddField(QWidget* parent, uint32_t id)
{
    auto* field = new QLabel(parent);
    fw::SetControlId(field, id);
    field->setMinimumWidth(180);
    return field;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : CLdHelpDlg(IDD, parent)
{
    setWindowTitle("About Orvane Telvy v.1.2");
}

void CAboutDlg::CreateControls()
{
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    auto* icon = new QLabel(this);
    const QIcon programIcon = QApplication::windowIcon().isNull()
                                  ? QApplication::style()->standardIcon(QStyle::SP_DesktopIcon)
                                  : QApplication::windowIcon();
    icon->setPixmap(programIcon.pixmap(32, 32));
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(new QLabel("Orvane Telvy Version 1.2", this), 0, 1, 1, 2);
    grid->addWidget(new QLabel("Physical Memory Available:", this), 1, 1);
    grid->addWidget(AddField(this, IDC_MEMORY), 1, 2);
    grid->addWidget(new QLabel("Free Disc Space:", this), 2, 1);
    grid->addWidget(AddField(this, IDC_DISK), 2, 2);
    grid->addWidget(AddButton(fw::IDOK, "OK"), 0, 3, Qt::AlignTop | Qt::AlignRight);
    grid->setColumnStretch(2, 1);
}

bool CAboutDlg::OnInitDialog()
{
    CLdHelpDlg::OnInitDialog();
    qobject_cast<QLabel*>(GetDlgItem(IDC_MEMORY))->setText(QString::fromStdString(LdMemoryText(LdTotalPhysicalMemory())));
    qobject_cast<QLabel*>(GetDlgItem(IDC_DISK))
        ->setText(QString::fromStdString(LdDiskFreeText(LdQueryDiskFree(QDir::currentPath().toStdString()))));
    return true;
}
