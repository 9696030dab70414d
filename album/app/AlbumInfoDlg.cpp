#include "album/app/AlbumInfoDlg.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "album/app/AlbumIds.h"
#include "album/app/AlbumTimeText.h"
#include "album/doc/AlbumFileTimes.h"
#include "album/doc/OvalbumDoc.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"

CAlbumInfoDlg::CAlbumInfoDlg(const COvalbumDoc& doc, QWidget* parent)
    : CAlbumHelpDlg(IDD_ALBUM_INFO, parent),
      path(doc.GetCurrentPath()),
      comments(doc.comments),
      groupCaption(doc.groupCaption),
      subgroupCaption(doc.subgroupCaption),
      count(int32_t(doc.GetRecords().size()))
{
    setWindowTitle("Album Information");
    // An album never saved has no file and so no times.
    if (const auto times = path.empty() ? std::nullopt : ReadAlbumFileTimes(path)) {
        created = AlbumTimeText(times->creation);
        modified = AlbumTimeText(times->modification);
    }
}

void CAlbumInfoDlg::CreateControls()
{
    auto* layout = new QGridLayout(this);
    int row = 0;
    const auto addRow = [&](const char* label, QWidget* field, uint32_t id) {
        fw::SetControlId(field, id);
        layout->addWidget(new QLabel(label, this), row, 0);
        layout->addWidget(field, row++, 1);
    };
    auto* pathEdit = new QLineEdit(this);
    pathEdit->setReadOnly(true);
    pathEdit->setMinimumWidth(300);
    addRow("Album file:", pathEdit, IDC_INFO_PATH);
    addRow("Comments:", new QPlainTextEdit(this), IDC_INFO_COMMENTS);
    addRow("Group name:", new QLineEdit(this), IDC_INFO_GROUP);
    addRow("Subgroup name:", new QLineEdit(this), IDC_INFO_SUBGROUP);
    addRow("Created:", new QLabel(this), IDC_INFO_CREATED);
    addRow("Modified:", new QLabel(this), IDC_INFO_MODIFIED);
    addRow("Number of items:", new QLabel(this), IDC_INFO_COUNT);
    layout->addWidget(AddButton(fw::IDOK, "OK"), 0, 2);
    layout->addWidget(AddButton(fw::IDCANCEL, "Cancel"), 1, 2);
}

void CAlbumInfoDlg::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_Text(dx, IDC_INFO_PATH, path);
    fw::DDX_Text(dx, IDC_INFO_COMMENTS, comments);
    fw::DDX_Text(dx, IDC_INFO_GROUP, groupCaption);
    fw::DDX_Text(dx, IDC_INFO_SUBGROUP, subgroupCaption);
    fw::DDX_Text(dx, IDC_INFO_CREATED, created);
    fw::DDX_Text(dx, IDC_INFO_MODIFIED, modified);
    fw::DDX_Text(dx, IDC_INFO_COUNT, count);
}
