// A progress display for the span of one process, made on the stack by the
// code that runs it: forwards to an indicator from the caller's control, or
// does nothing when the caller gave no control.
#pragma once

#include "lang/ProcessControl.h"

class QnProgressIndicatorAuto : public QnProgressIndicator {
public:
    QnProgressIndicatorAuto(QnProcessControl* control, int kind);
    ~QnProgressIndicatorAuto() override;
    QnProgressIndicatorAuto(const QnProgressIndicatorAuto&) = delete;
    QnProgressIndicatorAuto& operator=(const QnProgressIndicatorAuto&) = delete;

    int TestAbort() const override;
    int Show(int on) override;
    void SetText(const char* text) override;
    void SetProgress(uint32_t done, uint32_t total) override;
    // The wrapper lives on the stack: releasing it does nothing.
    void qn_delete() override {}

private:
    QnProgressIndicator* indicator_;
};
