// The collectable object the gc benchmarks use: a payload and two links, one
// fixed and one that the graph benchmarks report as fixed or discardable.
#pragma once

#include "gc/QnGc.h"

#include <cstdint>

class BenchNode : public QnObj {
public:
    int64_t value = 1;
    QnObj* next = nullptr;
    QnObj* other = nullptr;
    static inline bool otherIsCache = false;

protected:
    void MarkFixedObjects(Visitor visit) override
    {
        visit(next);
        if (!otherIsCache)
            visit(other);
    }
    void MarkDiscardableObjects(Visitor visit) override
    {
        if (otherIsCache)
            visit(other);
    }
    void NoteObjectDiscarded(QnObj* obj) override
    {
        if (obj == other)
            other = nullptr;
    }
};
