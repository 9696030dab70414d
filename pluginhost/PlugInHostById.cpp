// Runs by catalogue id: PIExecutePlugin and the about box.
#include "filters/sdk/PIHandles.h"
#include "pluginhost/FxgateStrings.h"
#include "pluginhost/PlugInCatalogue.h"
#include "pluginhost/PlugInHost.h"
#include "pluginhost/WaitCursor.h"

#include <new>
#include <type_traits>

int32_t PlugInHost::ExecuteById(void* window, uint32_t id, int32_t askParameters, uint32_t background,
                                uint32_t foreground, CAbstractReadWA_Ex* destination, CAbstractWriteWA_Ex* source,
                                int32_t offsetX, int32_t offsetY, CAbstractWriteWA_Ex* mask,
                                PIProgressFunction progress, PIDisplayFunction display, int32_t* withinSelection)
{
    FreeHostHandle(heldParameters_);
    FreeHostHandle(reinterpret_cast<Handle>(heldData_));
    heldParameters_ = nullptr;
    heldData_ = 0;

    const PlugInRecord* found = catalogue_.FindById(id);
    if (!found) {
        lastError_ = 0;
        return kRunNotFound;
    }
    const PlugInRecord record = *found;
    executedId_ = id;
    try {
        heldParameters_ = catalogue_.GetParameters(id);
        heldData_ = reinterpret_cast<intptr_t>(catalogue_.GetData(id));
    } catch (const std::bad_alloc&) {
        return Fail(kRunNoMemory, IDS_PI_OUT_OF_MEMORY);
    }
    int32_t result = LoadModule(record.path, record.entry, record.aboutEntry);
    if (result == kRunDone)
        result = BeginRun(window, background, foreground, destination, source, offsetX, offsetY, mask, progress,
                          display, withinSelection);
    if (result == kRunDone)
        result = Run(&askParameters, entry_, record.modes, record.filterCases, &heldParameters_, &heldData_, nullptr);
    if (result == kRunDone) {
        try {
            catalogue_.SetParameters(id, heldParameters_);
            catalogue_.SetData(id, reinterpret_cast<Handle>(heldData_));
        } catch (const std::bad_alloc&) {
            return Fail(kRunNoMemory, IDS_PI_OUT_OF_MEMORY);
        }
        FreeHostHandle(heldParameters_);
        FreeHostHandle(reinterpret_cast<Handle>(heldData_));
        heldParameters_ = nullptr;
        heldData_ = 0;
    }
    return result;
}

int32_t PlugInHost::About(void* window, uint32_t id)
{
    if (!window)
        return kRunFailed;
    InstallCallbacks();
    window_ = window;
    aboutRecord_ = AboutRecord{};
    aboutRecord_.platformData = &window_;
    auto callAbout = [&](PIFilterEntry about, intptr_t* data, int16_t& result) {
        result = noErr;
        try {
            about(filterSelectorAbout, reinterpret_cast<FilterRecord*>(&aboutRecord_), data, &result);
        } catch (...) {
            result = errPlugInHostInsufficient; // any failure: the box could not be shown
        }
    };

    if (id == executedId_ && aboutEntry_ && module_.IsLoaded()) {
        int16_t result = noErr;
        callAbout(aboutEntry_, &heldData_, result);
        return MapResult(result);
    }

    WaitCursor wait(ui_);
    const PlugInRecord* found = catalogue_.FindById(id);
    if (!found)
        return kRunFailed;
    const PlugInRecord record = *found;
    platform::Module module;
    if (!module.Load(record.path))
        return kRunNotFound;
    int32_t answer = kRunDone;
    if (auto* about = module.Entry<std::remove_pointer_t<PIFilterEntry>>(record.aboutEntry)) {
        intptr_t data = 0;
        int16_t result = noErr;
        callAbout(about, &data, result);
        if (result < 0)
            answer = kRunNotFound;
    }
    return answer;
}
