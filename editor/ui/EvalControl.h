// The editor's controls of long computations, handed to every evaluation
// and rendering: progress in a small window with Cancel (while the main
// window is disabled), or only the wait cursor.
#pragma once

#include "lang/ProcessControl.h"

#include <string>

class ProgressIndicator;

class EvalControl : public QnEvalControl {
public:
    // The window display of one computation.
    class ProgInd : public QnProgressIndicator {
    public:
        explicit ProgInd(bool cancellable) : cancellable_(cancellable) {}
        ~ProgInd() override;
        ProgInd(const ProgInd&) = delete;
        ProgInd& operator=(const ProgInd&) = delete;

        // The window's cancelled flag; 0 without a window.
        int TestAbort() const override;
        // Opens the window (disabling the main window) or closes it
        // (enabling the main window again); returns whether it was open.
        int Show(int on) override;
        void SetText(const char* text) override;
        void SetProgress(uint32_t done, uint32_t total) override;
        void qn_delete() override { delete this; }

        ProgressIndicator* Dialog() const { return dialog_; }

    private:
        ProgressIndicator* dialog_ = nullptr;
        std::string text_;
        bool cancellable_;
    };

    explicit EvalControl(bool cancellable) : cancellable_(cancellable) {}

    int TestAbort() const override { return 0; }
    // Kind 0: the window; any other kind: the wait cursor.
    QnProgressIndicator* CreateProgressIndicator(int kind) override;
    void NoteStep(int) override {}

private:
    bool cancellable_;
};

// Shown with the wait cursor only, whatever kind is asked for.
class CursorEvalControl : public QnEvalControl {
public:
    int TestAbort() const override { return 0; }
    QnProgressIndicator* CreateProgressIndicator(int kind) override;
    void NoteStep(int) override {}
};

// The three controls of the whole run: cancellable, not cancellable, and
// the cursor alone.
extern EvalControl theEvalControl;
extern EvalControl theModalEvalControl;
extern CursorEvalControl theCursorEvalControl;
