// Moving pixel rectangles between the work areas and the plug-in's buffers.
// A buffer holds the rectangle's rows one after another, planes interleaved;
// plane 0 is red, 1 green, 2 blue, while a 24-bit work-area pixel is blue,
// green, red. Work-area rows are counted from the bottom.
#include "pluginhost/FxgateStrings.h"
#include "pluginhost/PlugInHost.h"

#include <algorithm>
#include <new>

namespace {

bool Empty(const Rect& r) { return r.top >= r.bottom || r.left >= r.right; }

// Copies width pixels of a work-area row (every step-th pixel of pixelSize
// bytes) into a buffer with planes lo..hi, each pixel's bytes reversed.
void TakePlanes(const uint8_t* pixels, uint8_t* out, int32_t width, int32_t step, int32_t pixelSize, int32_t lo,
                int32_t hi)
{
    if (pixelSize == 3 && step == 1 && lo == 0 && hi == 2) {
        for (int32_t i = 0; i < width; ++i, pixels += 3, out += 3) {
            out[0] = pixels[2];
            out[1] = pixels[1];
            out[2] = pixels[0];
        }
        return;
    }
    for (int32_t i = 0; i < width; ++i) {
        const uint8_t* pixel = pixels + size_t(i) * size_t(step) * size_t(pixelSize);
        for (int32_t k = lo; k <= hi; ++k)
            *out++ = pixel[pixelSize - 1 - k];
    }
}

// The way back: planes lo..hi of width buffer pixels into a work-area row
// of pixelSize-byte pixels, whose other bytes stay as they are.
void PutPlanes(const uint8_t* in, uint8_t* pixels, int32_t width, int32_t pixelSize, int32_t lo, int32_t hi)
{
    for (int32_t i = 0; i < width; ++i) {
        uint8_t* pixel = pixels + size_t(i) * size_t(pixelSize);
        for (int32_t k = lo; k <= hi; ++k)
            pixel[pixelSize - 1 - k] = *in++;
    }
}

// The integer part of a sampling rate; 0 or less counts as 1.
int32_t Sampling(Fixed rate) { return std::max<int32_t>(1, rate >> 16); }

} // namespace

PlugInHost::Area PlugInHost::RequestedArea(Fetch kind) const
{
    switch (kind) {
    case Fetch::Input: return Area{record_.inRect, record_.inLoPlane, record_.inHiPlane, record_.inputRate};
    case Fetch::Output: return Area{record_.outRect, record_.outLoPlane, record_.outHiPlane, 0};
    case Fetch::Mask: return Area{record_.maskRect, 0, 0, record_.maskRate};
    }
    return Area{};
}

bool PlugInHost::ValidArea(const Area& area, int32_t planes) const
{
    const Rect& r = area.rect;
    const int64_t n = Sampling(area.rate);
    return r.top >= 0 && r.left >= 0 && n * (r.bottom - 1) < height_ && n * (r.right - 1) < width_ &&
           area.loPlane >= 0 && area.loPlane <= area.hiPlane && area.hiPlane < planes;
}

int32_t PlugInHost::FetchIfChanged(Fetch kind)
{
    const Area area = RequestedArea(kind);
    Area& last = kind == Fetch::Input ? lastInput_ : kind == Fetch::Output ? lastOutput_ : lastMask_;
    if (area == last)
        return kRunDone;
    if (kind == Fetch::Output) {
        // What the module wrote is never dropped for a new area.
        const int32_t written = WritePendingOutput();
        if (written != kRunDone)
            return written;
    }
    last = area;
    try {
        switch (kind) {
        case Fetch::Input: return FetchInput(area);
        case Fetch::Output: return FetchOutput(area);
        case Fetch::Mask: return FetchMask(area);
        }
    } catch (const std::bad_alloc&) {
        return Fail(kRunNoMemory, IDS_PI_OUT_OF_MEMORY);
    }
    return kRunDone;
}

int32_t PlugInHost::CopyPlanes(const Area& area, int32_t step, RowPrefetch& rows, const ReadRow& read,
                               std::vector<uint8_t>& into, void*& data, int32_t& rowBytes)
{
    if (Empty(area.rect)) {
        std::vector<uint8_t>().swap(into);
        data = nullptr;
        rowBytes = 0;
        return kRunDone;
    }
    if (!ValidArea(area, planes_))
        return Fail(kRunFailed, IDS_PI_BAD_INTERFACE);
    const Rect& r = area.rect;
    const int32_t width = r.right - r.left;
    const int32_t bytes = width * (area.hiPlane - area.loPlane + 1);
    // Sampled rows read every step-th pixel from the rectangle's left edge.
    const int32_t readWidth = step * (width - 1) + 1;
    std::vector<uint8_t> buffer(size_t(bytes) * size_t(r.bottom - r.top));
    for (int32_t j = 0; j < r.bottom - r.top; ++j) {
        const uint8_t* pixels = nullptr;
        if (read(step * r.left, height_ - 1 - step * (r.top + j), readWidth, pixels) || !pixels)
            return Fail(kRunFailed, IDS_PI_TOOL_ERROR);
        rows.Took(j, r.bottom - r.top, pixels, size_t(readWidth) * size_t(planes_));
        TakePlanes(pixels, buffer.data() + size_t(j) * size_t(bytes), width, step, planes_, area.loPlane,
                   area.hiPlane);
    }
    into.swap(buffer);
    data = into.data();
    rowBytes = bytes;
    return kRunDone;
}

int32_t PlugInHost::FetchInput(const Area& area)
{
    return CopyPlanes(
        area, Sampling(area.rate), sourceRows_,
        [this](int32_t x, int32_t y, int32_t n, const uint8_t*& pixels) {
            return source_->ReadPixels(0, 0, x, y, n, pixels);
        },
        input_, record_.inData, record_.inRowBytes);
}

int32_t PlugInHost::FetchOutput(const Area& area)
{
    const int32_t result = CopyPlanes(
        area, 1, destinationRows_,
        [this](int32_t x, int32_t y, int32_t n, const uint8_t*& pixels) {
            return destination_->ReadBackPixels(0, 0, x, y, n, pixels);
        },
        output_, record_.outData, record_.outRowBytes);
    // What the module writes into a fetched area goes back to the picture.
    if (result == kRunDone && !Empty(area.rect))
        outputPending_ = true;
    return result;
}

int32_t PlugInHost::FetchMask(const Area& area)
{
    if (Empty(area.rect)) {
        std::vector<uint8_t>().swap(maskBuffer_);
        record_.maskData = nullptr;
        record_.maskRowBytes = 0;
        return kRunDone;
    }
    if (!mask_ || !ValidArea(area, 1))
        return Fail(kRunFailed, IDS_PI_BAD_INTERFACE);
    const Rect& r = area.rect;
    const int32_t width = r.right - r.left;
    const int32_t n = Sampling(area.rate);
    // The mask lies maskOffsetY_ rows above the picture's bottom edge.
    const int64_t maskTop = int64_t{height_} - maskOffsetY_ - maskHeight_;
    std::vector<uint8_t> buffer(size_t(width) * size_t(r.bottom - r.top), 0);
    for (int32_t j = 0; j < r.bottom - r.top; ++j) {
        const int64_t maskRow = int64_t{n} * (r.top + j) - maskTop; // from the mask's top
        if (maskRow < 0 || maskRow >= maskHeight_)
            continue;
        // The mask columns this row of samples covers.
        const int64_t first = std::max<int64_t>(0, int64_t{n} * r.left - maskOffsetX_);
        const int64_t last = std::min<int64_t>(maskWidth_ - 1, int64_t{n} * (r.right - 1) - maskOffsetX_);
        if (first > last)
            continue;
        const uint8_t* pixels = nullptr;
        if (mask_->ReadPixels(0, 0, int32_t(first), int32_t(maskHeight_ - 1 - maskRow), int32_t(last - first + 1),
                              pixels) ||
            !pixels)
            return Fail(kRunFailed, IDS_PI_TOOL_ERROR);
        uint8_t* out = buffer.data() + size_t(j) * size_t(width);
        for (int32_t i = 0; i < width; ++i) {
            const int64_t column = int64_t{n} * (r.left + i) - maskOffsetX_;
            if (column < first || column > last)
                continue;
            const int64_t at = column - first;
            if (maskType_ == 1)
                out[i] = (pixels[at >> 3] >> (7 - (at & 7))) & 1 ? 255 : 0;
            else
                out[i] = pixels[at];
        }
    }
    maskBuffer_.swap(buffer);
    record_.maskData = maskBuffer_.data();
    record_.maskRowBytes = width;
    return kRunDone;
}

int32_t PlugInHost::WritePendingOutput()
{
    if (!outputPending_)
        return kRunDone;
    outputPending_ = false;
    const Rect& r = lastOutput_.rect;
    if (Empty(r) || output_.empty())
        return kRunDone;
    const int32_t width = r.right - r.left;
    const int32_t planes = lastOutput_.hiPlane - lastOutput_.loPlane + 1;
    const size_t rowBytes = size_t(width) * size_t(planes);
    for (int32_t j = 0; j < r.bottom - r.top; ++j) {
        const int32_t row = height_ - 1 - (r.top + j);
        // Planes the module did not ask for keep the destination's values.
        const uint8_t* current = nullptr;
        if (destination_->ReadBackPixels(0, 0, r.left, row, width, current) || !current)
            return Fail(kRunFailed, IDS_PI_TOOL_ERROR);
        std::copy(current, current + size_t(width) * size_t(planes_), rowScratch_.begin());
        PutPlanes(output_.data() + size_t(j) * rowBytes, rowScratch_.data(), width, planes_, lastOutput_.loPlane,
                  lastOutput_.hiPlane);
        if (destination_->WritePixels(0, 0, r.left, row, width, rowScratch_.data()))
            return Fail(kRunFailed, IDS_PI_TOOL_ERROR);
    }
    if (changed_) {
        const PIRECT written{r.left, r.top, r.right, r.bottom};
        PIRECT& c = *changed_;
        if (c.left >= c.right || c.top >= c.bottom) {
            c = written;
        } else {
            c = PIRECT{std::min(c.left, written.left), std::min(c.top, written.top), std::max(c.right, written.right),
                       std::max(c.bottom, written.bottom)};
        }
    }
    return kRunDone;
}
