#include "editor/plugins/PlugInRunDisplay.h"

#include <new>
#include <vector>

#include "blt/DeviceContext.h"
#include "editor/plugins/PlugInStrings.h"
#include "lang/ProcessControl.h"

namespace {

struct RunProgress {
    QnProgressIndicator* indicator = nullptr;
    bool started = false;
};

RunProgress& Progress()
{
    static RunProgress progress;
    return progress;
}

} // namespace

PlugInRunProgress::PlugInRunProgress(QnEvalControl* control)
{
    RunProgress& p = Progress();
    p.indicator = control ? control->CreateProgressIndicator(0) : nullptr;
    p.started = false;
}

PlugInRunProgress::~PlugInRunProgress()
{
    RunProgress& p = Progress();
    if (p.indicator) {
        p.indicator->Hide();
        p.indicator->qn_delete();
    }
    p.indicator = nullptr;
    p.started = false;
}

int32_t ProgressFunction(int32_t phase, int32_t a, int32_t b)
{
    RunProgress& p = Progress();
    if (!p.indicator || phase == 0)
        return 0;
    if (phase == 2) {
        if (p.started) {
            p.started = false;
            p.indicator->Hide();
        }
        return 0;
    }
    if (!p.started) {
        p.started = true;
        p.indicator->Show(1);
        p.indicator->SetText(PlugInString(IDS_PI_PROCESSING).c_str());
    }
    p.indicator->SetProgress(uint32_t(a < 0 ? 0 : a), uint32_t(b < 0 ? 0 : b));
    return p.indicator->TestAbort();
}

void DisplayFunction(const tagPIPIXELMAP* map)
{
    if (!map || !map->base || !map->platformContext)
        return;
    const int32_t width = map->right - map->left;
    const int32_t height = map->bottom - map->top;
    if (width <= 0 || height <= 0)
        return;
    const bool grey = map->depth == 8;
    DibBits dib{width, height, nullptr};
    std::vector<uint8_t> bits;
    try {
        bits.resize(size_t(dib.RowBytes()) * size_t(height));
    } catch (const std::bad_alloc&) {
        return;
    }
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* in = map->base + ptrdiff_t(y) * map->rowBytes;
        // The map's first row is the bitmap's last.
        uint8_t* out = bits.data() + size_t(height - 1 - y) * size_t(dib.RowBytes());
        for (int32_t x = 0; x < width; ++x, in += map->colBytes, out += 3) {
            if (grey) {
                out[0] = out[1] = out[2] = in[0];
            } else {
                out[2] = in[0];
                out[1] = in[map->planeBytes];
                out[0] = in[2 * ptrdiff_t(map->planeBytes)];
            }
        }
    }
    dib.bits = bits.data();
    static_cast<DeviceContext*>(map->platformContext)
        ->SetDIBitsToDevice(map->dstColumn, map->dstRow, width, height, 0, 0, dib);
}
