#include "lang/ExprTable.h"

void ExprTableEntry::MarkFixedObjects(Visitor visit) { visit(expr_); }

ExprTable::ExprTable(HashOf hashOf) : hashOf_(hashOf)
{
    Lock(1);
    RegisterObject();
}

ExprTable::~ExprTable() { RevokeObject(); }

QnPp<ExprTableEntry> ExprTable::Add(const PpQnExpr& node)
{
    const size_t hash = hashOf_(node.Get());
    // The table's lock before anything of the table is read or written, the
    // insertion counter included: machines on other threads add too.
    QnLockGc lock;
    QnPp<ExprTableEntry> entry = QnCreate<ExprTableEntry>(node.Get(), hash, nextSeq_++);
    entry->Used();
    ExprTableEntry* e = entry.Get();
    e->next_ = first_;
    e->prev_ = nullptr;
    if (first_)
        first_->prev_ = e;
    first_ = e;
    index_.emplace(hash, e);
    node.Get()->entry_ = e;
    return entry;
}

size_t ExprTable::Size() const
{
    QnLockGc lock;
    return index_.size();
}

void ExprTable::VisitEntries(Visitor visit) const
{
    for (ExprTableEntry* e = first_; e; e = e->next_)
        visit(e);
}

void ExprTable::MarkFixedObjects(Visitor visit)
{
    if (fixed_)
        VisitEntries(visit);
}

void ExprTable::MarkDiscardableObjects(Visitor visit)
{
    if (!fixed_)
        VisitEntries(visit);
}

void ExprTable::NoteObjectDiscarded(QnObj* obj)
{
    auto* e = static_cast<ExprTableEntry*>(obj);
    if (e->prev_)
        e->prev_->next_ = e->next_;
    else if (first_ == e)
        first_ = e->next_;
    if (e->next_)
        e->next_->prev_ = e->prev_;
    e->prev_ = e->next_ = nullptr;
    auto [it, end] = index_.equal_range(e->hash_);
    for (; it != end; ++it) {
        if (it->second == e) {
            index_.erase(it);
            break;
        }
    }
}
