// The album program: one album at a time in one main frame. It keeps the
// settings file, the scan settings and the scanner, knows the editor that
// started it (to hand pictures back).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "album/app/AlbumScanSettings.h"
#include "album/app/EditorHandOver.h"
#include "framework/App.h"

namespace fw {
}
class AlbumScanner;
class WA;
class COvalbumDoc;
class ProgramLauncher;

class COvalbumApp : public fw::App {
public:
    static constexpr const char* kProgramName = "OVALBUM";
    static constexpr size_t kRecentFiles = 4;
    // Idle rounds after a burst of events before the albums' files are
    // checked, so the check runs once the user has stopped.
    static constexpr int32_t kIdleRoundsBeforeFileCheck = 100;

    COvalbumApp();
    ~COvalbumApp() override;

    static COvalbumApp* Get();

    // What a test puts in place before InitInstance: the folder the editor
    // and the shipped settings file lie in (else the program's own), the
    // launcher of other programs and the scanner.
    void SetProgramFolder(std::string folder) { programFolder_ = std::move(folder); }
    const std::string& GetProgramFolder() const { return programFolder_; }
    void SetLauncher(std::unique_ptr<ProgramLauncher> launcher);
    ProgramLauncher& GetLauncher() { return *launcher_; }
    void SetScanner(std::unique_ptr<AlbumScanner> scanner);
    AlbumScanner& GetScanner() { return *scanner_; }

    bool InitInstance() override;
    int Run() override;
    int ExitInstance() override;
    bool OnIdle(int32_t count) override;
    bool PreTranslateEvent(QObject* receiver, QEvent* event) override;
    const fw::MessageMap* GetMessageMap() const override;

    // The settings file in use.
    const std::string& GetSettingsFileName() const { return settingsFileName_; }

    // The editor the pictures go to, and the two forms of handing one over.
    EditorHandOver& GetEditor() { return *editor_; }
    EditorHandOver::Result OpenPictureToEdit(const std::string& path) { return editor_->DropPicture(path); }
    EditorHandOver::Result EditPicture(const std::string& path) { return editor_->SendPicture(path); }

    // The scan-folder options dialog; on OK its choice becomes the scan
    // settings. True when OK was pressed.
    bool RunScanFolderOptions();
    // The folder relative scan folders are taken from: the open album's,
    // else the program's.
    std::string ScanBaseFolder() const;

    // Commands of the application.
    void OnAppAbout();
    void OnScanFolderOptions() { RunScanFolderOptions(); }
    // The maker's web site in the desktop's browser.
    void OnWebSite();
    static constexpr const char* kWebAddress = "https://www.quendle.example/";

    // The changed and missing files check of one open album, run at idle.
    virtual void CheckAlbumFiles(COvalbumDoc& doc);

    // A picture the scanner delivered: stored in the scan folder under the
    // first free name (the scan-folder options are asked for first while
    // there is no folder), then added before the selection. False when it
    // was not stored.
    bool DeliverScannedPicture(const WA& picture);
    // The same for a packed DIB; bitmaps of other depths are refused.
    bool DeliverScannedDib(const std::vector<uint8_t>& dib);
    // Stores a picture (scanned, or pasted while scanning is 0, when the
    // user is asked for the name) and adds it to the open album.
    bool StorePicture(const WA& picture);
    // Asks for a name and format (proposed: the name offered) and writes
    // the picture there; false when cancelled or not written.
    bool SavePictureAs(const WA& picture, const std::string& proposed, std::string* written = nullptr);
    // The open album, or null.
    COvalbumDoc* ActiveAlbum() const;

    AlbumScanSettings scan;
    int32_t scanning = 0;  // 1 while a scanned picture is being stored

private:
    std::string programFolder_;
    std::string settingsFileName_;
    std::unique_ptr<ProgramLauncher> launcher_;
    std::unique_ptr<AlbumScanner> scanner_;
    std::unique_ptr<EditorHandOver> editor_;
    bool settingsRead_ = false;
    bool scannerStarted_ = false;
    bool checkingFiles_ = false;
};
