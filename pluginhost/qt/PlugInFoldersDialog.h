// The modal dialog in which the user edits the list of plug-in folders: a
// sorted list, Add... (a folder browser; a folder listed already, in any
// letter case, is refused with a warning) and Remove. OK hands the list
// back; Cancel leaves the caller's list as it was.
#pragma once

#include "framework/Dialog.h"

#include <cstdint>

class PlugInFolderList;
class QListWidget;
class QPushButton;

class PlugInFoldersDialog : public fw::Dialog {
public:
    static constexpr uint32_t IDD = 101;
    static constexpr uint32_t IDC_FOLDERS = 1002;
    static constexpr uint32_t IDC_ADD = 1003;
    static constexpr uint32_t IDC_REMOVE = 1004;

    // folders: shown at the start, replaced by the dialog's list on OK.
    PlugInFoldersDialog(PlugInFolderList& folders, QWidget* owner);

    const fw::MessageMap* GetMessageMap() const override;
    void DoDataExchange(fw::DataExchange& dx) override;

    // Puts a folder into the list in its sorted place; a folder listed
    // already (letter case aside) or too long brings a warning instead.
    bool AddFolder(const std::string& folder);

protected:
    void CreateControls() override;

private:
    void OnAdd();
    void OnRemove();
    void UpdateRemove();
    void Warn(int messageId, const std::string& folder);

    PlugInFolderList& folders_;
    QListWidget* list_ = nullptr;
    QPushButton* remove_ = nullptr;
};
