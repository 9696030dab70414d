#include "framework/RecentFileList.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <algorithm>
#include <cstdio>

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/ControlId.h"
#include "framework/FrameWnd.h"
#include "framework/ProfileStore.h"

namespace fw {
namespace {

std::string EntryKey(size_t index)
{
    char key[32];
    std::snprintf(key, sizeof key, RecentFileList::kEntryFormat, static_cast<int>(index + 1));
    return key;
}

}  // namespace

RecentFileList::RecentFileList(size_t size) : size_(std::min<size_t>(size, ID_FILE_MRU_LAST - ID_FILE_MRU_FILE1 + 1))
{
}

void RecentFileList::Add(const std::string& path)
{
    if (path.empty() || size_ == 0)
        return;
    names_.erase(std::remove(names_.begin(), names_.end(), path), names_.end());
    names_.insert(names_.begin(), path);
    if (names_.size() > size_)
        names_.resize(size_);
}

void RecentFileList::Remove(size_t index)
{
    if (index < names_.size())
        names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(index));
}

void RecentFileList::ReadList(ProfileStore& profile)
{
    names_.clear();
    for (size_t i = 0; i < size_; ++i) {
        const std::string name = profile.GetString(kSection, EntryKey(i), {});
        if (!name.empty() && std::find(names_.begin(), names_.end(), name) == names_.end())
            names_.push_back(name);
    }
}

void RecentFileList::WriteList(ProfileStore& profile) const
{
    for (size_t i = 0; i < size_; ++i) {
        const std::string name = i < names_.size() ? names_[i] : std::string();
        // Keys that never held a name stay out of the file.
        if (!name.empty() || !profile.GetString(kSection, EntryKey(i), {}).empty())
            profile.WriteString(kSection, EntryKey(i), name);
    }
}

std::string RecentFileList::GetDisplayName(size_t index, const std::string& currentFolder) const
{
    if (index >= names_.size())
        return {};
    const QFileInfo info(QString::fromStdString(names_[index]));
    std::string shown = info.absolutePath().toStdString() == currentFolder ? info.fileName().toStdString()
                                                                          : names_[index];
    // A literal "&" in a file name must not become a mnemonic.
    std::string escaped;
    for (char c : shown) {
        escaped += c;
        if (c == '&')
            escaped += '&';
    }
    QString text = QStringLiteral("&%1 ").arg(index + 1);
    text += QString::fromStdString(escaped);
    return text.toStdString();
}

void RecentFileList::UpdateMenu(CmdUI& ui, FrameWnd* frame) const
{
    QMenu* menu = ui.GetMenu();
    QAction* first = ui.GetAction();
    if (!menu || !first)
        return;
    // Drop the items of the previous update after the first one.
    for (QAction* action : menu->actions()) {
        const uint32_t id = ControlId(action);
        if (action != first && id > ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST)
            menu->removeAction(action), action->deleteLater();
    }
    if (names_.empty()) {
        first->setText("Recent File");
        first->setEnabled(false);
        return;
    }
    first->setText(QString::fromStdString(GetDisplayName(0)));
    first->setEnabled(true);
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(first);
    QAction* before = at + 1 < actions.size() ? actions[at + 1] : nullptr;
    for (size_t i = 1; i < names_.size(); ++i) {
        auto* action = new QAction(QString::fromStdString(GetDisplayName(i)), menu);
        const uint32_t id = ID_FILE_MRU_FILE1 + static_cast<uint32_t>(i);
        SetControlId(action, id);
        QObject::connect(action, &QAction::triggered, frame, [frame, id] { frame->PostCommand(id); });
        menu->insertAction(before, action);
    }
}

}  // namespace fw
