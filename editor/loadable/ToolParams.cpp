#include "editor/loadable/ToolParams.h"

#include <algorithm>

FW_IMPLEMENT_DYNCREATE(CBrushParams, fw::Object)
FW_IMPLEMENT_DYNCREATE(CFillParams, fw::Object)
FW_IMPLEMENT_DYNCREATE(CTextParams, fw::Object)

CTextParams::CTextParams(const CTextParams& other) : fw::Object(), text(other.text), face(other.face)
{
    std::copy(other.ints, other.ints + kInts - 1, ints);
    ints[kInts - 1] = 0;
}

CTextParams& CTextParams::operator=(const CTextParams& other)
{
    if (this == &other)
        return *this;
    text = other.text;
    face = other.face;
    std::copy(other.ints, other.ints + kInts - 1, ints);
    return *this;
}
