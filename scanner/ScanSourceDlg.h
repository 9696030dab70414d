// "Select Source": the scanners found, one of which the next scans use.
#pragma once

#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "scanner/SaneLibrary.h"

class CScanSourceDlg : public fw::Dialog {
public:
    CScanSourceDlg(std::vector<QnScanDeviceInfo> devices, QWidget* parent = nullptr);

    // The chosen line of the list (-1 none).
    int selected = -1;
    const std::vector<QnScanDeviceInfo>& Devices() const { return devices_; }

    void DoDataExchange(fw::DataExchange& dx) override;
    void OnOK() override;

protected:
    void CreateControls() override;

private:
    std::vector<QnScanDeviceInfo> devices_;
};
