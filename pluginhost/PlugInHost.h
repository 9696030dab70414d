// Runs one catalogued filter plug-in at a time over the pictures a caller
// hands in as work areas: checks the picture type against the plug-in's
// modes, fills the filter record, calls the entry with the selectors of a
// run, moves pixel rectangles between the work areas and the plug-in's
// buffers, and answers the plug-in's callbacks. One host per process; its
// callbacks find it through Active().
#pragma once

#include "filters/sdk/PIFilter.h"
#include "pluginhost/PIHostTypes.h"
#include "pluginhost/PIWorkAreas.h"
#include "pluginhost/PlugInRecord.h"
#include "pluginhost/RowPrefetch.h"
#include "platform/Module.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class PlugInCatalogue;
class PlugInUi;

// Results of a run.
enum PlugInRunResult : int32_t {
    kRunDone = 0,
    kRunCancelled = 1,
    kRunFailed = 2,          // with a message id (LastError)
    kRunNotFound = 3,        // module, entry or record not found
    kRunUnsupported = 4,     // picture type or mode not supported
    kRunNoMemory = 5,
    kRunNoWorkArea = 6,      // destination or source missing
    kRunNoEntry = 7,
};

class PlugInHost {
public:
    PlugInHost(PlugInCatalogue& catalogue, PlugInUi& ui);
    ~PlugInHost();
    PlugInHost(const PlugInHost&) = delete;
    PlugInHost& operator=(const PlugInHost&) = delete;

    // The host whose run (or about box) is under way; null between runs.
    static PlugInHost* Active();

    // Makes this the host the callbacks serve.
    void InstallCallbacks();

    // Loads the module (keeping the one loaded when it is the same) and
    // resolves the entry and, when named, the about entry.
    int32_t LoadModule(const char* path, const char* entry, const char* aboutEntry);
    PIFilterEntry Entry() const { return entry_; }
    PIFilterEntry AboutEntry() const { return aboutEntry_; }

    // Takes the work areas and the caller's functions for the next run.
    // mask may be null (no selection); offset y is the distance from the
    // picture's bottom edge to the mask's.
    int32_t BeginRun(void* window, uint32_t background, uint32_t foreground, CAbstractReadWA_Ex* destination,
                     CAbstractWriteWA_Ex* source, int32_t offsetX, int32_t offsetY, CAbstractWriteWA_Ex* mask,
                     PIProgressFunction progress, PIDisplayFunction display, int32_t* withinSelection);

    // One run of an entry. *askParameters 1 starts with the Parameters
    // selector and is 0 afterwards. *parameters and *data are the plug-in's
    // parameter handle and data value, updated by the run; changed (may be
    // null) receives the union of the rectangles written.
    int32_t Run(int32_t* askParameters, PIFilterEntry entry, uint16_t modes, const PlugInFilterCase* filterCases,
                Handle* parameters, intptr_t* data, PIRECT* changed);

    // The run behind PIExecutePlugin: a catalogued plug-in by id, with the
    // handles the catalogue kept from its last run.
    int32_t ExecuteById(void* window, uint32_t id, int32_t askParameters, uint32_t background, uint32_t foreground,
                        CAbstractReadWA_Ex* destination, CAbstractWriteWA_Ex* source, int32_t offsetX,
                        int32_t offsetY, CAbstractWriteWA_Ex* mask, PIProgressFunction progress,
                        PIDisplayFunction display, int32_t* withinSelection);

    // The about box of a catalogued plug-in.
    int32_t About(void* window, uint32_t id);

    // Message id of the last failure (FxgateStrings.h), 0 when none.
    int32_t LastError() const { return lastError_; }
    const FilterRecord& Record() const { return record_; }

    // ---- Callbacks (PlugInHostCallbacks.cpp); each answers as the
    // interface defines and never throws.
    void Progress(int32_t done, int32_t total);
    uint8_t TestAbort() const { return cancel_ ? 1 : 0; }
    OSErr AdvanceState();
    OSErr DisplayPixels(const PSPixelMap* source, const VRect* srcRect, int32_t dstRow, int32_t dstCol,
                        void* platformContext);
    OSErr ColorServices(ColorServicesInfo* info);
    OSErr GetProperty(OSType signature, OSType key, int32_t index, int32_t* simpleProperty, Handle* complexProperty);

private:
    // A rectangle of the record with its planes and sampling rate, as last
    // fetched into a buffer.
    struct Area {
        Rect rect{};
        int16_t loPlane = 0;
        int16_t hiPlane = 0;
        Fixed rate = 0;
        bool operator==(const Area&) const;
    };
    enum class Fetch { Input, Output, Mask };

    // The callbacks and suites of the record (PlugInHostCallbacks.cpp).
    void InstallCallbackFields();
    int32_t SetUp(int32_t askParameters, uint16_t modes);
    int32_t SetUpSource(uint16_t modes);
    int32_t SetUpMask();
    void FillRecord();
    int32_t RunLoop();
    // Calls the entry and maps its result; parameters go in and out of the
    // record around the call.
    int32_t Call(int16_t selector);
    int32_t MapResult(int16_t result);
    int32_t Fail(int32_t result, int32_t messageId);
    void ReleaseBuffers();

    // ---- Pixel transfer (PlugInHostTransfer.cpp)
    Area RequestedArea(Fetch kind) const;
    // Fetches an area when the record names another one than last time.
    int32_t FetchIfChanged(Fetch kind);
    // Reads a row of n pixels from column x of work-area row y (counted
    // from the bottom); nonzero or no pixels is a failure.
    using ReadRow = std::function<int32_t(int32_t x, int32_t y, int32_t n, const uint8_t*& pixels)>;
    // The planes of area, every step-th pixel, into a buffer that the
    // record's data pointer and row bytes then describe; an empty area
    // leaves no buffer.
    int32_t CopyPlanes(const Area& area, int32_t step, RowPrefetch& rows, const ReadRow& read,
                       std::vector<uint8_t>& into, void*& data, int32_t& rowBytes);
    int32_t FetchInput(const Area& area);
    int32_t FetchOutput(const Area& area);
    int32_t FetchMask(const Area& area);
    // Writes the output buffer back over the area it was fetched from, once.
    int32_t WritePendingOutput();
    bool ValidArea(const Area& area, int32_t planes) const;

    PlugInCatalogue& catalogue_;
    PlugInUi& ui_;

    // The module kept loaded between runs and its entries.
    platform::Module module_;
    PIFilterEntry entry_ = nullptr;
    PIFilterEntry aboutEntry_ = nullptr;
    // The entry of the run under way (of module_, or of a module the
    // caller holds).
    PIFilterEntry runEntry_ = nullptr;

    // The run of PIExecutePlugin: the record's id and the handle variables.
    uint32_t executedId_ = 0;
    Handle heldParameters_ = nullptr;
    intptr_t heldData_ = 0;

    // The work areas of the run.
    CAbstractReadWA_Ex* destination_ = nullptr;
    CAbstractWriteWA_Ex* source_ = nullptr;
    CAbstractWriteWA_Ex* mask_ = nullptr;
    int32_t maskOffsetX_ = 0;
    int32_t maskOffsetY_ = 0;
    PIRECT* changed_ = nullptr;
    int32_t* withinSelection_ = nullptr;

    int32_t lastError_ = 0;
    bool cancel_ = false;
    uint32_t foreground_ = 0;
    uint32_t background_ = 0;
    bool progressStarted_ = false;
    bool choosingColour_ = false;
    PIProgressFunction progress_ = nullptr;
    PIDisplayFunction display_ = nullptr;
    void* window_ = nullptr;

    AboutRecord aboutRecord_{};
    FilterRecord record_{};
    Handle* parameters_ = nullptr;
    intptr_t* data_ = nullptr;

    // The picture of the run.
    int32_t type_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t planes_ = 0;
    int32_t maskType_ = 0;
    int32_t maskWidth_ = 0;
    int32_t maskHeight_ = 0;

    // The areas last fetched and their buffers; the output buffer is
    // pending until written back.
    Area lastInput_, lastOutput_, lastMask_;
    std::vector<uint8_t> input_, output_, maskBuffer_, rowScratch_;
    RowPrefetch sourceRows_, destinationRows_;
    bool outputPending_ = false;

    BufferProcs bufferProcs_{};
    HandleProcs handleProcs_{};
    ImageServicesProcs imageServicesProcs_{};
    PropertyProcs propertyProcs_{};
};
