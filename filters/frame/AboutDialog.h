// The module's About box: its collection and version, and a button that
// opens the About help topic.
#pragma once

#include "framework/Dialog.h"

struct FilterModuleInfo;

class AboutDialog : public fw::Dialog {
public:
    static constexpr uint32_t IDD = 100;
    static constexpr uint32_t IDC_CALL_HELP = 1013;
    static constexpr uint32_t kHelpTopic = 14;

    explicit AboutDialog(const FilterModuleInfo& info, QWidget* parent = nullptr);

protected:
    void CreateControls() override;
    void OnCommand(uint32_t id) override;

private:
    const FilterModuleInfo& info_;
};
