// Choose one text from a list (the tool palette asks for a category this
// way). Texts are queued before the dialog opens; a text queued twice is
// listed once. A double click chooses at once.
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"

#include <deque>
#include <string>

class CChooseStringDlg : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 205;
    static constexpr uint32_t IDC_LIST = 1087;

    explicit CChooseStringDlg(QWidget* parent = nullptr);

    void AddString(const std::string& text) { pendingStrings.push_back(text); }

    std::string selection;
    std::deque<std::string> pendingStrings;

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnDblClkList();

protected:
    void CreateControls() override;
};
