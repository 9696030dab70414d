#include "editor/effects/FilterRun.h"

#include "base/QnExcept.h"
#include "base/QnPhysicalMemory.h"
#include "blt/DeviceContext.h"
#include "blt/DibBits.h"
#include "editor/builtins/FlRectPict.h"
#include "editor/effects/EffectStrings.h"
#include "editor/effects/HugeBuffer.h"
#include "editor/effects/PlugInInstance.h"
#include "editor/operations/PictureRowAccess.h"
#include "editor/operations/UserAbortExcept.h"
#include "lang/ProcessControl.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

constexpr const char* kFile = "PlugInInstance";

bool Empty(const Rect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

bool SameRect(const QnRect& a, const QnRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A buffer the module reads or writes: only grows during a run. Its bytes
// start undefined: every fetch writes all of the rectangle it holds.
struct FilterBuffer {
    HugeBuffer bytes;
    QnRect rect{};
    int16_t lo = 0;
    int16_t hi = 0;
};

// The mask is read a band of tile rows at a time.
constexpr int32_t kBandRows = QnPicture::kTile;

// The state of the run under way; one for the process.
struct RunState {
    FilterRecord record{};
    int16_t selector = 0;
    bool started = false;
    bool abort = false;
    QnProgressIndicator* progress = nullptr;
    bool progressHidden = true;
    PpQnPicture source;
    PpQnPicture destination;
    PpQnRenderObj mask;
    QnRect origin{};
    bool grey = false;
    FilterBuffer input;
    FilterBuffer output;
    QnRect changed{};
    void* window = nullptr;
};

std::recursive_mutex gFilterRunLock;
RunState* gRun = nullptr;

// Byte of the picture's pixel that holds module plane p: modules see red,
// green, blue; a colour picture keeps blue, green, red.
int PixelByte(int p, bool grey)
{
    return grey ? 0 : 2 - p;
}

QnRect Offset(const Rect& r, const QnRect& origin)
{
    return QnRect{r.left + origin.left, r.top + origin.top, r.right + origin.left, r.bottom + origin.top};
}

// Fills buffer with rect of picture, planes lo..hi, module pixel x showing
// picture pixel x * rate; pixels outside the picture are zero.
OSErr FetchFilterRect(const PpQnPicture& picture, const QnRect& rect, FilterBuffer& buffer, int16_t lo, int16_t hi,
                      Fixed rate, void*& data, int32_t& rowBytes)
{
    if (rect.IsEmpty())
        return noErr;
    const RunState& run = *gRun;
    if (lo < 0 || hi < lo || hi >= (run.grey ? 1 : 3))
        return filterBadParameters;
    const int k = hi - lo + 1;
    const int64_t row = int64_t(rect.Width()) * k;
    const int64_t size = row * rect.Height();
    if (size > INT32_MAX)
        return memFullErr;
    if (buffer.bytes.capacity() < size) {
        buffer.bytes = HugeBuffer::New(size);
        if (!buffer.bytes)
            return memFullErr;
    }
    if (rate <= 0)
        rate = PI_FIXED_ONE;
    const int bpp = run.grey ? 1 : 3;
    const auto scale = [rate](int32_t v) { return int32_t((int64_t(v) * rate) >> 16); };
    // The picture pixels the rectangle shows, within the picture.
    const QnRect wanted{scale(rect.left), scale(rect.top), std::max(scale(rect.right), scale(rect.left) + 1),
                        std::max(scale(rect.bottom), scale(rect.top) + 1)};
    const QnRect seen = QnIntersectRect(wanted, QnRect{0, 0, picture->GetWidth(), picture->GetHeight()});
    if (!SameRect(seen, wanted))
        std::memset(buffer.bytes.get(), 0, size_t(size));
    // A colour picture keeps blue, green, red; a module's pixel is red first.
    const bool swap = !run.grey && lo == 0 && hi == 2;
    const bool direct = rate == PI_FIXED_ONE && k == bpp && rect.left == seen.left && rect.right == seen.right;
    std::vector<uint8_t> line(direct ? 0 : size_t(seen.Width()) * bpp);
    for (int32_t y = rect.top; y < rect.bottom && !seen.IsEmpty(); ++y) {
        const int32_t sy = scale(y);
        if (sy < seen.top || sy >= seen.bottom)
            continue;
        uint8_t* out = buffer.bytes.get() + (y - rect.top) * row;
        if (direct) {
            // Whole lines of the picture's own form: read into place.
            picture->ReadFromRow(0, sy, QnRange{seen.left, seen.right}, out);
            if (swap)
                for (int32_t x = 0; x < rect.Width(); ++x, out += 3)
                    std::swap(out[0], out[2]);
            continue;
        }
        picture->ReadFromRow(0, sy, QnRange{seen.left, seen.right}, line.data());
        for (int32_t x = rect.left; x < rect.right; ++x, out += k) {
            const int32_t sx = scale(x);
            if (sx < seen.left || sx >= seen.right)
                continue;
            const uint8_t* pixel = line.data() + (sx - seen.left) * bpp;
            for (int p = lo; p <= hi; ++p)
                out[p - lo] = pixel[PixelByte(p, run.grey)];
        }
    }
    buffer.rect = rect;
    buffer.lo = lo;
    buffer.hi = hi;
    data = buffer.bytes.get();
    rowBytes = int32_t(row);
    return noErr;
}

// The columns from the first to the last pixel of a row whose bytes differ
// between before and after (left and right only; empty when none does).
QnRect DifferingSpan(const uint8_t* before, const uint8_t* after, int32_t width, int bpp)
{
    int32_t first = 0;
    while (first < width && std::memcmp(before + first * bpp, after + first * bpp, size_t(bpp)) == 0)
        ++first;
    if (first == width)
        return QnRect{};
    int32_t last = width - 1;
    while (std::memcmp(before + last * bpp, after + last * bpp, size_t(bpp)) == 0)
        --last;
    return QnRect{first, 0, last + 1, 1};
}

// Writes the output buffer into the destination, inside the filter
// rectangle and where the mask is set. The run's changed rectangle grows by
// the pixels whose bytes differ from what they were, so that a run that
// gives every pixel back as it was changes nothing.
void CommitFilterOutput()
{
    RunState& run = *gRun;
    const FilterBuffer& out = run.output;
    QnRect c = QnIntersectRect(out.rect, Offset(run.record.filterRect, run.origin));
    c = QnIntersectRect(c, QnRect{0, 0, run.destination->GetWidth(), run.destination->GetHeight()});
    if (c.IsEmpty() || !out.bytes)
        return;
    const int bpp = run.grey ? 1 : 3;
    const int k = out.hi - out.lo + 1;
    const int64_t row = int64_t(out.rect.Width()) * k;
    QnRect changed{};
    std::vector<uint8_t> before(size_t(c.Width()) * bpp), after(before.size());
    for (int32_t top = c.top; top < c.bottom; top += kBandRows) {
        const QnRect band{c.left, top, c.right, std::min(top + kBandRows, c.bottom)};
        const PictureRowAccess selection(run.mask, 1, band);
        for (int32_t y = band.top; y < band.bottom; ++y) {
            run.destination->ReadFromRow(0, y, QnRange{c.left, c.right}, before.data());
            std::memcpy(after.data(), before.data(), before.size());
            const uint8_t* chosen = selection.Row(y - band.top);
            const uint8_t* buffer = out.bytes.get() + (y - out.rect.top) * row + (c.left - out.rect.left) * k;
            if (!run.grey && k == 3) {
                // All three planes of a colour picture: red first to blue first.
                for (int32_t x = 0; x < c.Width(); ++x)
                    if (chosen[x]) {
                        after[3 * x] = buffer[3 * x + 2];
                        after[3 * x + 1] = buffer[3 * x + 1];
                        after[3 * x + 2] = buffer[3 * x];
                    }
            } else {
                for (int32_t x = 0; x < c.Width(); ++x)
                    if (chosen[x])
                        for (int p = out.lo; p <= out.hi; ++p)
                            after[x * bpp + PixelByte(p, run.grey)] = buffer[x * k + p - out.lo];
            }
            // Only the pixels that differ are written: lines the module gave
            // back unchanged keep sharing their tiles with the source.
            const QnRect differing = DifferingSpan(before.data(), after.data(), c.Width(), bpp);
            if (differing.IsEmpty())
                continue;
            run.destination->WriteToRow(0, y, QnRange{c.left + differing.left, c.left + differing.right},
                                        after.data() + differing.left * bpp);
            changed = QnExtendBox(changed, QnRect{c.left + differing.left, y, c.left + differing.right, y + 1});
        }
    }
    run.changed = QnExtendBox(run.changed, changed);
}

OSErr FillFilterBuffers()
{
    RunState& run = *gRun;
    FilterRecord& r = run.record;
    if (Empty(r.inRect) && Empty(r.outRect))
        return noErr;
    const QnRect in = Offset(r.inRect, run.origin);
    if (!SameRect(in, run.input.rect) || r.inLoPlane != run.input.lo || r.inHiPlane != run.input.hi) {
        if (OSErr e = FetchFilterRect(run.source, in, run.input, r.inLoPlane, r.inHiPlane, r.inputRate, r.inData,
                                      r.inRowBytes))
            return e;
    }
    const QnRect out = Offset(r.outRect, run.origin);
    if (!SameRect(out, run.output.rect) || r.outLoPlane != run.output.lo || r.outHiPlane != run.output.hi) {
        if (OSErr e = FetchFilterRect(run.destination, out, run.output, r.outLoPlane, r.outHiPlane, PI_FIXED_ONE,
                                      r.outData, r.outRowBytes))
            return e;
    }
    return noErr;
}

OSErr AdvanceFilterSelector()
{
    RunState& run = *gRun;
    FilterRecord& r = run.record;
    switch (run.selector) {
    case filterSelectorParameters: run.selector = filterSelectorPrepare; return noErr;
    case filterSelectorPrepare: run.selector = filterSelectorStart; return noErr;
    case filterSelectorStart:
        run.started = true;
        run.selector = filterSelectorContinue;
        return FillFilterBuffers();
    case filterSelectorContinue: {
        const QnRect out = Offset(r.outRect, run.origin);
        if (!SameRect(out, run.output.rect) || r.outLoPlane != run.output.lo || r.outHiPlane != run.output.hi)
            CommitFilterOutput();
        return FillFilterBuffers();
    }
    default: return noErr;
    }
}

// ---- Callbacks: never throw into the module.

uint8_t HostTestAbort()
{
    if (!gRun)
        return 0;
    if (gRun->progress)
        gRun->abort = gRun->progress->TestAbort() != 0;
    return gRun->abort ? 1 : 0;
}

void HostUpdateProgress(int32_t done, int32_t total)
{
    if (!gRun || !gRun->progress)
        return;
    try {
        if (gRun->progressHidden) {
            gRun->progressHidden = false;
            gRun->progress->Show(1);
            gRun->progress->SetText(EffectString(IDS_PROCESSING).c_str());
        }
        gRun->progress->SetProgress(uint32_t(std::max(done, 0)), uint32_t(std::max(total, 0)));
    } catch (...) {
    }
}

void HostProcStub(int16_t, int32_t*) {}

OSErr HostAdvanceState()
{
    if (!gRun)
        return memFullErr;
    try {
        return AdvanceFilterSelector();
    } catch (...) {
        return memFullErr;
    }
}

// Draws the module's preview pixels onto the device context it passes.
OSErr HostDisplayPixels(const PSPixelMap* source, const VRect*, int32_t dstRow, int32_t dstCol, void* context)
{
    if (!source || !source->baseAddr || !context)
        return noErr;
    if (source->imageMode != plugInModeGrayScale && source->imageMode != plugInModeRGBColor)
        return noErr;
    const int32_t w = source->bounds.right - source->bounds.left, h = source->bounds.bottom - source->bounds.top;
    if (w <= 0 || h <= 0)
        return noErr;
    try {
        DibBits dib;
        dib.width = w;
        dib.height = h;
        std::vector<uint8_t> bits(size_t(dib.RowBytes()) * size_t(h));
        const auto* base = static_cast<const uint8_t*>(source->baseAddr);
        for (int32_t r = 0; r < h; ++r) {
            uint8_t* to = bits.data() + size_t(h - 1 - r) * size_t(dib.RowBytes());
            const uint8_t* from = base + int64_t(r) * source->rowBytes;
            for (int32_t x = 0; x < w; ++x, to += 3, from += source->colBytes) {
                if (source->imageMode == plugInModeGrayScale) {
                    to[0] = to[1] = to[2] = from[0];
                } else {
                    // Planes come red first; the DIB keeps blue first.
                    to[2] = from[0];
                    to[1] = from[source->planeBytes];
                    to[0] = from[2 * source->planeBytes];
                }
            }
        }
        dib.bits = bits.data();
        static_cast<DeviceContext*>(context)->SetDIBitsToDevice(dstCol, dstRow, w, h, 0, 0, dib);
    } catch (const std::bad_alloc&) {
        return memFullErr;
    } catch (...) {
    }
    return noErr;
}

void FillColour(FilterColor& colour, RGBColor& wide, uint32_t word, bool grey)
{
    const uint8_t red = uint8_t(word), green = uint8_t(word >> 8), blue = uint8_t(word >> 16);
    wide = RGBColor{red, green, blue};
    if (grey) {
        colour[0] = uint8_t((red + green + blue) / 3);
        colour[1] = colour[2] = 0;
    } else {
        colour[0] = red;
        colour[1] = green;
        colour[2] = blue;
    }
    colour[3] = 0;
}

void SetUpFilterRecord(RunState& run, PlugInInstance& instance, const PpQnPicture& picture, const PpQnRenderObj& mask,
                       uint32_t foreground, uint32_t background, QnEvalControl* control)
{
    if (control) {
        run.progress = control->CreateProgressIndicator(0);
        run.progressHidden = true;
    }
    const QnRect p{0, 0, picture->GetWidth(), picture->GetHeight()};
    QnRect s = QnIntersectRect(mask->GetRect(QnXFormXY()), p);
    if (s.IsEmpty())
        s = QnRect{0, 0, 0, 0};
    run.origin = p;
    run.grey = picture->Type() != WA_RGB24;
    const int16_t planes = run.grey ? 1 : 3;
    FilterRecord& r = run.record;
    std::memset(&r, 0, sizeof r);
    r.abortProc = HostTestAbort;
    r.progressProc = HostUpdateProgress;
    r.hostProc = HostProcStub;
    r.displayPixels = HostDisplayPixels;
    r.advanceState = HostAdvanceState;
    r.hostSig = PI_HOST_SIG_EDITOR;
    r.platformData = &run.window;
    r.imageSize = Point{int16_t(p.Height()), int16_t(p.Width())};
    r.planes = planes;
    r.imageMode = run.grey ? plugInModeGrayScale : plugInModeRGBColor;
    r.imageHRes = r.imageVRes = 300 * PI_FIXED_ONE;
    r.filterRect = Rect{int16_t(s.top - p.top), int16_t(s.left - p.left), int16_t(s.bottom - p.top),
                        int16_t(s.right - p.left)};
    FillColour(r.backColor, r.background, background, run.grey);
    FillColour(r.foreColor, r.foreground, foreground, run.grey);
    r.parameters = instance.Parameters();
    const int64_t need = 3 * int64_t(s.Width()) * s.Height() * planes;
    r.maxSpace = int32_t(std::min<int64_t>(std::max<int64_t>(int64_t(std::min<uint64_t>(QnGetPhysicalMemoryAvailable64(), INT32_MAX)), need), INT32_MAX));
    r.samplingSupport = 2;
    run.selector = instance.AsksParameters() ? filterSelectorParameters : filterSelectorPrepare;
    run.source = picture;
    run.destination = PpQnPicture(picture, 1);
    run.mask = mask;
    run.changed = QnRect{};
}

void FinishFilterRun(RunState& run, PlugInInstance& instance)
{
    run.source = PpQnPicture();
    run.destination = PpQnPicture();
    run.mask = PpQnRenderObj();
    run.input = FilterBuffer{};
    run.output = FilterBuffer{};
    instance.EndRun(run.record.parameters);
    if (run.progress) {
        if (!run.progressHidden)
            run.progress->Show(0);
        run.progress->qn_delete();
        run.progress = nullptr;
    }
    instance.Unload();
}

} // namespace

PpQnExpr FilterRun::Execute(PlugInInstance& instance, const PpQnPicture& picture, const PpQnRenderObj& mask,
                            uint32_t foreground, uint32_t background, QnEvalControl* control)
{
    std::lock_guard runLock(gFilterRunLock);
    std::lock_guard instanceLock(instance.lock_);
    instance.Load();
    RunState run;
    RunState* const outer = gRun;
    gRun = &run;
    struct Restore {
        RunState* outer;
        ~Restore() { gRun = outer; }
    } restore{outer};
    PpQnExpr result;
    try {
        // Modules see colour or grey planes, read straight from the picture.
        if (picture->Type() != WA_RGB24 && picture->Type() != WA_GRAY)
            QnExcept(EffectString(IDS_ERROR_DURING_PROCESSING).c_str(), kFile, __LINE__).raise();
        SetUpFilterRecord(run, instance, picture, mask, foreground, background, control);
        const PIFilterEntry entry = instance.entry1_;
        for (;;) {
            int16_t answer = noErr;
            entry(run.selector, &run.record, instance.dataWord_, &answer);
            if (answer != noErr && answer != userCanceledErr) {
                if (run.started)
                    entry(filterSelectorFinish, &run.record, instance.dataWord_, &answer);
                QnExcept(EffectString(IDS_ERROR_DURING_PROCESSING).c_str(), kFile, __LINE__).raise();
            }
            if (run.abort || answer == userCanceledErr) {
                if (run.started)
                    entry(filterSelectorFinish, &run.record, instance.dataWord_, &answer);
                UserAbortExcept(kFile, __LINE__).raise();
            }
            if ((run.selector == filterSelectorStart || run.selector == filterSelectorContinue) &&
                Empty(run.record.inRect) && Empty(run.record.outRect))
                break;
            if (OSErr e = AdvanceFilterSelector()) {
                if (e == memFullErr)
                    throw std::bad_alloc();
                if (run.started)
                    entry(filterSelectorFinish, &run.record, instance.dataWord_, &answer);
                QnExcept(EffectString(IDS_ERROR_DURING_PROCESSING).c_str(), kFile, __LINE__).raise();
            }
        }
        CommitFilterOutput();
        int16_t finish = noErr;
        entry(filterSelectorFinish, &run.record, instance.dataWord_, &finish);
        result = PpQnExpr(PpQnFlVal(MakeFlRectPict(run.destination, &run.changed)));
    } catch (...) {
        FinishFilterRun(run, instance);
        throw;
    }
    FinishFilterRun(run, instance);
    return result;
}
