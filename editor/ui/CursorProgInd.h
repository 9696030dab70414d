// The quiet progress display: the wait cursor while shown, nothing else.
// It cannot be cancelled.
#pragma once

#include "lang/ProcessControl.h"

class CursorProgInd : public QnProgressIndicator {
public:
    CursorProgInd() = default;
    ~CursorProgInd() override;
    CursorProgInd(const CursorProgInd&) = delete;
    CursorProgInd& operator=(const CursorProgInd&) = delete;

    int TestAbort() const override { return 0; }
    int Show(int on) override;
    void SetText(const char*) override {}
    void SetProgress(uint32_t, uint32_t) override {}
    void qn_delete() override { delete this; }

    bool Shown() const { return saved_; }

private:
    // Whether the wait cursor is set over the one it replaced.
    bool saved_ = false;
};
