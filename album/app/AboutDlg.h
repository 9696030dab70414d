// The album's About box: its title, the machine's physical memory and the
// free space of the current folder's disk.
#pragma once

#include "framework/Dialog.h"

class CAboutDlg : public fw::Dialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    void CreateControls() override;
};
