#include "tasks/module/LdBoolParam.h"

#include "framework/Archive.h"

FW_IMPLEMENT_SERIAL(CLdBoolParam, CLdParam, 1)

void CLdBoolParam::Serialize(fw::Archive& ar)
{
    CLdParam::Serialize(ar);
    if (ar.IsStoring())
        ar << value_;
    else
        ar >> value_;
}
