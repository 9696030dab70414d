// "Choose": one list of texts the caller fills; OK or a double click on an
// entry ends it with that entry as the choice.
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"

#include <cstdint>
#include <deque>
#include <string>

class QListWidget;

class CLdChooseDialog : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 205;
    static constexpr uint32_t IDC_LIST = 1041;

    explicit CLdChooseDialog(QWidget* parent = nullptr);

    // Before the run; the list shows each text once.
    void AddItem(std::string item) { items.push_back(std::move(item)); }

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;

    QListWidget* listBox = nullptr;
    // The selected text after OK; "" when nothing was selected.
    std::string choice;
    std::deque<std::string> items;

protected:
    void CreateControls() override;
};
