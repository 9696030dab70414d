#include "tasks/module/LdIntParam.h"

#include <algorithm>

#include "framework/Archive.h"

FW_IMPLEMENT_SERIAL(CLdIntParam, CLdParam, 1)

void CLdIntParam::SetValue(int32_t v) { value_ = std::max(std::min(v, max_), min_); }

void CLdIntParam::Serialize(fw::Archive& ar)
{
    CLdParam::Serialize(ar);
    if (ar.IsStoring())
        ar << min_ << max_ << value_;
    else
        ar >> min_ >> max_ >> value_;
}
