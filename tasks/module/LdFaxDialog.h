// "Fax": the subject and the notes the Fax wizard puts on its cover page.
// Both boxes take several lines (Return starts a new one).
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"

#include <cstdint>
#include <string>

class CLdFaxDialog : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 201;
    static constexpr uint32_t IDC_SUBJECT = 1032;
    static constexpr uint32_t IDC_NOTES = 1033;

    explicit CLdFaxDialog(QWidget* parent = nullptr);

    void DoDataExchange(fw::DataExchange& dx) override;

    std::string notes;
    std::string subject;

protected:
    void CreateControls() override;
};
