#include "editor/document/UndoHistory.h"

void UndoHistory::Push(UndoRecord record, const PpQnExpr& reduct)
{
    records_.push_back(std::move(record));
    reducts_.push_back(reduct);
    if (reducts_.size() > limit_)
        reducts_.pop_front();
}

UndoRecord UndoHistory::PopLast()
{
    UndoRecord last = std::move(records_.back());
    records_.pop_back();
    if (!reducts_.empty())
        reducts_.pop_back();
    return last;
}

void UndoHistory::SetLimit(int32_t depth)
{
    limit_ = depth < 0 ? 0u : uint32_t(depth);
    while (reducts_.size() > limit_)
        reducts_.pop_front();
}

void UndoHistory::Clear()
{
    records_.clear();
    reducts_.clear();
}
