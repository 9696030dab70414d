// The callbacks and suites the host puts into the filter record. They are
// plain C functions that find the host through PlugInHost::Active(); none
// lets an exception out to the module.
#include "base/QnPhysicalMemory.h"
#include "filters/sdk/PIHandles.h"
#include "pluginhost/FxgateStrings.h"
#include "pluginhost/PlugInHost.h"
#include "pluginhost/PlugInUi.h"

#include <algorithm>
#include <climits>

namespace {

constexpr OSType k8BIM = PI_FOURCC('8', 'B', 'I', 'M');

uint8_t HostTestAbort()
{
    const PlugInHost* host = PlugInHost::Active();
    return host ? host->TestAbort() : 1;
}

void HostProgress(int32_t done, int32_t total)
{
    if (PlugInHost* host = PlugInHost::Active())
        host->Progress(done, total);
}

void HostProcStub(int16_t, int32_t*) {}

OSErr HostAdvanceState()
{
    PlugInHost* host = PlugInHost::Active();
    return host ? host->AdvanceState() : OSErr{memFullErr};
}

OSErr HostDisplayPixels(const PSPixelMap* source, const VRect* srcRect, int32_t dstRow, int32_t dstCol,
                        void* platformContext)
{
    PlugInHost* host = PlugInHost::Active();
    return host ? host->DisplayPixels(source, srcRect, dstRow, dstCol, platformContext) : OSErr{memFullErr};
}

OSErr HostColorServices(ColorServicesInfo* info)
{
    if (!info)
        return paramErr;
    PlugInHost* host = PlugInHost::Active();
    return host ? host->ColorServices(info) : OSErr{memFullErr};
}

OSErr HostGetProperty(OSType signature, OSType key, int32_t index, int32_t* simpleProperty, Handle* complexProperty)
{
    PlugInHost* host = PlugInHost::Active();
    return host ? host->GetProperty(signature, key, index, simpleProperty, complexProperty) : OSErr{memFullErr};
}

OSErr HostSetProperty(OSType signature, OSType key, int32_t, int32_t, Handle)
{
    if (signature != k8BIM)
        return paramErr;
    switch (key) {
    case PI_FOURCC('U', 'R', 'L', ' '):
    case PI_FOURCC('b', 'n', 'd', 'H'):
    case PI_FOURCC('b', 'n', 'd', 'V'):
    case PI_FOURCC('c', 'a', 'p', 't'):
    case PI_FOURCC('c', 'p', 'y', 'r'):
    case PI_FOURCC('g', 'r', 'm', 'j'):
    case PI_FOURCC('g', 'r', 'm', 'n'):
    case PI_FOURCC('r', 'o', 'r', 'H'):
    case PI_FOURCC('r', 'o', 'r', 'V'):
    case PI_FOURCC('w', 't', 'c', 'h'): return noErr;
    default: return paramErr;
    }
}

// Buffer suite: plain blocks of the shared allocator.
OSErr BufferAllocate(int32_t size, BufferID* bufferID)
{
    if (!bufferID)
        return paramErr;
    *bufferID = nullptr;
    *bufferID = NewHostBlock(size);
    return *bufferID ? OSErr{noErr} : OSErr{memFullErr};
}

void* BufferLock(BufferID bufferID, uint8_t) { return bufferID; }
void BufferUnlock(BufferID) {}
void BufferFree(BufferID bufferID) { FreeHostBlock(bufferID); }

int32_t BufferSpace()
{
    return static_cast<int32_t>(std::min<uint64_t>(QnGetPhysicalMemoryAvailable64(), INT32_MAX));
}

// Handle suite: 'FOTO' handles of the shared allocator.
Handle HandleNew(int32_t size) { return NewHostHandle(size); }
void HandleDispose(Handle h) { FreeHostHandle(h); }
int32_t HandleGetSize(Handle h) { return GetHostHandleSize(h); }
OSErr HandleSetSize(Handle h, int32_t size) { return SetHostHandleSize(h, size); }
void* HandleLock(Handle h, uint8_t) { return LockHostHandle(h); }
void HandleUnlock(Handle) {}
void HandleRecoverSpace(int32_t) {}

OSErr Interpolate(PSImagePlane*, PSImagePlane*, Rect*, Fixed*, int16_t) { return noErr; }

} // namespace

void PlugInHost::InstallCallbackFields()
{
    bufferProcs_ = BufferProcs{kCurrentBufferProcsVersion, kCurrentBufferProcsCount, BufferAllocate, BufferLock,
                               BufferUnlock, BufferFree, BufferSpace};
    handleProcs_ = HandleProcs{kCurrentHandleProcsVersion, kCurrentHandleProcsCount, HandleNew, HandleDispose,
                               HandleGetSize, HandleSetSize, HandleLock, HandleUnlock, HandleRecoverSpace};
    imageServicesProcs_ =
        ImageServicesProcs{kCurrentImageServicesProcsVersion, kCurrentImageServicesProcsCount, Interpolate, Interpolate};
    propertyProcs_ =
        PropertyProcs{kCurrentPropertyProcsVersion, kCurrentPropertyProcsCount, HostGetProperty, HostSetProperty};

    record_.abortProc = HostTestAbort;
    record_.progressProc = HostProgress;
    record_.hostProc = HostProcStub;
    record_.platformData = &window_;
    record_.hostSig = PI_HOST_SIG_FXGATE;
    record_.displayPixels = HostDisplayPixels;
    record_.advanceState = HostAdvanceState;
    record_.colorServices = HostColorServices;
    record_.getPropertyObsolete = HostGetProperty;
    record_.bufferProcs = &bufferProcs_;
    record_.handleProcs = &handleProcs_;
    record_.imageServicesProcs = &imageServicesProcs_;
    record_.propertyProcs = &propertyProcs_;
    record_.samplingSupport = 1;
}

void PlugInHost::Progress(int32_t done, int32_t total)
{
    if (!progress_)
        return;
    int32_t answer = 0;
    try {
        if (!progressStarted_) {
            progressStarted_ = true;
            answer = progress_(0, 0, 100);
        } else {
            answer = progress_(1, done, total);
        }
    } catch (...) {
        answer = 1; // a progress display that fails stops the run
    }
    if (answer != 0)
        cancel_ = true;
}

OSErr PlugInHost::AdvanceState()
{
    try {
        int32_t result = kRunDone;
        if (outputPending_ && !(RequestedArea(Fetch::Output) == lastOutput_))
            result = WritePendingOutput();
        if (result == kRunDone)
            result = FetchIfChanged(Fetch::Input);
        if (result == kRunDone)
            result = FetchIfChanged(Fetch::Mask);
        if (result == kRunDone)
            result = FetchIfChanged(Fetch::Output);
        if (result == kRunDone)
            return noErr;
        // A rectangle outside the picture is the module's mistake, not memory.
        return result == kRunFailed && lastError_ == IDS_PI_BAD_INTERFACE ? OSErr{filterBadParameters} : OSErr{memFullErr};
    } catch (...) {
        return memFullErr;
    }
}

OSErr PlugInHost::DisplayPixels(const PSPixelMap* source, const VRect* srcRect, int32_t dstRow, int32_t dstCol,
                                void* platformContext)
{
    if (!source || !source->baseAddr)
        return noErr;
    const int32_t mode = source->imageMode;
    const bool agrees = (type_ == 8 && (mode & 1)) || (type_ == 16 && (mode & 3)) ||
                        ((type_ == 1 || type_ == 2 || type_ == 4) && (mode & 2));
    if (!agrees || (mode != plugInModeGrayScale && mode != plugInModeRGBColor) || !display_)
        return noErr;
    // Only a rectangle within the pixel map is shown.
    const VRect bounds = source->bounds;
    const VRect shown = srcRect ? *srcRect : bounds;
    if (shown.top < bounds.top || shown.left < bounds.left || shown.bottom > bounds.bottom ||
        shown.right > bounds.right || shown.top >= shown.bottom || shown.left >= shown.right)
        return noErr;
    tagPIPIXELMAP map{};
    map.depth = mode == plugInModeGrayScale ? 8 : 16;
    map.left = shown.left;
    map.top = shown.top;
    map.right = shown.right;
    map.bottom = shown.bottom;
    map.dstRow = dstRow;
    map.dstColumn = dstCol;
    map.rowBytes = source->rowBytes;
    map.colBytes = source->colBytes;
    map.planeBytes = source->planeBytes;
    map.base = static_cast<const uint8_t*>(source->baseAddr) +
               int64_t{shown.top - bounds.top} * source->rowBytes + int64_t{shown.left - bounds.left} * source->colBytes;
    map.platformContext = platformContext;
    try {
        display_(&map);
    } catch (...) {
    }
    return noErr;
}

OSErr PlugInHost::ColorServices(ColorServicesInfo* info)
{
    if (info->selector < plugIncolorServicesChooseColor || info->selector > plugIncolorServicesGetSpecialColor)
        return paramErr;
    auto fill = [&](uint32_t colour, bool rgbOnly) {
        if (info->resultSpace == plugIncolorServicesGraySpace) {
            info->colorComponents[0] = PIRed(colour);
        } else if (!rgbOnly || info->resultSpace == plugIncolorServicesRGBSpace) {
            info->colorComponents[0] = PIRed(colour);
            info->colorComponents[1] = PIGreen(colour);
            info->colorComponents[2] = PIBlue(colour);
        }
    };
    if (info->selector == plugIncolorServicesChooseColor) {
        if (choosingColour_)
            return noErr;
        choosingColour_ = true;
        uint32_t chosen = background_;
        bool picked = false;
        try {
            picked = ui_.ChooseColour(window_, background_, chosen);
        } catch (...) {
            picked = false;
        }
        choosingColour_ = false;
        fill(picked ? chosen : background_, false);
        return picked ? noErr : userCanceledErr;
    }
    if (info->selector == plugIncolorServicesGetSpecialColor)
        fill(info->selectorParameter.specialColorID == plugIncolorServicesForegroundColor ? foreground_ : background_,
             true);
    return noErr;
}

OSErr PlugInHost::GetProperty(OSType signature, OSType key, int32_t, int32_t* simpleProperty, Handle*)
{
    if (signature != k8BIM)
        return paramErr;
    int32_t value = 0;
    switch (key) {
    case PI_FOURCC('b', 'n', 'd', 'H'):
    case PI_FOURCC('b', 'n', 'd', 'V'): value = 0x000A000A; break;
    case PI_FOURCC('c', 'l', 'p', 'a'):
    case PI_FOURCC('t', 'g', 'p', 'a'):
    case PI_FOURCC('w', 'k', 'p', 'a'): value = -1; break;
    case PI_FOURCC('c', 'p', 'y', 'r'):
    case PI_FOURCC('n', 'u', 'p', 'a'):
    case PI_FOURCC('w', 't', 'c', 'h'):
    case PI_FOURCC('r', 'u', 'l', 'r'): value = 0; break;
    case PI_FOURCC('g', 'r', 'm', 'j'):
    case PI_FOURCC('r', 'o', 'r', 'H'):
    case PI_FOURCC('r', 'o', 'r', 'V'): value = 0x00100010; break;
    case PI_FOURCC('g', 'r', 'm', 'n'): value = 1; break;
    case PI_FOURCC('i', 'n', 't', 'p'): value = 1; break;
    case PI_FOURCC('m', 'o', 'd', 'e'): value = record_.imageMode; break;
    case PI_FOURCC('n', 'u', 'c', 'h'):
        value = type_ == 16 ? 3 : (type_ == 1 || type_ == 2 || type_ == 4 || type_ == 8) ? 1 : 0;
        break;
    case PI_FOURCC('U', 'R', 'L', ' '):
    case PI_FOURCC('c', 'a', 'p', 't'):
    case PI_FOURCC('h', 'g', 'a', 'm'):
    case PI_FOURCC('i', 'c', 'l', 'r'):
    case PI_FOURCC('n', 'm', 'c', 'h'):
    case PI_FOURCC('n', 'm', 'p', 'a'):
    case PI_FOURCC('p', 'a', 't', 'h'):
    case PI_FOURCC('s', 's', 't', 'r'):
    case PI_FOURCC('t', 'i', 't', 'l'): return noErr;
    default: return paramErr;
    }
    if (simpleProperty)
        *simpleProperty = value;
    return noErr;
}
