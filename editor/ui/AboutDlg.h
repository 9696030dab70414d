// The About box (Help > About...): the program's name and version with the
// machine's physical memory and the free space where the editor works.
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"

class CAboutDlg : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 100;
    static constexpr uint32_t IDC_MEMORY = 1003;
    static constexpr uint32_t IDC_DISK = 1005;

    explicit CAboutDlg(QWidget* parent = nullptr);

    bool OnInitDialog() override;

protected:
    void CreateControls() override;
};
