// "Select source": what the wizard tools show when the editor has no
// working picture. Each button ends the dialog with its own id; the caller
// then sends the editor File > Open or Open From Album.
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"

#include <cstdint>

class CLdEditorHost;

class CLdSourceDialog : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 220;
    static constexpr uint32_t IDC_FROM_FILE = 1055;
    static constexpr uint32_t IDC_FROM_ALBUM = 1056;
    static constexpr uint32_t IDC_CANCEL = 1057;
    // The editor's commands the two sources stand for.
    static constexpr uint32_t ID_FILE_OPEN = 57601;
    static constexpr uint32_t ID_FILE_OPEN_FROM_ALBUM = 32773;

    explicit CLdSourceDialog(QWidget* parent = nullptr);

    void OnCommand(uint32_t id) override;

    // Runs the dialog and sends the editor the command of the source chosen;
    // Cancel sends nothing.
    static void AskForPicture(CLdEditorHost& editor);

protected:
    void CreateControls() override;
};
