// The album's side of the scanner library: what the album calls and when.
// The operations keep the library's numbers. The program scans through
// SaneAlbumScanner; tests put a FakeAlbumScanner in its place.
#pragma once

#include <cstdint>

class QEvent;
class QObject;
class QWidget;

class AlbumScanner {
public:
    virtual ~AlbumScanner() = default;
    // 1: every event of the program is offered first; true consumes it.
    virtual bool PreTranslate(QObject* receiver, QEvent* event, QWidget* mainWindow) = 0;
    // 2: at start-up, with the main window that receives scanned pictures.
    virtual void Init(QWidget* mainWindow) = 0;
    // 3: at exit.
    virtual void Shutdown() = 0;
    // 4: acquire a picture, natively (nativeTransfer) or through memory.
    virtual void Acquire(QWidget* mainWindow, bool nativeTransfer) = 0;
    // 5: let the user choose the source.
    virtual void SelectSource(QWidget* mainWindow) = 0;
    // 6: non-zero while the library cannot take a command (a transfer runs).
    virtual int32_t IsBusy() = 0;
};
