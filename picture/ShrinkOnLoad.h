// Shrink on load: while one of these is alive, a picture loaded from a JPEG
// file that a view fitting it into the given area would show reduced by 2,
// 4 or 8 is first decoded only that much smaller (the JPEG's own scaled
// decode), and its full pixels are decoded when something first needs them.
// The editor sets the area around opening a file.
#pragma once

#include <cstdint>

class QnShrinkOnLoad {
public:
    // Sets the area for the guard's life; 0 either way turns shrinking off.
    QnShrinkOnLoad(int32_t width, int32_t height);
    ~QnShrinkOnLoad();
    QnShrinkOnLoad(const QnShrinkOnLoad&) = delete;
    QnShrinkOnLoad& operator=(const QnShrinkOnLoad&) = delete;

    // True while an area is set.
    static bool Active();
    // 1, 2, 4 or 8: the largest power of two, up to 8, by which a picture of
    // width x height fitted into the current area is reduced at least (the
    // fit reduces by whole factors, the larger of the two axes' needs); 1
    // without an area.
    static int32_t ReductionFor(int32_t width, int32_t height);

private:
    int32_t oldWidth_;
    int32_t oldHeight_;
};
