// The progress of a scan: a bar of the rows read and Cancel, shown while
// the scan runs. Each step lets the program handle its events, so Cancel
// is heard between two reads from the scanner.
#pragma once

#include "framework/Dialog.h"
#include "scanner/ScanSink.h"

class CScanProgressDlg : public fw::Dialog, public QnScanProgress {
public:
    explicit CScanProgressDlg(QWidget* parent = nullptr);

    bool Step(int32_t done, int32_t total) override;
    // Cancel asks the scan to stop; the dialog goes when the scan has.
    void OnCancel() override { cancelled_ = true; }
    bool Cancelled() const { return cancelled_; }

protected:
    void CreateControls() override;

private:
    bool cancelled_ = false;
};
