// A scanned picture kept whole in memory: the sink of a scan whose picture
// is wanted at once, and its packed DIB (8-bit grey with a grey ramp, or
// 24-bit colour), the form the programs take pictures in.
#pragma once

#include <cstdint>
#include <vector>

#include "scanner/ScanSink.h"

class QnScanFrame : public QnScanSink {
public:
    void Begin(const QnScanFormat& format) override;
    void Row(int32_t y, const uint8_t* samples) override;

    const QnScanFormat& Format() const { return format_; }
    // Samples of row y (top-down), Format().Channels() a pixel.
    const uint8_t* RowSamples(int32_t y) const;
    // The packed DIB: info header, colour table, rows bottom-up.
    std::vector<uint8_t> ToPackedDib() const;
    // A DIB row (blue, green, red for colour) of row y, padded to 4 bytes.
    static void ToDibRow(const QnScanFormat& format, const uint8_t* samples, uint8_t* out);

private:
    QnScanFormat format_;
    std::vector<uint8_t> samples_;
};
