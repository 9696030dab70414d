// Options > Undo depth: how many pictures the fast undo and redo lists
// keep, 0 to 65535 (the spin arrows stop at 32767).
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"

namespace fw { class SpinButton; }

class CFastUndoRedoDepth : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 132;
    static constexpr uint32_t IDC_DEPTH = 1007;
    static constexpr uint32_t IDC_DEPTH_SPIN = 1037;

    CFastUndoRedoDepth(int32_t depth, QWidget* parent = nullptr);

    int32_t depth;

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;

protected:
    void CreateControls() override;

private:
    fw::SpinButton* spin_ = nullptr;
};
