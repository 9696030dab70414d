#include "album/app/AboutDlg.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "album/app/AboutFigures.h"
#include "album/app/AlbumIds.h"
#include "album/doc/AlbumRcStr.h"
#include "framework/ControlId.h"
#include "framework/MessageBox.h"

CAboutDlg::CAboutDlg(QWidget* parent) : CAlbumHelpDlg(IDD_ABOUTBOX, parent)
{
    setWindowTitle("About Telvy Album");
    helpId = IDD_ABOUTBOX;
}

void CAboutDlg::CreateControls()
{
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QString::fromStdString(OvAlbumRcStr()(IDS_ALBUM_TITLE)), this), 0, 0, 1, 2);
    layout->addWidget(new QLabel("Copyright (C) Quendle Software", this), 1, 0, 1, 2);
    layout->addWidget(new QLabel("Physical memory available:", this), 2, 0);
    layout->addWidget(new QLabel("Free disk space:", this), 3, 0);
    auto* memory = new QLabel(QString::fromStdString(PhysicalMemoryText(TotalPhysicalMemory())), this);
    fw::SetControlId(memory, IDC_MEMORY);
    layout->addWidget(memory, 2, 1);
    auto* disk = new QLabel(QString::fromStdString(FreeDiskText(ReadFreeDiskSpace(QDir::currentPath().toStdString()))), this);
    fw::SetControlId(disk, IDC_DISK);
    layout->addWidget(disk, 3, 1);
    layout->addWidget(AddButton(fw::IDOK, "OK"), 0, 2, Qt::AlignTop);
}
