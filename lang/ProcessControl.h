// How a caller watches and stops a long computation: the abort query, the
// progress display, and the controls that hand progress displays out. The
// editor's progress windows implement them.
#pragma once

#include <cstdint>

class QnProcessAbort {
public:
    virtual ~QnProcessAbort() = default;
    // Nonzero once the user has asked to stop.
    virtual int TestAbort() const = 0;
};

class QnProgressIndicator : public QnProcessAbort {
public:
    // Shows (1) or hides (0) the display; returns whether it was shown before.
    virtual int Show(int on) = 0;
    virtual void SetText(const char* text) = 0;
    virtual void SetProgress(uint32_t done, uint32_t total) = 0;
    // Releases an indicator that CreateProgressIndicator handed out.
    virtual void qn_delete() = 0;

    int Hide() { return Show(0); }
};

class QnProcessControl : public QnProcessAbort {
public:
    // A new indicator, which the caller releases with its qn_delete().
    virtual QnProgressIndicator* CreateProgressIndicator(int kind) = 0;
};

// The control of an evaluation: told of every reduction step, with 0 after
// the machine computed a result and 1 after it reused a cached one.
class QnEvalControl : public QnProcessControl {
public:
    virtual void NoteStep(int cached) = 0;
};
