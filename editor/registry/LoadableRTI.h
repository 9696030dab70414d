// One class of the editor's class map: a copy of the class's run-time record
// (six words: name, size, schema, creation, base class, next) and the
// library it came from, whose resources the objects of the class read.
#pragma once

#include "framework/Object.h"

class CLdModule;

class CLoadableRTI : public fw::Object {
    FW_DECLARE_DYNAMIC(CLoadableRTI)

public:
    CLoadableRTI(const fw::RuntimeClass& record, const CLdModule* module) : classRecord(record), module(module) {}

    fw::RuntimeClass classRecord;
    const CLdModule* module;
};
