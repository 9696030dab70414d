#include "tasks/module/LdParam.h"

#include "framework/Archive.h"

FW_IMPLEMENT_SERIAL(CLdParam, fw::Object, 1)

void CLdParam::Serialize(fw::Archive& ar)
{
    fw::Object::Serialize(ar);
    if (ar.IsStoring())
        ar << name_;
    else
        ar >> name_;
}
