#include "album/app/PictureInfoDlg.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "album/app/AlbumIds.h"
#include "album/app/AlbumTimeText.h"
#include "album/doc/AlbumReadWA.h"
#include "album/doc/OvalbumDoc.h"
#include "drawctx/zvwa/WA.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"
#include "imexp/ImExp.h"

CPictureInfoDlg::CPictureInfoDlg(const COvalbumDoc& doc, const COvalbumRec& record, QWidget* parent)
    : CAlbumHelpDlg(IDD_PICTURE_INFO, parent),
      path(record.path),
      alias(record.alias),
      comments(record.comments),
      group(record.group),
      subgroup(record.subgroup),
      created(AlbumTimeText(record.creationTime)),
      modified(AlbumTimeText(record.modificationTime)),
      groupLabel_(doc.groupCaption + ":"),
      subgroupLabel_(doc.subgroupCaption + ":"),
      aliasLabel_(doc.aliasCaption + ":")
{
    setWindowTitle("Picture Information");
}

void CPictureInfoDlg::CreateControls()
{
    auto* layout = new QGridLayout(this);
    int row = 0;
    const auto addRow = [&](uint32_t labelId, const std::string& label, QWidget* field, uint32_t id) {
        auto* caption = new QLabel(QString::fromStdString(label), this);
        if (labelId)
            fw::SetControlId(caption, labelId);
        fw::SetControlId(field, id);
        layout->addWidget(caption, row, 0);
        layout->addWidget(field, row++, 1);
    };
    auto* pathEdit = new QLineEdit(this);
    pathEdit->setReadOnly(true);
    pathEdit->setMinimumWidth(300);
    addRow(0, "File name:", pathEdit, IDC_INFO_PATH);
    addRow(IDC_ALIAS_LABEL, aliasLabel_, new QLineEdit(this), IDC_INFO_ALIAS);
    addRow(IDC_GROUP_LABEL, groupLabel_, new QLineEdit(this), IDC_INFO_GROUP);
    addRow(IDC_SUBGROUP_LABEL, subgroupLabel_, new QLineEdit(this), IDC_INFO_SUBGROUP);
    addRow(0, "Comments:", new QPlainTextEdit(this), IDC_INFO_COMMENTS);
    addRow(0, "Created:", new QLabel(this), IDC_INFO_CREATED);
    addRow(0, "Modified:", new QLabel(this), IDC_INFO_MODIFIED);
    layout->addWidget(AddButton(fw::IDOK, "OK"), 0, 2);
    layout->addWidget(AddButton(fw::IDCANCEL, "Cancel"), 1, 2);
    layout->addWidget(AddButton(IDC_FILE_INFO, "File &Info..."), 2, 2);
}

void CPictureInfoDlg::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_Text(dx, IDC_INFO_PATH, path);
    fw::DDX_Text(dx, IDC_INFO_ALIAS, alias);
    fw::DDX_Text(dx, IDC_INFO_COMMENTS, comments);
    fw::DDX_Text(dx, IDC_INFO_GROUP, group);
    fw::DDX_Text(dx, IDC_INFO_SUBGROUP, subgroup);
    fw::DDX_Text(dx, IDC_INFO_CREATED, created);
    fw::DDX_Text(dx, IDC_INFO_MODIFIED, modified);
}

void CPictureInfoDlg::OnCommand(uint32_t id)
{
    if (id == IDC_FILE_INFO)
        OnFileInfo();
    else
        CAlbumHelpDlg::OnCommand(id);
}

void CPictureInfoDlg::OnFileInfo()
{
    QFile file(QString::fromStdString(path));
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(64) : QByteArray();
    const imexp::Format format =
        imexp::DetectFormat(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(head.data()), size_t(head.size())));
    std::string text = "File: " + path + "\nFormat: " + imexp::FormatName(format) +
                       "\nSize: " + std::to_string(QFileInfo(QString::fromStdString(path)).size()) + " bytes";
    if (WA* picture = ReadAlbumPicture(path)) {
        text += "\nPicture: " + std::to_string(picture->width) + " x " + std::to_string(picture->height) + ", " +
                std::to_string(WA::BitsPerPixelOf(picture->type)) + " bits per pixel";
        WARelease(picture);
    }
    fw::MessageBox(text, fw::MB_OK | fw::MB_ICONINFORMATION);
}
