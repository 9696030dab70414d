// The run of a plug-in: set-up, the selector sequence and the mapping of
// the module's result codes.
#include "pluginhost/PlugInHost.h"

#include "filters/sdk/PIHandles.h"
#include "pluginhost/FixedString.h"
#include "pluginhost/FxgateStrings.h"
#include "pluginhost/PlugInCatalogue.h"
#include "pluginhost/PlugInUi.h"
#include "pluginhost/WaitCursor.h"

#include <algorithm>
#include <climits>
#include <new>
#include <type_traits>

namespace {

PlugInHost* activeHost = nullptr;

// Record coordinates are 16-bit.
constexpr int32_t kMaxPictureSide = 32767;

int32_t BitsPerPixel(int32_t type)
{
    switch (type) {
    case 1: return 1;
    case 2: return 4;
    case 16: return 24;
    default: return 8;
    }
}

bool TypeSupportedByModes(int32_t type, uint16_t modes)
{
    switch (type) {
    case 1:
    case 2:
    case 4: return (modes & (supportsIndexedColor | supportsBitmap)) != 0;
    case 8: return (modes & supportsGrayScale) != 0;
    case 16: return (modes & supportsRGBColor) != 0;
    default: return false;
    }
}

RGBColor ToRGBColor(uint32_t colour) { return RGBColor{PIRed(colour), PIGreen(colour), PIBlue(colour)}; }

void ToFilterColor(uint32_t colour, FilterColor out)
{
    out[0] = PIRed(colour);
    out[1] = PIGreen(colour);
    out[2] = PIBlue(colour);
    out[3] = 0;
}

} // namespace

bool PlugInHost::Area::operator==(const Area& other) const
{
    return rect.top == other.rect.top && rect.left == other.rect.left && rect.bottom == other.rect.bottom &&
           rect.right == other.rect.right && loPlane == other.loPlane && hiPlane == other.hiPlane &&
           rate == other.rate;
}

PlugInHost::PlugInHost(PlugInCatalogue& catalogue, PlugInUi& ui) : catalogue_(catalogue), ui_(ui) {}

PlugInHost::~PlugInHost()
{
    if (activeHost == this)
        activeHost = nullptr;
    FreeHostHandle(heldParameters_);
    FreeHostHandle(reinterpret_cast<Handle>(heldData_));
}

PlugInHost* PlugInHost::Active() { return activeHost; }

void PlugInHost::InstallCallbacks() { activeHost = this; }

int32_t PlugInHost::Fail(int32_t result, int32_t messageId)
{
    lastError_ = messageId;
    return result;
}

int32_t PlugInHost::LoadModule(const char* path, const char* entry, const char* aboutEntry)
{
    if (!path || !entry)
        return Fail(kRunNotFound, IDS_PI_TOOL_ERROR);
    if (!module_.IsLoaded() || module_.Path() != path) {
        platform::Module next;
        if (!next.Load(path))
            return Fail(kRunNotFound, IDS_PI_TOOL_ERROR);
        module_ = std::move(next);
    }
    entry_ = module_.Entry<std::remove_pointer_t<PIFilterEntry>>(entry);
    aboutEntry_ = aboutEntry && *aboutEntry ? module_.Entry<std::remove_pointer_t<PIFilterEntry>>(aboutEntry)
                                            : nullptr;
    if (!entry_)
        return Fail(kRunNotFound, IDS_PI_TOOL_ERROR);
    return kRunDone;
}

int32_t PlugInHost::BeginRun(void* window, uint32_t background, uint32_t foreground, CAbstractReadWA_Ex* destination,
                             CAbstractWriteWA_Ex* source, int32_t offsetX, int32_t offsetY,
                             CAbstractWriteWA_Ex* mask, PIProgressFunction progress, PIDisplayFunction display,
                             int32_t* withinSelection)
{
    if (!destination || !source)
        return kRunNoWorkArea;
    activeHost = this;
    window_ = window;
    background_ = background;
    foreground_ = foreground;
    destination_ = destination;
    source_ = source;
    mask_ = mask;
    maskOffsetX_ = offsetX;
    maskOffsetY_ = offsetY;
    progress_ = progress;
    display_ = display;
    withinSelection_ = withinSelection;
    cancel_ = false;
    lastError_ = 0;
    lastInput_ = lastOutput_ = lastMask_ = Area{};
    outputPending_ = false;
    return kRunDone;
}

int32_t PlugInHost::Run(int32_t* askParameters, PIFilterEntry entry, uint16_t modes,
                        const PlugInFilterCase* filterCases, Handle* parameters, intptr_t* data, PIRECT* changed)
{
    progressStarted_ = false;
    const int32_t ask = askParameters ? *askParameters : 0;
    runEntry_ = entry;
    changed_ = changed;
    if (changed_)
        *changed_ = PIRECT{0, 0, 0, 0};
    if (!runEntry_)
        return kRunNoEntry;
    if (!destination_ || !source_)
        return kRunNoWorkArea;

    Handle noParameters = nullptr;
    intptr_t noData = 0;
    parameters_ = parameters ? parameters : &noParameters;
    data_ = data ? data : &noData;

    int32_t within = 1;
    for (int32_t i = 0; filterCases && i < kFilterCaseCount; ++i)
        if (filterCases[i].flags1 & kFilterCaseWritesOutsideSelection)
            within = 0;
    if (withinSelection_)
        *withinSelection_ = within;

    int32_t result = SetUp(ask, modes);
    if (result == kRunDone)
        result = RunLoop();

    try {
        if (progressStarted_ && progress_ && progress_(2, 100, 100) != 0)
            cancel_ = true;
    } catch (...) {
        cancel_ = true;
    }
    ReleaseBuffers();
    if (askParameters && *askParameters == 1)
        *askParameters = 0;
    parameters_ = nullptr;
    data_ = nullptr;
    runEntry_ = nullptr;
    return result;
}

int32_t PlugInHost::SetUpSource(uint16_t modes)
{
    int32_t images = 0, pages = 0, xRes = 0, yRes = 0;
    if (source_->GetImageCount(images) || source_->GetPageCount(0, pages) || source_->GetType(0, 0, type_) ||
        source_->GetSize(0, 0, width_, height_) || source_->GetResolution(0, 0, xRes, yRes))
        return Fail(kRunFailed, IDS_PI_TOOL_ERROR);
    if (!TypeSupportedByModes(type_, modes))
        return Fail(kRunUnsupported, IDS_PI_BAD_MODE);
    // Only grey and colour pictures have pixel routines; the record's
    // coordinates are 16-bit.
    if ((type_ != 8 && type_ != 16) || width_ < 1 || height_ < 1 || width_ > kMaxPictureSide ||
        height_ > kMaxPictureSide)
        return Fail(kRunUnsupported, IDS_PI_BAD_MODE);
    planes_ = type_ == 16 ? 3 : 1;
    if (destination_->SetImageCount(images) || destination_->SetPageCount(0, pages) ||
        destination_->SetType(0, 0, type_) || destination_->SetSize(0, 0, width_, height_) ||
        destination_->SetResolution(0, 0, xRes, yRes))
        return Fail(kRunFailed, IDS_PI_TOOL_ERROR);
    return kRunDone;
}

int32_t PlugInHost::SetUpMask()
{
    if (!mask_) {
        maskType_ = 0;
        return kRunDone;
    }
    int32_t images = 0, pages = 0;
    if (mask_->GetImageCount(images) || mask_->GetPageCount(0, pages) || mask_->GetType(0, 0, maskType_) ||
        mask_->GetSize(0, 0, maskWidth_, maskHeight_))
        return Fail(kRunFailed, IDS_PI_TOOL_ERROR);
    if (maskType_ != 1 && maskType_ != 8)
        return Fail(kRunUnsupported, IDS_PI_TOOL_ERROR);
    return kRunDone;
}

void PlugInHost::FillRecord()
{
    // A fresh record for every run: nothing a module left in the last one
    // carries over.
    record_ = FilterRecord{};
    InstallCallbackFields();

    record_.imageMode = type_ == 8 ? plugInModeGrayScale : plugInModeRGBColor;
    record_.planes = static_cast<int16_t>(planes_);
    record_.imageSize = Point{static_cast<int16_t>(height_), static_cast<int16_t>(width_)};
    record_.wholeSize = record_.imageSize;
    const int64_t rowBytes = (int64_t{BitsPerPixel(type_)} * width_ + 31) / 32 * 4;
    record_.maxSpace = static_cast<int32_t>(std::min<int64_t>(rowBytes * height_, INT32_MAX));

    // The RGB colours are the colours themselves; the colours in the
    // picture's own mode give a grey picture the grey in the first byte.
    uint32_t background = background_;
    uint32_t foreground = foreground_;
    if (type_ == 8) {
        background = (PIRed(background) + PIGreen(background) + PIBlue(background)) / 3;
        foreground = (PIRed(foreground) + PIGreen(foreground) + PIBlue(foreground)) / 3;
    }
    record_.background = ToRGBColor(background_);
    record_.foreground = ToRGBColor(foreground_);
    ToFilterColor(background, record_.backColor);
    ToFilterColor(foreground, record_.foreColor);

    const bool within = withinSelection_ ? *withinSelection_ != 0 : true;
    Rect filter{0, 0, static_cast<int16_t>(height_), static_cast<int16_t>(width_)};
    if (mask_ && within) {
        // The mask's rectangle, clipped to the picture.
        const int64_t bottom = int64_t{height_} - maskOffsetY_;
        const int64_t top = bottom - maskHeight_;
        const int64_t left = maskOffsetX_;
        const int64_t right = left + maskWidth_;
        auto clip = [](int64_t v, int32_t hi) { return static_cast<int16_t>(std::clamp<int64_t>(v, 0, hi)); };
        filter = Rect{clip(top, height_), clip(left, width_), clip(bottom, height_), clip(right, width_)};
    }
    record_.filterRect = filter;
    record_.haveMask = mask_ ? 1 : 0;
    record_.autoMask = within ? 1 : 0;
    record_.filterCase = 2;
    record_.parameters = *parameters_;
}

int32_t PlugInHost::SetUp(int32_t askParameters, uint16_t modes)
{
    int32_t result = SetUpSource(modes);
    if (result != kRunDone)
        return result;
    {
        WaitCursor wait(ui_);
        try {
            rowScratch_.assign(static_cast<size_t>(width_) * static_cast<size_t>(planes_), 0);
        } catch (const std::bad_alloc&) {
            return Fail(kRunNoMemory, IDS_PI_OUT_OF_MEMORY);
        }
        result = SetUpMask();
        if (result != kRunDone)
            return result;
        FillRecord();
    }
    if (askParameters == 0)
        return kRunDone;
    return Call(filterSelectorParameters);
}

int32_t PlugInHost::RunLoop()
{
    int32_t result = Call(filterSelectorPrepare);
    if (result != kRunDone)
        return result;
    if (!record_.autoMask && withinSelection_)
        *withinSelection_ = 0;
    result = Call(filterSelectorStart);
    if (result != kRunDone)
        return result;

    auto empty = [](const Rect& r) { return r.top >= r.bottom || r.left >= r.right; };
    while (!empty(record_.inRect) || !empty(record_.outRect) || !empty(record_.maskRect)) {
        result = FetchIfChanged(Fetch::Input);
        if (result == kRunDone)
            result = FetchIfChanged(Fetch::Output);
        if (result == kRunDone)
            result = FetchIfChanged(Fetch::Mask);
        if (result == kRunDone)
            result = Call(filterSelectorContinue);
        if (result == kRunDone && !(RequestedArea(Fetch::Output) == lastOutput_))
            result = WritePendingOutput();
        if (result != kRunDone) {
            Call(filterSelectorFinish);
            return result;
        }
    }
    result = WritePendingOutput();
    const int32_t finish = Call(filterSelectorFinish);
    return result != kRunDone ? result : finish;
}

int32_t PlugInHost::Call(int16_t selector)
{
    record_.parameters = *parameters_;
    int16_t result = noErr;
    bool threw = false;
    try {
        runEntry_(selector, &record_, data_, &result);
    } catch (...) {
        // A module's exception stops at the interface like any other failure.
        threw = true;
    }
    *parameters_ = record_.parameters;
    if (threw)
        return Fail(kRunFailed, IDS_PI_INTERNAL_ERROR);
    const int32_t mapped = MapResult(result);
    // The user asked to stop, and the module carried on regardless.
    if (mapped == kRunDone && cancel_ && selector >= filterSelectorStart && selector != filterSelectorFinish)
        return kRunCancelled;
    return mapped;
}

int32_t PlugInHost::MapResult(int16_t result)
{
    if (result == noErr)
        return kRunDone;
    if (result == userCanceledErr || result > 0)
        return kRunCancelled;
    switch (result) {
    case errPlugInHostInsufficient: return Fail(kRunFailed, IDS_PI_HOST_INSUFFICIENT);
    case filterBadMode: return Fail(kRunFailed, IDS_PI_BAD_MODE);
    case filterBadParameters: return Fail(kRunFailed, IDS_PI_BAD_INTERFACE);
    case memFullErr:
    case nilHandleErr:
    case memWZErr: return Fail(kRunFailed, IDS_PI_OUT_OF_MEMORY);
    case eofErr: return Fail(kRunFailed, IDS_PI_END_OF_FILE);
    case ioErr: return Fail(kRunFailed, IDS_PI_IO_ERROR);
    case dskFulErr: return Fail(kRunFailed, IDS_PI_DISK_FULL);
    case writErr: return Fail(kRunFailed, IDS_PI_WRITE_ERROR);
    case readErr: return Fail(kRunFailed, IDS_PI_READ_ERROR);
    default: return Fail(kRunFailed, IDS_PI_INTERNAL_ERROR);
    }
}

void PlugInHost::ReleaseBuffers()
{
    std::vector<uint8_t>().swap(input_);
    std::vector<uint8_t>().swap(output_);
    std::vector<uint8_t>().swap(maskBuffer_);
    std::vector<uint8_t>().swap(rowScratch_);
    record_.inData = record_.outData = record_.maskData = nullptr;
}
