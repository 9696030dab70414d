// An evaluation control whose progress indicator asks to stop at its first
// check: the operations' tests use it to see a cancel raise the user abort.
#pragma once

#include "lang/ProcessControl.h"

class AbortingIndicator : public QnProgressIndicator {
public:
    int TestAbort() const override { return 1; }
    int Show(int) override { return 0; }
    void SetText(const char*) override {}
    void SetProgress(uint32_t, uint32_t) override {}
    void qn_delete() override {}
};

class AbortingControl : public QnEvalControl {
public:
    int TestAbort() const override { return 0; }
    QnProgressIndicator* CreateProgressIndicator(int) override { return &indicator; }
    void NoteStep(int) override {}
    AbortingIndicator indicator;
};
