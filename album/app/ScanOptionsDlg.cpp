#include "album/app/ScanOptionsDlg.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryFile>

#include "album/app/AlbumIds.h"
#include "album/doc/AlbumRcStr.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"

namespace {

// Tried rather than read from the permissions, which do not tell about a
// read-only file system or the superuser.
bool FolderTakesFiles(const QString& folder)
{
    QTemporaryFile probe(folder + "/.scan-XXXXXX");
    return probe.open();
}

} // namespace

CScanOptionsDlg::CScanOptionsDlg(std::string baseFolder, QWidget* parent)
    : CAlbumHelpDlg(IDD_FILE_SAVE_OPTIONS, parent), baseFolder_(std::move(baseFolder))
{
    setWindowTitle("File save options");
    helpId = IDD_FILE_SAVE_OPTIONS;
}

void CScanOptionsDlg::CreateControls()
{
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("Folder:", this), 0, 0);
    auto* edit = new QLineEdit(this);
    edit->setMinimumWidth(260);
    fw::SetControlId(edit, IDC_FOLDER);
    layout->addWidget(edit, 0, 1);
    layout->addWidget(AddButton(IDC_BROWSE, "&Browse..."), 0, 2);
    layout->addWidget(new QLabel("Format:", this), 1, 0);
    auto* combo = new QComboBox(this);
    fw::SetControlId(combo, IDC_FORMAT);
    for (const int id : {IDS_FORMAT_JPEG, IDS_FORMAT_TIFF, IDS_FORMAT_BMP})
        combo->addItem(QString::fromStdString(OvAlbumRcStr()(id)));
    layout->addWidget(combo, 1, 1);
    layout->addWidget(AddButton(fw::IDOK, "OK"), 2, 1, Qt::AlignRight);
    layout->addWidget(AddButton(fw::IDCANCEL, "Cancel"), 2, 2);
}

void CScanOptionsDlg::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_Text(dx, IDC_FOLDER, folder);
    fw::DDX_CBIndex(dx, IDC_FORMAT, format);
}

void CScanOptionsDlg::OnCommand(uint32_t id)
{
    if (id == IDC_BROWSE)
        OnBrowse();
    else
        CAlbumHelpDlg::OnCommand(id);
}

void CScanOptionsDlg::OnBrowse()
{
    fw::FileDialogRequest request;
    request.folder = true;
    request.title = "Select folder";
    request.fileName = folder;
    request.owner = this;
    if (const auto chosen = fw::RunFileDialog(request)) {
        UpdateData(true);
        folder = *chosen;
        if (folder.empty() || folder.back() != '/')
            folder += '/';
        UpdateData(false);
    }
}

void CScanOptionsDlg::OnOK()
{
    // The folder checked is the one the user typed or browsed to: checking
    // the value the dialog started with would let a folder that does not
    // exist through, and the scans would then fail to be written.
    const QString typed = qobject_cast<QLineEdit*>(GetDlgItem(IDC_FOLDER))->text();
    const QString path = QDir(QString::fromStdString(baseFolder_)).absoluteFilePath(typed);
    if (typed.isEmpty() || !QFileInfo(path).isDir()) {
        if (fw::MessageBox(OvAlbumRcStr()(IDS_CREATE_FOLDER), fw::MB_YESNO) != fw::IDYES)
            return;
        if (typed.isEmpty() || !QDir().mkpath(path)) {
            fw::MessageBox(OvAlbumRcStr()(IDS_CANT_CREATE_FOLDER), fw::MB_OK | fw::MB_ICONSTOP);
            return;
        }
    }
    // Scanned pictures would be lost in a folder they cannot be written to.
    if (!FolderTakesFiles(path)) {
        fw::MessageBox(OvAlbumRcStr()(IDS_CANT_WRITE_FOLDER), fw::MB_OK | fw::MB_ICONSTOP);
        return;
    }
    CAlbumHelpDlg::OnOK();
}
