#include "lang/StandardBiFun.h"

#include "base/QnExcept.h"
#include "base/QnFatalExit.h"
#include "lang/BiFun.h"
#include "lang/ExprTables.h"
#include "lang/FlInt.h"
#include "lang/FunRegistry.h"
#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"
#include "lang/MachineContext.h"
#include "lang/TupleExpr.h"
#include "lang/ValueExpr.h"

#include <cstdint>
#include <typeinfo>

// Registered at load: nothing else of the process can have registered yet.
QnInitStandardBiFun QnInitStandardBiFun::initializer;

namespace {

// Argument k of the frame as a value node (message 1 for any other node).
PpQnValueExpr ValueArg(QnMachineContext& m, uint32_t k) { return (*m.arg_get(k))->CastToValue(); }

// The integer of a value node; a value of another class is a cast error.
int32_t IntOf(const PpQnValueExpr& v)
{
    QnFlVal* value = v->ValuePtr();
    auto* i = dynamic_cast<QnFlInt*>(value);
    if (!i)
        QnCastExcept(typeid(*value), typeid(QnFlInt), "Flfun", __LINE__).raise();
    return i->Value();
}

PpQnExpr IntResult(int32_t v) { return PpQnExpr(PpQnValueExpr(PpQnFlInt(v))); }

// Both operands in the order every two-argument built-in reads them: both
// nodes first, then their integers.
struct Operands {
    int32_t x, y;
};
Operands ReadOperands(QnMachineContext& m)
{
    const PpQnValueExpr a = ValueArg(m, 1);
    const PpQnValueExpr b = ValueArg(m, 2);
    return {IntOf(a), IntOf(b)};
}

// 32-bit arithmetic wraps: computed in unsigned, where overflow is defined.
int32_t Wrap(uint32_t v) { return int32_t(v); }

// Truncating division with the remainder's sign the dividend's. The one
// quotient that does not fit, INT32_MIN / -1, wraps to INT32_MIN with
// remainder 0, as the rest of the arithmetic wraps.
void CheckDivisor(int32_t y)
{
    if (y == 0)
        QN_LANG_RAISE(QN_LANG_DIVISION_BY_ZERO, "Flfun", __LINE__);
}
int32_t Quotient(int32_t x, int32_t y)
{
    return y == -1 ? Wrap(0u - uint32_t(x)) : x / y;
}
int32_t Remainder(int32_t x, int32_t y) { return y == -1 ? 0 : x % y; }

} // namespace

QnInitStandardBiFun::QnInitStandardBiFun()
{
    struct Entry {
        PpQnFun::Proc proc;
        PpQnFun::Pred pred;
        int arity;
    };
    const Entry entries[] = {
        {AddProc, AllArgsStrict, 2},      {SubProc, AllArgsStrict, 2},    {MulProc, AllArgsStrict, 2},
        {DivProc, AllArgsStrict, 2},      {ModProc, AllArgsStrict, 2},    {DivModProc, AllArgsStrict, 2},
        {IdProc, AllArgsStrict, 1},       {NegProc, AllArgsStrict, 1},    {NotProc, AllArgsStrict, 1},
        {EqProc, AllArgsStrict, 2},       {NeProc, AllArgsStrict, 2},     {GtProc, AllArgsStrict, 2},
        {LtProc, AllArgsStrict, 2},       {GeProc, AllArgsStrict, 2},     {LeProc, AllArgsStrict, 2},
        {LNotProc, AllArgsStrict, 1},     {AndProc, AllArgsStrict, 2},    {OrProc, AllArgsStrict, 2},
        {EquivProc, AllArgsStrict, 2},    {SelectProc, FirstArgStrict, 3}, {IfProc, FirstArgStrict, -1},
        {TupleProc, NoArgsStrict, -1},    {ElementProc, AllArgsStrict, 2}, {YProc, NoArgsStrict, 1},
    };
    static_assert(sizeof(entries) / sizeof(entries[0]) == FL_STANDARD_COUNT);
    for (const Entry& e : entries) {
        const QnFunId id = QnFun::RegisterFun(PpQnFun(PpQnBiFun(e.proc, e.pred, e.arity)));
        ++count_;
        // Another registration before ours would shift every standard id.
        if (uint32_t(id) != uint32_t(count_))
            QnFatalExit("Flfun", __LINE__);
    }
}

int QnInitStandardBiFun::AllArgsStrict(int, int) { return 1; }
int QnInitStandardBiFun::NoArgsStrict(int, int) { return 0; }
int QnInitStandardBiFun::FirstArgStrict(int i, int) { return i == 0; }

PpQnExpr QnInitStandardBiFun::AddProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    return IntResult(Wrap(uint32_t(o.x) + uint32_t(o.y)));
}

PpQnExpr QnInitStandardBiFun::SubProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    return IntResult(Wrap(uint32_t(o.x) - uint32_t(o.y)));
}

PpQnExpr QnInitStandardBiFun::MulProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    return IntResult(Wrap(uint32_t(o.x) * uint32_t(o.y)));
}

PpQnExpr QnInitStandardBiFun::DivProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    CheckDivisor(o.y);
    return IntResult(Quotient(o.x, o.y));
}

PpQnExpr QnInitStandardBiFun::ModProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    CheckDivisor(o.y);
    return IntResult(Remainder(o.x, o.y));
}

PpQnExpr QnInitStandardBiFun::DivModProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    CheckDivisor(o.y);
    // The tuple factory takes its array in stack order: the last entry
    // becomes element 0, so element 0 is the quotient.
    const PpQnExpr parts[] = {IntResult(Remainder(o.x, o.y)), IntResult(Quotient(o.x, o.y))};
    return PpQnExpr(2, parts);
}

PpQnExpr QnInitStandardBiFun::IdProc(QnMachineContext& m, int, QnEvalControl*) { return *m.arg_get(1); }

PpQnExpr QnInitStandardBiFun::NegProc(QnMachineContext& m, int, QnEvalControl*)
{
    return IntResult(Wrap(0u - uint32_t(IntOf(ValueArg(m, 1)))));
}

PpQnExpr QnInitStandardBiFun::NotProc(QnMachineContext& m, int, QnEvalControl*)
{
    return IntResult(IntOf(ValueArg(m, 1)) == 0);
}

PpQnExpr QnInitStandardBiFun::EqProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    return IntResult(o.x == o.y);
}

PpQnExpr QnInitStandardBiFun::NeProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    return IntResult(o.x != o.y);
}

PpQnExpr QnInitStandardBiFun::GtProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    return IntResult(o.x > o.y);
}

PpQnExpr QnInitStandardBiFun::LtProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    return IntResult(o.x < o.y);
}

PpQnExpr QnInitStandardBiFun::GeProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    return IntResult(o.x >= o.y);
}

PpQnExpr QnInitStandardBiFun::LeProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    return IntResult(o.x <= o.y);
}

PpQnExpr QnInitStandardBiFun::LNotProc(QnMachineContext& m, int n, QnEvalControl* ctl) { return NotProc(m, n, ctl); }

PpQnExpr QnInitStandardBiFun::AndProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    return IntResult(o.x != 0 && o.y != 0);
}

PpQnExpr QnInitStandardBiFun::OrProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    return IntResult(o.x != 0 || o.y != 0);
}

PpQnExpr QnInitStandardBiFun::EquivProc(QnMachineContext& m, int, QnEvalControl*)
{
    const Operands o = ReadOperands(m);
    return IntResult((o.x != 0) == (o.y != 0));
}

PpQnExpr QnInitStandardBiFun::SelectProc(QnMachineContext& m, int n, QnEvalControl*)
{
    const int32_t k = IntOf(ValueArg(m, 1));
    if (k >= 0 && int64_t(k) <= int64_t(n) - 3)
        return *m.arg_get(uint32_t(k) + 3);
    return *m.arg_get(2);
}

PpQnExpr QnInitStandardBiFun::IfProc(QnMachineContext& m, int, QnEvalControl*)
{
    const PpQnExpr* a = m.arg_get(3); // a[0] argument 3, a[1] argument 2, a[2] argument 1
    return IntOf(a[2]->CastToValue()) != 0 ? a[1] : a[0];
}

PpQnExpr QnInitStandardBiFun::TupleProc(QnMachineContext& m, int n, QnEvalControl*)
{
    return PpQnExpr(n, m.arg_get(uint32_t(n)));
}

PpQnExpr QnInitStandardBiFun::ElementProc(QnMachineContext& m, int, QnEvalControl*)
{
    const PpQnValueExpr index = ValueArg(m, 1);
    const PpQnTupleExpr tuple = (*m.arg_get(2))->CastToTuple();
    const int32_t k = IntOf(index);
    if (k < 0 || k >= tuple->Arity())
        QN_LANG_RAISE(QN_LANG_BAD_TUPLE_INDEX, "Flfun", __LINE__);
    return tuple->Index(k);
}

PpQnExpr QnInitStandardBiFun::YProc(QnMachineContext& m, int, QnEvalControl*)
{
    // f (Y f) as one node whose argument is the node itself.
    const PpQnExpr f = *m.arg_get(1);
    QnPp<QnApplyExpr> node = QnCreate<QnApplyExpr>(f.Get(), nullptr);
    node->right_ = node.Get();
    QnExprTables::Applications().Insert(node.Get());
    {
        QnLockGc gc;
        node->SetHistory((*m.appe_get(1))->GetCanonical().Get());
    }
    return PpQnExpr(node);
}
