// Evaluation helpers shared by the machine, built-in and compiler tests.
#pragma once

#include "lang/ApplyExpr.h"
#include "lang/Comp.h"
#include "lang/CompApply.h"
#include "lang/CompConst.h"
#include "lang/CompLambda.h"
#include "lang/CompVar.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"
#include "lang/ProcessControl.h"
#include "lang/ValueExpr.h"

#include <gtest/gtest.h>

#include <vector>

// Records what the machine tells its control; aborts on request.
class RecordingControl : public QnEvalControl {
public:
    int TestAbort() const override { return abort; }
    QnProgressIndicator* CreateProgressIndicator(int) override { return nullptr; }
    void NoteStep(int cached) override { steps.push_back(cached); }

    std::vector<int> steps;
    int abort = 0;
};

inline PpQnExpr Fn(QnFunId id) { return PpQnExpr(id, -1); }
inline PpQnExpr App(const PpQnExpr& f, const PpQnExpr& x) { return PpQnExpr(f, x); }
inline PpQnExpr App(const PpQnExpr& f, const PpQnExpr& x, const PpQnExpr& y) { return App(App(f, x), y); }

// The integer that a value node holds.
inline int32_t IntOf(const PpQnExpr& e)
{
    EXPECT_TRUE(e && e->IsValue());
    if (!e || !e->IsValue())
        return 0;
    return static_cast<QnFlInt*>(static_cast<QnValueExpr*>(e.Get())->ValuePtr())->Value();
}

inline int32_t EvalInt(QnMachineContext& m, const PpQnExpr& e, QnEvalControl* ctl = nullptr)
{
    return IntOf(m.eval(e, ctl));
}

// Terms, briefly.
inline PpQnComp CInt(int32_t v) { return PpQnCompConst(PpQnFlVal(v)); }
inline PpQnComp CFn(QnFunId id) { return PpQnCompConst(id, -1); }
inline PpQnComp CApp(const PpQnComp& f, const PpQnComp& x) { return PpQnCompApply(f, x); }
inline PpQnComp CApp(const PpQnComp& f, const PpQnComp& x, const PpQnComp& y) { return CApp(CApp(f, x), y); }
inline PpQnComp CLam(const PpQnCompVar& v, const PpQnComp& body) { return PpQnCompLambda(v, body); }
inline PpQnCompVar NewVar() { return PpQnCompVar(QnCompVar::NEW_VAR); }
