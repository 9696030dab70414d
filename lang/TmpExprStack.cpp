#include "lang/TmpExprStack.h"

#include "base/QnExcept.h"
#include "lang/ApplyExpr.h"
#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"

#include <algorithm>
#include <utility>

QnTmpExprStack::QnTmpExprStack(uint32_t growth) : growth_(growth == 0 ? 1 : growth) {}

void QnTmpExprStack::Push(const PpQnExpr& e) { Push(PpQnExpr(e)); }

void QnTmpExprStack::Push(PpQnExpr&& e)
{
    // At least the growth step at a time, and never less than doubling:
    // a program that builds a deep graph pushes a million entries, which
    // steps of a fixed size would copy over and over.
    if (entries_.size() == entries_.capacity())
        entries_.reserve(entries_.size() + std::max<size_t>(growth_, entries_.size()));
    entries_.push_back(std::move(e));
}

void QnTmpExprStack::Pop()
{
    if (!entries_.empty())
        entries_.pop_back();
}

PpQnExpr& QnTmpExprStack::Get(int32_t i)
{
    if (i < 1 || uint32_t(i) > entries_.size())
        QnRangeExcept("Flmachin", __LINE__).raise();
    return entries_[entries_.size() - uint32_t(i)];
}

void QnTmpExprStack::Truncate(uint32_t count)
{
    while (entries_.size() > count)
        entries_.pop_back();
}

void QnTmpExprStack::MakeApp()
{
    if (entries_.size() < 2)
        QN_LANG_RAISE(QN_LANG_BAD_ARG_REQUEST, "Flmachin", __LINE__);
    // Build before popping: the factory may raise, and the operands must
    // then still be where they were.
    PpQnExpr app = PpQnApplyExpr(entries_[entries_.size() - 2], entries_.back());
    entries_.pop_back();
    entries_.back() = std::move(app);
}
