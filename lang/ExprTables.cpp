#include "lang/ExprTables.h"

#include "lang/FlInt.h"
#include "lang/FunExpr.h"
#include "lang/TupleExpr.h"

#include <cstdint>
#include <typeinfo>

namespace {

// splitmix64's finaliser: pointers differ in few low bits, which a plain
// multiply would leave clustered.
uint64_t Mix(uint64_t x)
{
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

uint64_t Combine(uint64_t h, uint64_t v) { return Mix(h ^ (v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2))); }

size_t TupleHashOf(const QnExpr* node)
{
    const auto* t = static_cast<const QnTupleExpr*>(node);
    uint64_t h = Mix(uint64_t(t->Arity()));
    for (int i = 0; i < t->Arity(); ++i)
        h = Combine(h, reinterpret_cast<uintptr_t>(t->ElementPtr(i)));
    return size_t(h);
}

size_t FunHashOf(const QnExpr* node)
{
    const auto* f = static_cast<const QnFunExpr*>(node);
    return QnExprTables::FunHash(f->FunctionPtr(), f->Arity());
}

} // namespace

bool QnValLessKey::operator()(QnFlVal* a, QnFlVal* b) const
{
    if (a == b)
        return false;
    const std::type_info& ta = typeid(*a);
    const std::type_info& tb = typeid(*b);
    if (ta != tb)
        return ta.before(tb);
    // Integers, the values looked up most, ordered as their Compare orders
    // them but without the handle that a call needs.
    if (ta == typeid(QnFlInt))
        return static_cast<QnFlInt*>(a)->Value() < static_cast<QnFlInt*>(b)->Value();
    return a->Compare(PpQnFlVal(b)) < 0;
}

QnValueTable& QnExprTables::Values()
{
    static QnValueTable table;
    return table;
}

QnApplyTable& QnExprTables::Applications()
{
    static QnApplyTable table;
    return table;
}

ExprTable& QnExprTables::Tuples()
{
    static ExprTable table(TupleHashOf);
    return table;
}

ExprTable& QnExprTables::FunExprs()
{
    static ExprTable table(FunHashOf);
    return table;
}

size_t QnExprTables::TupleHash(int n, const PpQnExpr* elements)
{
    // The same order as the node's elements: the array's last entry first.
    uint64_t h = Mix(uint64_t(n));
    for (int i = n; i-- > 0;)
        h = Combine(h, reinterpret_cast<uintptr_t>(elements[i].Get()));
    return size_t(h);
}

size_t QnExprTables::FunHash(const QnFun* f, int n)
{
    return size_t(Combine(Mix(reinterpret_cast<uintptr_t>(f)), uint64_t(uint32_t(n))));
}
