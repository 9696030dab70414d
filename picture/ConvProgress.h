// The picture's progress display as the import/export library's CProgress:
// the library shows and hides it, reports rows through it, and stops when
// the user has asked to.
#pragma once

#include "imexp/WorkArea.h"
#include "lang/ProcessControl.h"

class ConvProgress : public CProgress {
public:
    explicit ConvProgress(QnProgressIndicator& indicator) : indicator_(indicator) {}

    void Start() override;
    void End() override;
    // 0 (stop) once the user asked to abort; otherwise shows the step.
    int Step(int32_t current, int32_t total) override;

    // Whether the library was told to stop: its failure is then the user's.
    bool Stopped() const { return stopped_; }

private:
    QnProgressIndicator& indicator_;
    bool stopped_ = false;
};
