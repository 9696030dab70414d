// The progress of a picture read or write: a busy cursor while it runs, and
// Escape to stop it. While a step waits, the user's input is taken from the
// queue and dropped (so no command starts in the middle of a read); an
// Escape let go among it stops the work.
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "imexp/WorkArea.h"

class AlbumProgress : public QObject, public CProgress {
public:
    // Frames of the busy cursor: step done of total shows frame
    // min(done * 9 / total, 8).
    static constexpr int kFrames = 9;

    void Start() override;
    void End() override;
    int Step(int32_t done, int32_t total) override;

    int Frame() const { return frame_; }
    bool Stopped() const { return stopped_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool started_ = false;
    bool stopped_ = false;
    int frame_ = 0;
    QElapsedTimer sinceEvents_;
};
