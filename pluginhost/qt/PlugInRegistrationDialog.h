// The window shown while the modules of newly added plug-in folders are
// read: what is being done, the plug-in and module at hand, and a bar of
// the modules done. Modeless; the scan drives it and takes it down.
#pragma once

#include "framework/Dialog.h"

#include <cstdint>
#include <string>

class QLabel;
class QProgressBar;

class PlugInRegistrationDialog : public fw::Dialog {
public:
    static constexpr uint32_t IDD = 104;
    static constexpr uint32_t IDC_TEXT = 1007;
    static constexpr uint32_t IDC_NAME = 1008;
    static constexpr uint32_t IDC_MODULE = 1009;
    static constexpr uint32_t IDC_PROGRESS = 1010;
    static constexpr uint32_t IDC_NAME_LABEL = 1011;
    static constexpr uint32_t IDC_MODULE_LABEL = 1012;

    PlugInRegistrationDialog();

    // Makes the window over the active top-level window (or on its own
    // when there is none), centred there, and shows it.
    void Open(const std::string& text);
    void SetTotal(int32_t total);
    void SetName(const std::string& name);
    void SetModule(const std::string& path);
    // done of the total modules are read; lets the window repaint.
    void Step(int32_t done);

    // No buttons: Escape does not take it down in the middle of a scan.
    void OnCancel() override {}

protected:
    void CreateControls() override;

private:
    QLabel* text_ = nullptr;
    QLabel* name_ = nullptr;
    QLabel* module_ = nullptr;
    QProgressBar* progress_ = nullptr;
    int32_t total_ = 0;
};
