// The album's scanner on SANE: "Acquire Picture..." scans into a work area,
// the whole frame at once (native transfer) or row by row as the lines
// arrive (through memory), and hands it to the main frame, which stores it
// as a scanned picture.
#pragma once

#include <memory>

#include "album/app/AlbumScanner.h"

class QnScanner;

class SaneAlbumScanner : public AlbumScanner {
public:
    SaneAlbumScanner();
    ~SaneAlbumScanner() override;

    // SANE has no messages of its own to take from the program's.
    bool PreTranslate(QObject*, QEvent*, QWidget*) override { return false; }
    void Init(QWidget* mainWindow) override;
    void Shutdown() override;
    void Acquire(QWidget* mainWindow, bool nativeTransfer) override;
    void SelectSource(QWidget* mainWindow) override;
    int32_t IsBusy() override;

    QnScanner& Scanner() { return *scanner_; }

private:
    std::unique_ptr<QnScanner> scanner_;
};
