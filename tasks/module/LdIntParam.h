// A whole-number setting with its range, such as a filter strength 0..10 or
// a light angle 0..360.
#pragma once

#include <cstdint>

#include "tasks/module/LdParam.h"

class CLdIntParam : public CLdParam {
    FW_DECLARE_SERIAL(CLdIntParam)

public:
    // The creatable form, whose range and value an archive fills in.
    CLdIntParam() = default;
    // The value starts at the bottom of the range.
    CLdIntParam(int32_t min, int32_t max) : min_(min), max_(max), value_(min) {}

    int32_t GetMin() const { return min_; }
    int32_t GetMax() const { return max_; }
    int32_t GetValue() const { return value_; }
    // v limited to at most max, then raised to at least min: with the range
    // upside down the value is min.
    void SetValue(int32_t v);

    // A stored value is taken as it stands, in range or not.
    void Serialize(fw::Archive& ar) override;

private:
    int32_t min_ = 0;
    int32_t max_ = 0;
    int32_t value_ = 0;
};
