// The scanner as the programs see it: "Select Source" lists the scanners
// SANE finds and keeps the one chosen; "Acquire" asks for colour or grey
// and the resolution, scans with a progress display the user can cancel and
// hands the picture to a sink. No scanner, a failing one and a cancelled
// scan end with a message or quietly, never with a picture half delivered
// as if it were whole. SANE starts on first use, not with the program.
// The source and the scan's choices are kept for the next start in the
// user's config folder, shared by the programs that scan.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scanner/SaneLibrary.h"
#include "scanner/ScanSink.h"

class QWidget;

class QnScanner {
public:
    static constexpr const char* kNoScanner =
        "No scanner was found.\nConnect a scanner, switch it on and try again.";

    QnScanner();
    ~QnScanner();

    void SelectSource(QWidget* parent);
    // True when a whole picture went to sink.
    bool Acquire(QWidget* parent, QnScanTransfer transfer, QnScanSink& sink);
    // True while a scan runs: the scanner takes no other command then.
    bool IsBusy() const { return busy_; }

    static constexpr const char* kSettingsFile = "SCANNER.INI";
    static constexpr const char* kSection = "Scanner";

    // The device chosen ("" until one is), and the last scan's choices, read
    // from the settings file at the first command (or by LoadChoices).
    const std::string& Source() const { return source_; }
    bool colour = true;
    int32_t dpi = 150;

    void LoadChoices();

    // Makes the progress display of a scan; by default the progress dialog.
    std::function<std::unique_ptr<QnScanProgress>(QWidget* parent)> makeProgress;

private:
    // The scanners found, with a busy cursor while SANE looks for them.
    std::vector<QnScanDeviceInfo> FindDevices();
    // The choices into the settings file; a file that cannot be written
    // only means they are not kept.
    void SaveChoices();

    std::unique_ptr<QnSaneLibrary> sane_;
    std::string SettingsPath() const;

    bool choicesLoaded_ = false;
    std::string source_;
    bool busy_ = false;
};
