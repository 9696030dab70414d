// A small host for the frame's tests that drives a module's entry the way
// the suite's hosts and the foreign ones do: a zeroed record filled like
// the editor's, the selector sequence of a run, rectangles delivered before
// every Continue and, when it has one, through advanceState (sampled by
// inputRate), and a record of what the module showed and asked for. What
// the module shows into a device context is drawn there too.
#pragma once

#include "blt/DeviceContext.h"
#include "filters/sdk/PIFilter.h"
#include "filters/sdk/PIHandles.h"
#include "platform/Module.h"

#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

struct ShownMap {
    int32_t width = 0;
    int32_t height = 0;
    int32_t version = 0;
    bool hasMasks = false;
    std::vector<uint8_t> pixels; // rows of width x planes bytes
};

class ScriptedHost {
public:
    struct Options {
        OSType hostSig = PI_HOST_SIG_EDITOR;
        bool hasAdvanceState = true;
        int32_t width = 40;
        int32_t height = 30;
        int16_t planes = 3;
        Rect filterRect{0, 0, 0, 0}; // empty: the whole picture
        int32_t maxSpace = 0;          // 0: three times the picture
        RGBColor background{0, 0, 0};  // components 0..255, as the editor gives them
        uint8_t foreColor[3] = {0, 0, 0};
    };

    ScriptedHost(const std::string& modulePath, Options options, const char* entry = "ENTRYPOINT1")
        : options_(options)
    {
        module_.Load(modulePath);
        entry_ = module_.Entry<std::remove_pointer_t<PIFilterEntry>>(entry);
        input.resize(size_t(options.width) * size_t(options.height) * size_t(options.planes));
        for (size_t i = 0; i < input.size(); ++i)
            input[i] = uint8_t(i * 7 + i / 97);
        output = input;
    }
    ~ScriptedHost() { FreeHostHandle(parameters); }

    bool Loaded() const { return entry_ != nullptr; }
    int32_t Width() const { return options_.width; }
    int32_t Height() const { return options_.height; }
    int32_t Planes() const { return options_.planes; }
    const Rect& FilterRect() const { return record.filterRect; }

    // A whole run; the first nonzero result, or 0.
    int16_t Run(bool askParameters)
    {
        Reset();
        if (askParameters) {
            if (const int16_t r = Call(filterSelectorParameters))
                return r;
        }
        if (const int16_t r = Call(filterSelectorPrepare))
            return r;
        int16_t result = Call(filterSelectorStart);
        while (result == 0 && (!Empty(record.inRect) || !Empty(record.outRect))) {
            if (++continues > 100000)
                return -1; // a module that never ends its run
            Deliver();
            result = Call(filterSelectorContinue);
        }
        WriteBack();
        const int16_t finish = Call(filterSelectorFinish);
        return result != 0 ? result : finish;
    }

    // A fresh record for the next calls; parameters are kept.
    void Reset()
    {
        record = FilterRecord{};
        record.imageSize = Point{int16_t(options_.height), int16_t(options_.width)};
        record.planes = options_.planes;
        record.imageMode = options_.planes == 3 ? plugInModeRGBColor : plugInModeGrayScale;
        record.filterRect = Empty(options_.filterRect) ? Rect{0, 0, int16_t(options_.height), int16_t(options_.width)}
                                                       : options_.filterRect;
        record.background = options_.background;
        record.backColor[0] = 10;
        record.backColor[1] = 20;
        record.backColor[2] = 30;
        for (int k = 0; k < 3; ++k)
            record.foreColor[k] = options_.foreColor[k];
        record.maxSpace = options_.maxSpace ? options_.maxSpace : 3 * options_.width * options_.height * options_.planes;
        record.hostSig = options_.hostSig;
        record.abortProc = [] { return uint8_t(Active()->abortAtProgress >= 0 &&
                                               Active()->progressCalls >= Active()->abortAtProgress); };
        record.progressProc = [](int32_t, int32_t) { ++Active()->progressCalls; };
        record.displayPixels = Display;
        if (options_.hasAdvanceState)
            record.advanceState = [] { return Active()->AdvanceState(); };
        record.parameters = parameters;
        lastIn_ = lastOut_ = Area{};
        inBuffer_.clear();
        outBuffer_.clear();
        outPending_ = false;
        continues = advanceCalls = progressCalls = 0;
        badRequests = 0;
        largestInput = largestOutput = largestHeld = 0;
        rowSends.assign(size_t(options_.height), 0);
    }

    int16_t Call(int16_t selector)
    {
        active_ = this;
        int16_t result = 12345;
        record.parameters = parameters;
        entry_(selector, &record, &data, &result);
        parameters = record.parameters;
        calls.emplace_back(selector, result);
        return result;
    }

    int16_t CallAbout(AboutRecord* about)
    {
        active_ = this;
        int16_t result = 12345;
        entry_(filterSelectorAbout, reinterpret_cast<FilterRecord*>(about), &data, &result);
        return result;
    }

    // The picture's pixel (x, y), plane k, before and after.
    uint8_t In(int32_t x, int32_t y, int32_t k) const { return input[Index(x, y, k)]; }
    uint8_t Out(int32_t x, int32_t y, int32_t k) const { return output[Index(x, y, k)]; }

    FilterRecord record{};
    Handle parameters = nullptr;
    intptr_t data = 0;
    std::vector<uint8_t> input;
    std::vector<uint8_t> output;
    std::vector<std::pair<int16_t, int16_t>> calls;
    std::vector<ShownMap> shown;
    int32_t continues = 0;
    int32_t advanceCalls = 0;
    int32_t progressCalls = 0;
    int32_t abortAtProgress = -1;
    int32_t badRequests = 0;
    // The largest input rectangle delivered, in pixels of the request.
    int32_t largestInput = 0;
    int32_t largestOutput = 0;
    // The most bytes of input and output held at once while filtering.
    int32_t largestHeld = 0;
    // How many times each row of the picture was sent unsampled.
    std::vector<int32_t> rowSends;
    int32_t MostRowSends() const { return rowSends.empty() ? 0 : *std::max_element(rowSends.begin(), rowSends.end()); }

private:
    struct Area {
        Rect rect{0, 0, 0, 0};
        Fixed rate = 0;
        bool operator==(const Area& o) const
        {
            return std::memcmp(&rect, &o.rect, sizeof rect) == 0 && rate == o.rate;
        }
    };

    static ScriptedHost* Active() { return active_; }
    static bool Empty(const Rect& r) { return r.top >= r.bottom || r.left >= r.right; }
    size_t Index(int32_t x, int32_t y, int32_t k) const
    {
        return (size_t(y) * size_t(options_.width) + size_t(x)) * size_t(options_.planes) + size_t(k);
    }
    static int32_t Step(Fixed rate) { return rate >> 16 > 1 ? rate >> 16 : 1; }

    bool Inside(const Rect& r, int32_t n) const
    {
        return r.top >= 0 && r.left >= 0 && n * (r.bottom - 1) < options_.height && n * (r.right - 1) < options_.width;
    }

    // Rows of a rectangle of a picture, sampled every n pixels.
    std::vector<uint8_t> Copy(const std::vector<uint8_t>& picture, const Rect& r, int32_t n) const
    {
        std::vector<uint8_t> out;
        for (int32_t y = r.top; y < r.bottom; ++y)
            for (int32_t x = r.left; x < r.right; ++x)
                for (int32_t k = 0; k < options_.planes; ++k)
                    out.push_back(picture[Index(n * x, n * y, k)]);
        return out;
    }

    void WriteBack()
    {
        if (!outPending_)
            return;
        outPending_ = false;
        const Rect& r = lastOut_.rect;
        size_t i = 0;
        for (int32_t y = r.top; y < r.bottom; ++y)
            for (int32_t x = r.left; x < r.right; ++x)
                for (int32_t k = 0; k < options_.planes; ++k)
                    output[Index(x, y, k)] = outBuffer_[i++];
    }

    // Delivers the rectangles the record names, each only when it changed.
    void Deliver()
    {
        const Area in{record.inRect, record.inputRate};
        const Area out{record.outRect, record.inputRate};
        if (!(out == lastOut_)) {
            WriteBack();
            lastOut_ = out;
            if (Empty(out.rect) || !Inside(out.rect, Step(out.rate))) {
                badRequests += !Empty(out.rect);
                outBuffer_.clear();
            } else {
                outBuffer_ = Copy(output, out.rect, Step(out.rate));
                largestOutput = std::max<int32_t>(largestOutput, (out.rect.bottom - out.rect.top) *
                                                                     (out.rect.right - out.rect.left));
                // A sampled output is a scratch copy, never written back.
                outPending_ = Step(out.rate) == 1;
            }
            record.outData = outBuffer_.empty() ? nullptr : outBuffer_.data();
            record.outRowBytes = (out.rect.right - out.rect.left) * options_.planes;
        }
        if (!(in == lastIn_)) {
            lastIn_ = in;
            if (Empty(in.rect) || !Inside(in.rect, Step(in.rate))) {
                badRequests += !Empty(in.rect);
                inBuffer_.clear();
            } else {
                inBuffer_ = Copy(input, in.rect, Step(in.rate));
                if (Step(in.rate) == 1)
                    for (int32_t y = in.rect.top; y < in.rect.bottom; ++y)
                        ++rowSends[size_t(y)];
                largestInput = std::max<int32_t>(largestInput, (in.rect.bottom - in.rect.top) *
                                                                   (in.rect.right - in.rect.left));
            }
            record.inData = inBuffer_.empty() ? nullptr : inBuffer_.data();
            record.inRowBytes = (in.rect.right - in.rect.left) * options_.planes;
        }
        if (Step(in.rate) == 1)
            largestHeld = std::max<int32_t>(largestHeld, int32_t(inBuffer_.size() + outBuffer_.size()));
    }

    OSErr AdvanceState()
    {
        ++advanceCalls;
        Deliver();
        return noErr;
    }

    // Draws the shown pixels at the destination as a bottom-up 24-bit DIB.
    static void Draw(const ShownMap& shown, int32_t colBytes, int32_t dstRow, int32_t dstCol, DeviceContext& dc)
    {
        DibBits dib{shown.width, shown.height, nullptr};
        std::vector<uint8_t> bits(size_t(dib.RowBytes()) * size_t(shown.height));
        for (int32_t y = 0; y < shown.height; ++y)
            for (int32_t x = 0; x < shown.width; ++x) {
                const uint8_t* p = &shown.pixels[size_t((y * shown.width + x) * colBytes)];
                uint8_t* q = &bits[size_t(shown.height - 1 - y) * size_t(dib.RowBytes()) + size_t(x) * 3];
                const bool grey = colBytes < 3;
                q[0] = p[grey ? 0 : 2];
                q[1] = p[grey ? 0 : 1];
                q[2] = p[0];
            }
        dib.bits = bits.data();
        dc.SetDIBitsToDevice(dstCol, dstRow, shown.width, shown.height, 0, 0, dib);
    }

    static OSErr Display(const PSPixelMap* map, const VRect* src, int32_t dstRow, int32_t dstCol, void* context)
    {
        ShownMap shown;
        shown.version = map->version;
        shown.width = src->right - src->left;
        shown.height = src->bottom - src->top;
        if (map->version >= 1) {
            void* const* masks = reinterpret_cast<void* const*>(reinterpret_cast<const uint8_t*>(map) +
                                                                sizeof(PSPixelMap) + sizeof(void*));
            shown.hasMasks = *masks != nullptr;
        }
        const auto* base = static_cast<const uint8_t*>(map->baseAddr);
        for (int32_t y = src->top; y < src->bottom; ++y)
            for (int32_t x = src->left; x < src->right; ++x)
                for (int32_t k = 0; k < map->colBytes; ++k)
                    shown.pixels.push_back(base[y * map->rowBytes + x * map->colBytes + k * map->planeBytes]);
        if (context && shown.width > 0 && shown.height > 0)
            Draw(shown, map->colBytes, dstRow, dstCol, *static_cast<DeviceContext*>(context));
        Active()->shown.push_back(std::move(shown));
        return noErr;
    }

    Options options_;
    platform::Module module_;
    PIFilterEntry entry_ = nullptr;
    Area lastIn_, lastOut_;
    std::vector<uint8_t> inBuffer_, outBuffer_;
    bool outPending_ = false;
    static inline ScriptedHost* active_ = nullptr;
};
