// One timer period of the screen savers on a 1920 x 1080 desktop copy shown
// 1:1: the step, the composed square and the redraw of the old and new
// square's area (the picture under it, then the square clipped to its
// circle) into a memory framebuffer, for the whirl and the zoom at sizes 10,
// 50 and 100. The period is 10 ms; the floor beside each figure is copying
// the same redrawn area once with memcpy.
#include "BenchResult.h"
#include "blt/MemoryDC.h"
#include "savers/SaverFrame.h"
#include "savers/WhirlEffect.h"
#include "savers/ZoomEffect.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int32_t kW = 1920, kH = 1080;
constexpr int kTicks = 300;

SaverDib Desktop()
{
    SaverDib dib(kW, kH);
    for (int32_t y = 0; y < kH; ++y)
        for (int32_t x = 0; x < kW; ++x) {
            uint8_t* p = dib.Pixel(x, y);
            p[0] = uint8_t(x);
            p[1] = uint8_t(y);
            p[2] = uint8_t(x ^ y);
        }
    return dib;
}

double Millis(std::chrono::steady_clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

} // namespace

int main()
{
    const SaverDib desktop = Desktop();
    MemoryDC dc(kW, kH);
    std::printf("%-6s %5s %6s %12s %14s\n", "effect", "size", "e", "ms per tick", "memcpy floor");
    for (const bool whirl : {true, false})
        for (const int32_t size : {10, 50, 100}) {
            std::unique_ptr<SaverEffect> effect(whirl ? static_cast<SaverEffect*>(new WhirlEffect)
                                                      : static_cast<SaverEffect*>(new ZoomEffect));
            effect->SetPicture(desktop);
            effect->SetEffectSize(size, 30);
            platform::WinRand rand;
            QnRect last{};
            const QnPoint client{kW, kH};
            std::vector<uint8_t> copy(size_t(kW) * kH * 3);
            std::chrono::steady_clock::duration spent{}, floor{};
            for (int tick = 0; tick < kTicks; ++tick) {
                const auto t0 = std::chrono::steady_clock::now();
                effect->Tick(rand);
                const QnRect now = SaverFrame::SquareOnDevice(*effect, client);
                const QnRgn dirty = QnRgn(last) + QnRgn(now);
                dc.SelectClipRgn(&dirty);
                SaverFrame::Draw(dc, *effect, client);
                last = now;
                const auto t1 = std::chrono::steady_clock::now();
                for (const QnRect& r : dirty.rects())
                    for (int32_t y = r.top; y < r.bottom; ++y)
                        std::memcpy(copy.data() + (size_t(y) * kW + size_t(r.left)) * 3, desktop.Pixel(r.left, y),
                                    size_t(r.Width()) * 3);
                floor += std::chrono::steady_clock::now() - t1;
                spent += t1 - t0;
            }
            std::printf("%-6s %5d %6d %12.3f %14.3f\n", whirl ? "whirl" : "zoom", size, effect->SquareSize(),
                        Millis(spent) / kTicks, Millis(floor) / kTicks);
            // A tick has to fit in the timer's period.
            ReportFigure("savers", std::string(whirl ? "whirl" : "zoom") + " size " + std::to_string(size) + ", tick",
                         Millis(spent) / kTicks, "ms", 10);
        }
    return 0;
}
