// The integer value of the language: signed 32 bits, shared by value in the
// expression graph.
#pragma once

#include "lang/FlVal.h"

class QnFlInt : public QnFlVal {
public:
    int32_t Value() const { return value_; }
    operator int32_t() const { return value_; }
    int Compare(const PpQnFlVal& other) const override;

protected:
    friend struct ::QnObjCreator;
    explicit QnFlInt(int32_t value = 0) : QnFlVal(0), value_(value) {}

private:
    int32_t value_;
};

class PpQnFlInt : public QnPp<QnFlInt> {
public:
    using QnPp::QnPp;
    PpQnFlInt(const QnPp<QnFlInt>& other) : QnPp(other) {}
    // A new integer value (equal values are distinct objects).
    explicit PpQnFlInt(int32_t value);
};
