#include "filters/edges/EdgesDispatch.h"

#include "filters/edges/EdgeStyleRun.h"
#include "filters/edges/EdgesBlend.h"
#include "filters/edges/EdgesParams.h"
#include "filters/edges/ModuleMasks.h"
#include "filters/edges/Thumbnail.h"
#include "filters/frame/FrameUi.h"
#include "filters/frame/PluginHandle.h"
#include "filters/sdk/PIHandles.h"
#include "framework/MessageBox.h"

#include <QApplication>
#include <memory>
#include <new>
#include <optional>

namespace {

// The run under way: a module serves one run at a time, and what it holds
// between Continue calls is its own memory, never the host's block.
struct EdgesRun {
    bool started = false;
    EdgesColour colour;
    uint32_t packedColour = 0;
    const EdgeMask* mask = nullptr;
    std::optional<EdgeMask> blurred;
    std::unique_ptr<Thumbnail> thumbnail;

    void Free()
    {
        mask = nullptr;
        blurred.reset();
        thumbnail.reset();
    }
};

EdgesRun& Run()
{
    static EdgesRun run;
    return run;
}

constexpr Rect kEmpty{0, 0, 0, 0};

int32_t Width(const Rect& r) { return r.right - r.left; }
int32_t Height(const Rect& r) { return r.bottom - r.top; }

void AskRow(FilterRecord& record, int32_t row)
{
    const Rect& f = record.filterRect;
    record.inRect = record.outRect = Rect{int16_t(f.top + row), f.left, int16_t(f.top + row + 1), f.right};
    record.inLoPlane = record.outLoPlane = 0;
    record.inHiPlane = record.outHiPlane = int16_t(record.planes - 1);
}

void AskNothing(FilterRecord& record) { record.inRect = record.outRect = record.maskRect = kEmpty; }

int32_t Parameters(FilterRecord& record)
{
    Handle h = record.parameters;
    if (!h) {
        h = NewPluginHandle(sizeof(EdgesParams));
        if (!h)
            return memFullErr;
        record.parameters = h;
    } else if (!IsValidHostHandle(h)) {
        return filterBadParameters; // not a handle of ours: nothing of it may be written
    } else if (GetHostHandleSize(h) < int32_t(sizeof(EdgesParams)) &&
               SetHostHandleSize(h, sizeof(EdgesParams)) != noErr) {
        return memFullErr;
    }
    EdgesParams params{};
    params.showDialog = 1;
    *static_cast<EdgesParams*>(h->data) = params;
    return 0;
}

// The block of the run; a host that skipped Parameters on a first run gets
// the dialog. Null, with the reason in error, when the handle cannot hold it.
EdgesParams* Block(FilterRecord& record, int32_t& error)
{
    error = 0;
    if (!record.parameters && (error = Parameters(record)) != 0)
        return nullptr;
    if (!IsValidHostHandle(record.parameters) ||
        GetHostHandleSize(record.parameters) < int32_t(sizeof(EdgesParams))) {
        error = filterBadParameters;
        return nullptr;
    }
    return static_cast<EdgesParams*>(record.parameters->data);
}

int32_t LoadMask(const EdgesParams& params)
{
    EdgesRun& run = Run();
    run.mask = ModuleMask(params.mask);
    if (!run.mask)
        return filterBadParameters;
    if (params.shadow >= 1 && params.shadow <= 4)
        run.blurred = run.mask->Blurred();
    else
        run.blurred.reset();
    return 0;
}

int32_t Start(FilterRecord& record)
{
    EdgesRun& run = Run();
    run.Free();
    run.started = false;
    if (record.planes != 1 && record.planes != 3)
        return filterBadMode;
    int32_t error = 0;
    EdgesParams* params = Block(record, error);
    if (!params)
        return error;
    run.colour = ColourOf(record.background, record.planes);
    run.packedColour = PackedColour(record.background);
    params->rowCounter = 0;
    const Rect& f = record.filterRect;
    if (Width(f) <= 0 || Height(f) <= 0) {
        AskNothing(record); // nothing to filter
        return 0;
    }
    AskRow(record, 0);
    if (params->showDialog)
        run.thumbnail = std::make_unique<Thumbnail>(Width(f), Height(f), record.planes);
    run.started = true;
    return 0;
}

// One row of the thumbnail; the last one opens the dialog.
int32_t ThumbnailRow(FilterRecord& record, EdgesParams& params)
{
    EdgesRun& run = Run();
    const Rect& f = record.filterRect;
    const int32_t fh = Height(f);
    if (!run.thumbnail)
        run.thumbnail = std::make_unique<Thumbnail>(Width(f), fh, record.planes);
    if (!record.inData)
        return filterBadParameters;
    const int32_t r = params.rowCounter++;
    // The last row is copied too, or its thumbnail rows would stay empty.
    run.thumbnail->CopyRow(r, static_cast<const uint8_t*>(record.inData));
    if (params.rowCounter < fh) {
        AskRow(record, params.rowCounter);
        return 0;
    }
    int32_t mask = 0, shadow = 0;
    const bool ok = RunEdgeStyleDialog(*run.thumbnail, run.packedColour, mask, shadow);
    run.thumbnail.reset();
    if (!ok) {
        AskNothing(record);
        return userCanceledErr;
    }
    params.mask = mask;
    params.shadow = shadow;
    params.rowCounter = 0;
    params.showDialog = 0;
    AskRow(record, 0);
    return LoadMask(params);
}

int32_t BlendRow(FilterRecord& record, EdgesParams& params)
{
    EdgesRun& run = Run();
    const Rect& f = record.filterRect;
    const int32_t fw = Width(f), fh = Height(f);
    if (params.rowCounter >= fh) {
        AskNothing(record);
        return 0;
    }
    if (!run.mask) {
        if (const int32_t error = LoadMask(params))
            return error;
    }
    if (record.abortProc && record.abortProc()) {
        run.Free();
        return userCanceledErr;
    }
    if (record.progressProc)
        record.progressProc(params.rowCounter, fh);
    if (!record.inData || !record.outData)
        return filterBadParameters;
    ::BlendRow(static_cast<const uint8_t*>(record.inData), static_cast<uint8_t*>(record.outData), record.planes, fw,
               fh, params.rowCounter, *run.mask, run.blurred ? &*run.blurred : nullptr, params.shadow, run.colour);
    if (++params.rowCounter < fh)
        AskRow(record, params.rowCounter);
    else
        AskNothing(record);
    return 0;
}

int32_t Continue(FilterRecord& record)
{
    if (!Run().started) {
        // Start found nothing to filter, or was never called.
        AskNothing(record);
        return Height(record.filterRect) > 0 && Width(record.filterRect) > 0 ? filterBadParameters : 0;
    }
    int32_t error = 0;
    EdgesParams* params = Block(record, error);
    if (!params)
        return error;
    return params->showDialog ? ThumbnailRow(record, *params) : BlendRow(record, *params);
}

void About()
{
    if (!FrameGuiAvailable())
        return;
    fw::MessageBox(QApplication::activeWindow(), "Quendle Software Edges", "Edges", fw::MB_OK);
}

int32_t Dispatch(int16_t selector, FilterRecord* record)
{
    switch (selector) {
    case filterSelectorAbout: About(); return 0;
    case filterSelectorParameters: return Parameters(*record);
    case filterSelectorPrepare: record->bufferSpace = 0; return 0;
    case filterSelectorStart: return Start(*record);
    case filterSelectorContinue: return Continue(*record);
    case filterSelectorFinish:
        Run().Free();
        Run().started = false;
        return 0;
    default: return filterBadParameters;
    }
}

} // namespace

void EdgesDispatch(int16_t selector, FilterRecord* record, int16_t* result)
{
    if (result)
        *result = 0;
    int32_t answer = 0;
    if (!record && selector != filterSelectorAbout) {
        answer = filterBadParameters;
    } else {
        try {
            answer = Dispatch(selector, record);
        } catch (const std::bad_alloc&) {
            answer = memFullErr;
        } catch (...) {
            answer = filterBadParameters;
        }
    }
    if (answer != 0 && selector >= filterSelectorAbout && selector <= filterSelectorFinish) {
        Run().Free();
        Run().started = false;
    }
    if (result)
        *result = int16_t(answer);
}
