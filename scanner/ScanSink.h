// What a scan delivers and to whom: the picture's size and kind first, then
// its rows top-down, each as 8-bit samples (grey: one a pixel; colour: red,
// green, blue). The progress of a scan may stop it.
#pragma once

#include <cstdint>

struct QnScanFormat {
    int32_t width = 0;
    int32_t height = 0;  // always known by the time a sink hears of it
    bool colour = false;
    int32_t dpi = 0;
    int32_t Channels() const { return colour ? 3 : 1; }
};

class QnScanSink {
public:
    virtual ~QnScanSink() = default;
    virtual void Begin(const QnScanFormat& format) = 0;
    // Row y of the picture, rows coming in order from 0.
    virtual void Row(int32_t y, const uint8_t* samples) = 0;
};

class QnScanProgress {
public:
    virtual ~QnScanProgress() = default;
    // Rows read so far of total (0 while the scanner does not know the
    // picture's height). False stops the scan.
    virtual bool Step(int32_t done, int32_t total) = 0;
};

// How the picture travels from the scanner: the whole frame read in large
// blocks and handed over at the end, or line by line, each row handed on as
// soon as it is complete.
enum class QnScanTransfer { WholeFrame, LineByLine };
