// A colour setting, such as the light colour of the emboss effect, as a
// COLORREF (0x00BBGGRR) stored as a 32-bit number.
#pragma once

#include "platform/Dib.h"
#include "tasks/module/LdParam.h"

class CLdColParam : public CLdParam {
    FW_DECLARE_SERIAL(CLdColParam)

public:
    CLdColParam() = default;

    platform::COLORREF GetValue() const { return value_; }
    void SetValue(platform::COLORREF value) { value_ = value; }

    void Serialize(fw::Archive& ar) override;

private:
    platform::COLORREF value_ = 0;
};
