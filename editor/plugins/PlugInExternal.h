// A catalogued plug-in of the plug-in host applied to a picture as a
// built-in of the evaluation machine, so that it takes part in undo, redo
// and re-evaluation like every other picture operation. The plug-in value
// lives as long as the expression that holds it, and with it the
// parameters of its first run: evaluating the expression again runs the
// plug-in with them, without asking again.
#pragma once

#include <cstdint>

#include "lang/Expr.h"
#include "lang/FlVal.h"
#include "pluginhost/CPIInstance.h"

class QnMachineContext;
class QnEvalControl;

class ExternalPlugIn : public QnFlVal, public CPIInstance {
public:
    ~ExternalPlugIn() override = default;

protected:
    friend struct ::QnObjCreator;
    // Throws piInst_error when the plug-in host is not there and
    // piInst_err_ID when id names no plug-in. A unique value: each run of a
    // command is a node of its own, with parameters of its own.
    explicit ExternalPlugIn(uint32_t id) : QnFlVal(1), CPIInstance(id) {}
};

using PpExternalPlugIn = QnPp<ExternalPlugIn>;

// RunExternalPlugIn applied to a new plug-in value for id, the picture, the
// selection mask and the two colours (0x00BBGGRR).
PpQnExpr MakeRunExternalPlugInExpr(uint32_t id, const PpQnExpr& picture, const PpQnExpr& mask,
                                   uint32_t foreground, uint32_t background);
// Arguments: plug-in (ExternalPlugIn), picture, selection mask (render
// object), foreground and background (QnFlInt). Answers an FlRectPict: the
// result picture and the rectangle the plug-in reported written. Where the
// plug-in kept to the selection, pixels outside the mask keep their values.
// A cancelled run raises piInst_cancel, a failed one a piInst_error.
PpQnExpr RunExternalPlugInFunction(QnMachineContext& m, int n, QnEvalControl* control);
