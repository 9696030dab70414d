// The progress and abort protocol of rendering. A worker reports positions
// 0 .. total of its own work; Scale scopes map that work onto a sub-range of
// the enclosing one, so that nested workers drive one display from 0 to n.
// The editor's progress sinks implement the three display operations.
#pragma once

#include "render/XForm.h"

#include <cstdint>

class QnRenderProgress {
public:
    // Positions shown run from 0 to n.
    explicit QnRenderProgress(int32_t n);
    QnRenderProgress(const QnRenderProgress&) = default;
    QnRenderProgress& operator=(const QnRenderProgress&) = default;
    virtual ~QnRenderProgress() = default;

    virtual void SetText(const char* text) = 0;
    virtual int IsAborted() = 0;
    virtual void ShowPosition(int32_t position) = 0;

    // The current worker's work runs from 0 to t steps; t below 1 counts as 1.
    void SetTotal(int32_t t);
    int32_t GetTotal() const { return total_; }
    // Shows step i of the current worker, nearest position; a position equal
    // to the one shown last is not shown again.
    void SetCurrent(int32_t i);

    // A scoped sub-range: inside it positions 0 .. total of the inner work
    // map to the fraction a/c .. b/c of the enclosing range. The enclosing
    // worker's total is restored with its map on leaving. A null progress
    // makes the scope do nothing.
    class Scale {
    public:
        Scale(QnRenderProgress* p, int64_t a, int64_t b, int64_t c);
        ~Scale();
        Scale(const Scale&) = delete;
        Scale& operator=(const Scale&) = delete;

    private:
        QnRenderProgress* p_;
        QnXForm savedOuter_;
        int32_t savedTotal_ = 1;
    };

protected:
    void correct_xf_curr();

private:
    QnXForm outer_;
    QnXForm composed_;
    int32_t total_ = 1;
    int64_t lastShown_ = -1; // none yet (positions are 32-bit)
};
