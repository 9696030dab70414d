#include "pluginhost/qt/PlugInFoldersDialog.h"

#include "pluginhost/FxgateStrings.h"
#include "pluginhost/PlugInFolderList.h"

#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/DialogTexts.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"

#include <QBoxLayout>
#include <QListWidget>
#include <QPushButton>

namespace {

// Puts text where a message has its "%s"; the path may hold '%' itself, so
// it is never used as a format.
std::string WithPath(std::string message, const std::string& path)
{
    const size_t at = message.find("%s");
    if (at != std::string::npos)
        message.replace(at, 2, path);
    return message;
}

// The list keeps its entries sorted without regard to letter case, as a
// sorted list box does; an entry goes after those equal to it.
void InsertSorted(QListWidget* list, const QString& text)
{
    int row = 0;
    while (row < list->count() && QString::compare(list->item(row)->text(), text, Qt::CaseInsensitive) <= 0)
        ++row;
    list->insertItem(row, text);
}

PlugInFolderList Entries(const QListWidget* list)
{
    PlugInFolderList entries;
    for (int row = 0; row < list->count(); ++row)
        entries.Add(list->item(row)->text().toStdString());
    return entries;
}

} // namespace

PlugInFoldersDialog::PlugInFoldersDialog(PlugInFolderList& folders, QWidget* owner)
    : fw::Dialog(owner), folders_(folders)
{
}

const fw::MessageMap* PlugInFoldersDialog::GetMessageMap() const
{
    static const fw::MessageMap map = fw::MessageMap(fw::Dialog::GetMessageMap())
                                          .OnCommand(IDC_ADD, &PlugInFoldersDialog::OnAdd)
                                          .OnCommand(IDC_REMOVE, &PlugInFoldersDialog::OnRemove);
    return &map;
}

void PlugInFoldersDialog::CreateControls()
{
    list_ = new QListWidget(this);
    fw::SetControlId(list_, IDC_FOLDERS);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] { UpdateRemove(); });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(AddButton(fw::IDOK, QString()));
    buttons->addWidget(AddButton(fw::IDCANCEL, QString()));
    buttons->addSpacing(16);
    buttons->addWidget(AddButton(IDC_ADD, QString()));
    remove_ = AddButton(IDC_REMOVE, QString());
    buttons->addWidget(remove_);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    fw::ApplyDialogTexts(this, FxgateDialogTexts(IDD));
    resize(420, 200);
    UpdateRemove();
}

void PlugInFoldersDialog::DoDataExchange(fw::DataExchange& dx)
{
    auto* list = static_cast<QListWidget*>(dx.PrepareCtrl(IDC_FOLDERS));
    if (dx.saveAndValidate) {
        // Only folders that fit the list were ever let in.
        folders_ = Entries(list);
        return;
    }
    list->clear();
    for (const std::string& folder : folders_)
        InsertSorted(list, QString::fromStdString(folder));
    UpdateRemove();
}

bool PlugInFoldersDialog::AddFolder(const std::string& folder)
{
    if (folder.empty())
        return false;
    if (Entries(list_).ContainsIgnoringCase(folder)) {
        Warn(IDS_PI_FOLDER_ALREADY_ADDED, folder);
        return false;
    }
    // A longer path cannot be kept whole, and a cut one names another folder.
    if (!PlugInFolderList().Add(folder)) {
        Warn(IDS_PI_FOLDER_TOO_LONG, folder);
        return false;
    }
    InsertSorted(list_, QString::fromStdString(folder));
    return true;
}

void PlugInFoldersDialog::OnAdd()
{
    fw::FileDialogRequest request;
    request.folder = true;
    request.title = FxgateRc()(IDS_PI_SELECT_FOLDER);
    request.owner = this;
    if (const std::optional<std::string> chosen = fw::RunFileDialog(request))
        AddFolder(*chosen);
}

void PlugInFoldersDialog::OnRemove()
{
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return;
    delete list_->takeItem(list_->row(selected.front()));
    // Nothing is selected after a removal, so Remove waits for a new choice.
    list_->clearSelection();
    UpdateRemove();
}

void PlugInFoldersDialog::UpdateRemove()
{
    if (remove_ && list_)
        remove_->setEnabled(!list_->selectedItems().isEmpty());
}

void PlugInFoldersDialog::Warn(int messageId, const std::string& folder)
{
    fw::MessageBox(this, WithPath(FxgateRc()(messageId), folder), FxgateRc()(IDS_PI_WARNING_CAPTION),
                   fw::MB_OK | fw::MB_ICONEXCLAMATION);
}
