// One runnable catalogued plug-in, as the editor keeps it in a picture's
// expression: the plug-in's module, entry and names, and the parameter
// handle and data value of its runs, which belong to the instance. The
// first run asks for parameters; later runs reuse the instance's own.
#pragma once

#include "filters/sdk/PIFilter.h"
#include "pluginhost/PIHostTypes.h"
#include "pluginhost/PIWorkAreas.h"
#include "pluginhost/PlugInRecord.h"

#include <cstdint>

class CPIInstance {
public:
    // Throws piInst_error when the library is not there and piInst_err_ID
    // when the id has no record.
    explicit CPIInstance(uint32_t id);
    // Copies hold copies of the handles, never the same ones.
    CPIInstance(const CPIInstance& other);
    CPIInstance& operator=(const CPIInstance& other);
    virtual ~CPIInstance();

    // The name without a trailing "...".
    const char* GetPluginName() const { return displayName_; }

    // One run over the work areas (see PIWorkAreas.h). changed receives the
    // rectangle written (rows from the top); *withinSelection is 1 when the
    // plug-in kept to the selection. Throws piInst_cancel when the user
    // stopped the run and a piInst_error for every failure.
    void Execute(void* window, uint32_t background, uint32_t foreground, CAbstractReadWA_Ex* destination,
                 CAbstractWriteWA_Ex* source, PIPOINT maskOffset, CAbstractWriteWA_Ex* mask,
                 PIProgressFunction progress, PIDisplayFunction display, PIRECT* changed,
                 int32_t* withinSelection);

private:
    void CopyFrom(const CPIInstance& other);
    void FreeHandles();
    // The catalogue record this instance stands for, -1 when it is gone.
    int32_t CatalogueId() const;

    Handle parameters_ = nullptr;
    intptr_t data_ = 0; // the module's data value; a handle when it is one
    int32_t askParameters_ = 1;
    char path_[kPlugInPathSize] = {};
    char entry_[kPlugInPathSize] = {};
    char name_[kPlugInPathSize] = {};
    char displayName_[kPlugInPathSize] = {};
    uint16_t modes_ = 0;
    PlugInFilterCase filterCases_[kFilterCaseCount] = {};
    uint32_t id_ = 0;
};
