// The picture constructors every editing road starts from: a new picture of
// one colour, and a picture read from a file descriptor. Both are registered
// at program start; their ids are kept here.
#pragma once

#include <cstdint>

#include "lang/Expr.h"
#include "lang/FunId.h"
#include "picture/FileDescriptor.h"

class QnMachineContext;
class QnEvalControl;

// Arguments (all integers): fill colour (0x00BBGGRR), width, height,
// horizontal and vertical resolution in dots per inch.
PpQnExpr NewPictureFunction(QnMachineContext& m, int n, QnEvalControl* control);
// Argument: a descriptor; the picture loaded from it, with the evaluation's
// control as the progress display (so a load can be cancelled).
PpQnExpr LoadPictureFunction(QnMachineContext& m, int n, QnEvalControl* control);

class FlFunctionsRegistrar {
public:
    FlFunctionsRegistrar();
    static QnFunId NewPictureId();
    static QnFunId LoadPictureId();
};

// NewPictureFunction applied to its five arguments.
PpQnExpr MakeNewPictureExpr(uint32_t colour, int32_t width, int32_t height, int32_t hRes, int32_t vRes);
// LoadPictureFunction applied to the descriptor value.
PpQnExpr MakeLoadPictureExpr(const PpQnLsmDsc& descriptor);
// The expression that loads path through a descriptor of kind.
PpQnExpr MakeLoadFileExpr(const char* path, QnFileDescriptor::fd_type kind = QnFileDescriptor::FD_TEMPORARY);
