// Image History: the states the picture went through, one line each; the
// chosen line is the state to go back to. A double click chooses at once.
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"

#include <string>
#include <vector>

class HistoryDlg : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 257;
    static constexpr uint32_t IDC_HISTORY = 1118;

    explicit HistoryDlg(QWidget* parent = nullptr);

    void AddItem(const std::string& text) { entries.push_back(text); }

    std::vector<std::string> entries;
    int selectedEntry = -1;

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnDblClkHistory();

protected:
    void CreateControls() override;
};
