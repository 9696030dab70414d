#include "scanner/SaneLibrary.h"

#include <sane/sane.h>

#include "scanner/ScanExcept.h"

std::string QnScanDeviceInfo::Label() const
{
    std::string label = vendor;
    if (!model.empty())
        label += (label.empty() ? "" : " ") + model;
    return label.empty() ? name : label + " (" + name + ")";
}

QnSaneLibrary::QnSaneLibrary()
{
    SANE_Int version = 0;
    const SANE_Status status = sane_init(&version, nullptr);
    if (status != SANE_STATUS_GOOD)
        QnScanExcept(std::string("Scanner support could not start: ") + sane_strstatus(status), __LINE__).raise();
}

QnSaneLibrary::~QnSaneLibrary()
{
    sane_exit();
}

std::vector<QnScanDeviceInfo> QnSaneLibrary::Devices()
{
    const SANE_Device** list = nullptr;
    std::vector<QnScanDeviceInfo> devices;
    if (sane_get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list)
        return devices;
    for (const SANE_Device** device = list; *device; ++device) {
        const SANE_Device& d = **device;
        devices.push_back({d.name ? d.name : "", d.vendor ? d.vendor : "", d.model ? d.model : "",
                           d.type ? d.type : ""});
    }
    return devices;
}
