#include "scanner/QnScanner.h"

#include <QApplication>
#include <QCursor>
#include <algorithm>

#include "framework/MessageBox.h"
#include "platform/IniFile.h"
#include "platform/SettingsLocation.h"
#include "scanner/SaneDevice.h"
#include "scanner/ScanDlg.h"
#include "scanner/ScanExcept.h"
#include "scanner/ScanProgressDlg.h"
#include "scanner/ScanSourceDlg.h"

namespace {

struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

struct BusyFlag {
    bool& flag;
    explicit BusyFlag(bool& f) : flag(f) { flag = true; }
    ~BusyFlag() { flag = false; }
};

void ShowError(const QnExcept& e)
{
    fw::MessageBox(e.what(), fw::MB_OK | fw::MB_ICONSTOP);
}

}  // namespace

QnScanner::QnScanner() = default;

std::string QnScanner::SettingsPath() const
{
    return platform::SettingsLocation::SettingsFile(kSettingsFile, "qnscan", "");
}

void QnScanner::LoadChoices()
{
    choicesLoaded_ = true;
    const platform::IniFile settings(SettingsPath());
    source_ = settings.GetString(kSection, "Source");
    colour = settings.GetInt(kSection, "Colour", 1) != 0;
    dpi = settings.GetInt(kSection, "Resolution", dpi);
}

void QnScanner::SaveChoices()
{
    try {
        platform::IniFile settings(SettingsPath());
        settings.WriteString(kSection, "Source", source_);
        settings.WriteInt(kSection, "Colour", colour ? 1 : 0);
        settings.WriteInt(kSection, "Resolution", dpi);
    } catch (const QnExcept&) {
    }
}
QnScanner::~QnScanner() = default;

std::vector<QnScanDeviceInfo> QnScanner::FindDevices()
{
    BusyCursor cursor;
    if (!sane_)
        sane_ = std::make_unique<QnSaneLibrary>();
    return sane_->Devices();
}

void QnScanner::SelectSource(QWidget* parent)
{
    if (busy_)
        return;
    BusyFlag busy(busy_);
    if (!choicesLoaded_)
        LoadChoices();
    try {
        std::vector<QnScanDeviceInfo> devices = FindDevices();
        if (devices.empty()) {
            fw::MessageBox(kNoScanner, fw::MB_OK | fw::MB_ICONEXCLAMATION);
            return;
        }
        const auto current = std::find_if(devices.begin(), devices.end(),
                                          [this](const QnScanDeviceInfo& d) { return d.name == source_; });
        CScanSourceDlg dialog(std::move(devices), parent);
        dialog.selected = current == dialog.Devices().end() ? 0 : int(current - dialog.Devices().begin());
        if (dialog.DoModal() == fw::IDOK) {
            source_ = dialog.Devices()[size_t(dialog.selected)].name;
            SaveChoices();
        }
    } catch (const QnExcept& e) {
        ShowError(e);
    }
}

bool QnScanner::Acquire(QWidget* parent, QnScanTransfer transfer, QnScanSink& sink)
{
    if (busy_)
        return false;
    BusyFlag busy(busy_);
    if (!choicesLoaded_)
        LoadChoices();
    try {
        const std::vector<QnScanDeviceInfo> devices = FindDevices();
        if (devices.empty()) {
            fw::MessageBox(kNoScanner, fw::MB_OK | fw::MB_ICONEXCLAMATION);
            return false;
        }
        // The chosen source while it is there, else the first one found.
        auto chosen = std::find_if(devices.begin(), devices.end(),
                                   [this](const QnScanDeviceInfo& d) { return d.name == source_; });
        if (chosen == devices.end())
            chosen = devices.begin();
        QnSaneDevice device(chosen->name);

        CScanDlg dialog(chosen->Label(), device.OffersColour(), device.OffersGrey(), device.Resolutions(), parent);
        dialog.colour = colour;
        dialog.dpi = dpi;
        if (dialog.DoModal() != fw::IDOK)
            return false;
        colour = dialog.colour;
        dpi = dialog.dpi;
        SaveChoices();
        device.SetColour(colour);
        device.SetResolution(dpi);

        std::unique_ptr<QnScanProgress> progress;
        if (makeProgress) {
            progress = makeProgress(parent);
        } else {
            auto window = std::make_unique<CScanProgressDlg>(parent);
            window->Create(parent);
            progress = std::move(window);
        }
        device.Scan(sink, transfer, progress.get());
        return true;
    } catch (const QnScanCancelExcept&) {
        return false;
    } catch (const QnExcept& e) {
        ShowError(e);
        return false;
    }
}
