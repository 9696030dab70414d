// The saver's About box: its icon, its version and OK.
#pragma once

#include "framework/Dialog.h"
#include "savers/SaverProgram.h"

class CSaverAboutDlg : public fw::Dialog {
public:
    explicit CSaverAboutDlg(const SaverProgram& program, QWidget* parent = nullptr);

protected:
    void CreateControls() override;

private:
    const SaverProgram& program_;
};
