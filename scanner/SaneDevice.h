// One open scanner: its scan mode and resolution, and the scan itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scanner/ScanSink.h"

class QnSaneDevice {
public:
    // Opens the device by its SANE name; raises QnScanExcept when it cannot.
    explicit QnSaneDevice(const std::string& name);
    ~QnSaneDevice();
    QnSaneDevice(const QnSaneDevice&) = delete;
    QnSaneDevice& operator=(const QnSaneDevice&) = delete;

    // Which of the two modes the device offers.
    bool OffersColour() const;
    bool OffersGrey() const;
    // Resolutions to choose from, in dots per inch, smallest first.
    std::vector<int32_t> Resolutions() const;

    // Chooses colour or grey; a device without the choice keeps its own.
    void SetColour(bool colour);
    // The resolution nearest dpi the device allows.
    void SetResolution(int32_t dpi);
    int32_t Resolution() const;

    // Scans one picture into sink. A stopped scan raises
    // QnScanCancelExcept, a failure QnScanExcept; the device stays usable.
    void Scan(QnScanSink& sink, QnScanTransfer transfer, QnScanProgress* progress);

private:
    int32_t FindOption(const char* name) const;
    // The mode string of the device that names colour (or grey), or "".
    std::string ModeNamed(bool colour) const;

    void* handle_ = nullptr;
    std::string name_;
};
