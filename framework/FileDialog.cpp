#include "framework/FileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "framework/App.h"

namespace fw {
namespace {
FileDialogHook& Hook()
{
    static FileDialogHook hook;
    return hook;
}
}  // namespace

FileDialogHook SetFileDialogHook(FileDialogHook hook)
{
    std::swap(Hook(), hook);
    return hook;
}

std::optional<std::string> RunFileDialog(const FileDialogRequest& request)
{
    if (Hook())
        return Hook()(request);
    QWidget* owner = request.owner;
    if (!owner)
        if (App* app = App::Get())
            owner = app->GetMainWidget();
    QFileDialog dialog(owner, QString::fromStdString(request.title));
    dialog.setAcceptMode(request.open || request.folder ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    if (request.folder) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog.setFileMode(request.open && request.multiple    ? QFileDialog::ExistingFiles
                           : request.open && request.mustExist ? QFileDialog::ExistingFile
                                                               : QFileDialog::AnyFile);
    }
    QStringList filters;
    for (const auto& f : request.filters)
        filters << QString::fromStdString(f);
    dialog.setNameFilters(filters);
    if (!request.defaultExtension.empty())
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension).remove(0, 1));
    if (!request.fileName.empty()) {
        const QFileInfo info(QString::fromStdString(request.fileName));
        if (info.path() != ".")
            dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    if (request.multiple)
        return dialog.selectedFiles().join('\n').toStdString();
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace fw
