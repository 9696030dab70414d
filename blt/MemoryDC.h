// A device context over a 24-bit framebuffer in memory: the device that
// tests draw on and read back pixel by pixel.
#pragma once

#include "blt/DeviceContext.h"

#include <cstdint>
#include <vector>

class MemoryDC : public DeviceContext {
public:
    // A negative size counts as 0. Every pixel starts as background.
    MemoryDC(int32_t width, int32_t height, QnColorRef background = QnRGB(255, 255, 255),
             QnPoint resolution = QnPoint{96, 96});

    QnPoint DeviceSize() const override { return QnPoint{width_, height_}; }
    QnPoint Resolution() const override { return resolution_; }

    // The pixel at device (x, y); 0xFFFFFFFF outside the framebuffer.
    QnColorRef DevicePixel(int32_t x, int32_t y) const;
    // Device line y, top down: width pixels of blue, green, red.
    const uint8_t* DeviceRow(int32_t y) const { return pixels_.data() + size_t(y) * RowBytes(); }

protected:
    void FillDevice(const QnRgn& area, QnColorRef colour) override;
    void PutDevice(const QnRgn& area, const DeviceImage& image) override;

private:
    size_t RowBytes() const { return size_t(width_) * 3; }
    uint8_t* Pixel(int32_t x, int32_t y) { return pixels_.data() + size_t(y) * RowBytes() + size_t(x) * 3; }

    int32_t width_;
    int32_t height_;
    QnPoint resolution_;
    std::vector<uint8_t> pixels_;
};
