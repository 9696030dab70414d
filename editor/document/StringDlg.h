// "Rename": one line of text asked of the user (at most 255 characters).
#pragma once

#include <string>

#include "editor/helpdlg/LdHelpDlg.h"

class QLineEdit;

class CStringDlg : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 155;
    static constexpr uint32_t IDC_TEXT = 1054;
    static constexpr int kMaxLength = 255;

    explicit CStringDlg(QWidget* parent = nullptr);

    std::string m_text;

    void DoDataExchange(fw::DataExchange& dx) override;

protected:
    void CreateControls() override;
};
