// A sharing table kept as a list of entries, newest first, for nodes whose
// key is not one ordered value (tuples, function expressions). A hash index
// beside the list finds the newest equal node without walking the list.
// Each node holds its entry by a fixed link and the entry its node, so the
// two live and die together; the table holds its entries as caches.
#pragma once

#include "lang/Expr.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>

class ExprTableEntry : public QnObj {
public:
    QnExpr* Expression() const { return expr_; }
    ExprTableEntry* Next() const { return next_; }
    ExprTableEntry* Previous() const { return prev_; }

protected:
    void MarkFixedObjects(Visitor visit) override;

private:
    friend class ExprTable;
    friend struct ::QnObjCreator;
    ExprTableEntry(QnExpr* expr, size_t hash, uint64_t seq) : expr_(expr), hash_(hash), seq_(seq) {}

    ExprTableEntry* prev_ = nullptr;
    ExprTableEntry* next_ = nullptr;
    QnExpr* expr_;
    size_t hash_; // the node's key hash, to find the entry in the index
    uint64_t seq_; // insertion order: the newest of equal nodes wins
};

class ExprTable : public QnObj {
public:
    // The key hash of a node entered in the table.
    using HashOf = size_t (*)(const QnExpr* node);

    explicit ExprTable(HashOf hashOf);
    ~ExprTable() override;
    ExprTable(const ExprTable&) = delete;
    ExprTable& operator=(const ExprTable&) = delete;

    // The newest node of key hash hash for which matches(node) holds,
    // locked, or null; the entry and node found count as used. Takes the
    // collector's lock.
    template <class Matches>
    PpQnExpr Find(size_t hash, Matches matches) const
    {
        QnLockGc lock;
        ExprTableEntry* best = nullptr;
        auto [it, end] = index_.equal_range(hash);
        for (; it != end; ++it) {
            ExprTableEntry* entry = it->second;
            if ((!best || entry->seq_ > best->seq_) && matches(entry->expr_))
                best = entry;
        }
        if (!best)
            return PpQnExpr();
        best->Used();
        best->expr_->Used();
        return PpQnExpr(best->expr_);
    }

    // Enters node at the front and links it to its new entry.
    QnPp<ExprTableEntry> Add(const PpQnExpr& node);

    ExprTableEntry* First() const { return first_; }
    size_t Size() const;

protected:
    void MarkFixedObjects(Visitor visit) override;
    void MarkDiscardableObjects(Visitor visit) override;
    // Unlinks a dropped entry from the list and the index.
    void NoteObjectDiscarded(QnObj* obj) override;

private:
    // A static: the collector never deletes it.
    void DeleteObject() override {}
    void VisitEntries(Visitor visit) const;

    ExprTableEntry* first_ = nullptr;
    int32_t fixed_ = 0; // nonzero: entries are fixed links, not caches
    HashOf hashOf_;
    uint64_t nextSeq_ = 0;
    std::unordered_multimap<size_t, ExprTableEntry*> index_;
};
