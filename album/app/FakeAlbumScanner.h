// A scanner that never delivers a picture: it notes each call, so that the
// tests see what the album asks of its scanner.
#pragma once

#include <string>
#include <vector>

#include "album/app/AlbumScanner.h"

class FakeAlbumScanner : public AlbumScanner {
public:
    bool PreTranslate(QObject* receiver, QEvent* event, QWidget* mainWindow) override;
    void Init(QWidget* mainWindow) override;
    void Shutdown() override;
    void Acquire(QWidget* mainWindow, bool nativeTransfer) override;
    void SelectSource(QWidget* mainWindow) override;
    int32_t IsBusy() override;

    // "init", "shutdown", "acquire native", "acquire memory", "select" in
    // call order (events offered are only counted).
    std::vector<std::string> calls;
    int eventsOffered = 0;
    QWidget* mainWindow = nullptr;
    // What PreTranslate and IsBusy answer.
    bool consumeEvents = false;
    int32_t busy = 0;
};
