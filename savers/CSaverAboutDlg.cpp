#include "savers/CSaverAboutDlg.h"

#include "framework/MessageBox.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

CSaverAboutDlg::CSaverAboutDlg(const SaverProgram& program, QWidget* parent) : fw::Dialog(parent), program_(program)
{
    setWindowTitle("About Quendle Software Screen Saver");
}

void CSaverAboutDlg::CreateControls()
{
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(32, 32));
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addWidget(new QLabel(QString::fromStdString(program_.version), this), 0, 1);
    layout->addWidget(AddButton(fw::IDOK, "OK"), 0, 2, Qt::AlignTop);
}
