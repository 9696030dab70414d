// The base of every value of the expression language: integers, texts,
// pictures, render objects, descriptors. It decides how the expression graph
// shares value nodes: a unique value is never shared, the others are shared
// among all values of one class that compare equal.
#pragma once

#include "gc/QnGc.h"

#include <cstdint>

class PpQnFlVal;

class QnFlVal : public QnObj {
public:
    // Nonzero: each use of the value gets its own value node.
    virtual int IsUnique() const { return unique_; }
    // Negative, 0 or positive as this value orders before, equal to or after
    // other. Only called with other of this value's own dynamic class.
    virtual int Compare(const PpQnFlVal& other) const;

protected:
    explicit QnFlVal(int unique) : unique_(unique) {}
    QnFlVal(const QnFlVal& other) : QnObj(), unique_(other.unique_) {}
    QnFlVal& operator=(const QnFlVal& other)
    {
        unique_ = other.unique_;
        return *this;
    }

private:
    int unique_;
};

// A handle on a value; also makes new integer and text values.
class PpQnFlVal : public QnPp<QnFlVal> {
public:
    using QnPp::QnPp;
    PpQnFlVal(const QnPp<QnFlVal>& other) : QnPp(other) {}
    explicit PpQnFlVal(int32_t value);
    explicit PpQnFlVal(const char* text);
};
