// SANE, the scanner interface of the desktop: started while an object of
// this class lives (one at a time), it lists the scanners the system's
// back ends find.
#pragma once

#include <string>
#include <vector>

struct QnScanDeviceInfo {
    std::string name;  // what opens the device
    std::string vendor;
    std::string model;
    std::string type;
    // "Vendor Model (name)", the line a list of sources shows.
    std::string Label() const;
};

class QnSaneLibrary {
public:
    // Raises QnScanExcept when SANE cannot start.
    QnSaneLibrary();
    ~QnSaneLibrary();
    QnSaneLibrary(const QnSaneLibrary&) = delete;
    QnSaneLibrary& operator=(const QnSaneLibrary&) = delete;

    // The scanners found now, local and on the network.
    std::vector<QnScanDeviceInfo> Devices();
};
