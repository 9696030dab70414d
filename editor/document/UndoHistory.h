// The undo and redo histories of a picture document. A history keeps states
// as expressions (every state ever left is kept, so every step stays
// possible) and the evaluated results of its newest states up to a limit,
// so that the most recent steps show again at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "lang/Expr.h"
#include "lang/LsmDsc.h"
#include "render/Rect.h"
#include "render/Rgn.h"

// One saved state of the document, with the rectangle that the step from
// it to the next state changed.
struct UndoRecord {
    PpQnExpr expr;
    QnRect rect;
    int32_t whole = 0; // the step may have changed the whole picture: rect means nothing
    PpQnLsmDsc source;
    QnRgn selection;
    std::string label;
};

class UndoHistory {
public:
    // Oldest first; the last record is the state next to the current one.
    const std::vector<UndoRecord>& Records() const { return records_; }
    // Evaluated results of the newest states, aligned with the end of the
    // records; an entry may be null.
    const std::deque<PpQnExpr>& Reducts() const { return reducts_; }
    uint32_t Limit() const { return limit_; }
    bool Empty() const { return records_.empty(); }
    size_t Size() const { return records_.size(); }

    // Appends the record and its reduct; the oldest reduct goes when the
    // reducts then pass the limit.
    void Push(UndoRecord record, const PpQnExpr& reduct);
    // Removes the last record (and the last reduct, when there is one) and
    // returns the record.
    UndoRecord PopLast();
    UndoRecord& Last() { return records_.back(); }
    // A new limit; the oldest reducts go until they fit. A negative depth
    // counts as 0. Records are never dropped.
    void SetLimit(int32_t depth);
    void Clear();

private:
    std::vector<UndoRecord> records_;
    std::deque<PpQnExpr> reducts_;
    uint32_t limit_ = 1;
};
