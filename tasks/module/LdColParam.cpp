#include "tasks/module/LdColParam.h"

#include "framework/Archive.h"

FW_IMPLEMENT_SERIAL(CLdColParam, CLdParam, 1)

void CLdColParam::Serialize(fw::Archive& ar)
{
    CLdParam::Serialize(ar);
    if (ar.IsStoring())
        ar << value_;
    else
        ar >> value_;
}
