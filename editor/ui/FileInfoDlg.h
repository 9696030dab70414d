// Picture Properties: lines of text about the picture, in a fixed-pitch
// font so that its columns align.
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"

#include <string>

class CFileInfoDlg : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 134;
    static constexpr uint32_t IDC_INFO = 1016;

    explicit CFileInfoDlg(QWidget* parent = nullptr);

    // Appends text and a line break ("\r\n").
    void AddLine(const std::string& line) { text += line + "\r\n"; }

    std::string text;

    void DoDataExchange(fw::DataExchange& dx) override;

protected:
    void CreateControls() override;
};
