// An on/off setting. The flag is an int, stored as a 32-bit number; any
// nonzero value means on, and it is kept as given.
#pragma once

#include <cstdint>

#include "tasks/module/LdParam.h"

class CLdBoolParam : public CLdParam {
    FW_DECLARE_SERIAL(CLdBoolParam)

public:
    CLdBoolParam() = default;

    int32_t GetValue() const { return value_; }
    void SetValue(int32_t value) { value_ = value; }

    void Serialize(fw::Archive& ar) override;

private:
    int32_t value_ = 0;
};
