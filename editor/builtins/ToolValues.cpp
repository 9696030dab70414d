#include "editor/builtins/ToolValues.h"

#include <cstring>

#include "editor/builtins/Compare3.h"

namespace {

// The first of the pairs that differs decides.
int FirstDifference(std::initializer_list<int> results)
{
    for (int r : results)
        if (r != 0)
            return r;
    return 0;
}

int CompareBytes(const std::string& a, const std::string& b)
{
    const int r = std::strcmp(a.c_str(), b.c_str());
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

}  // namespace

int FlBrushParams::Compare(const PpQnFlVal& other) const
{
    const CBrushParams& a = params_;
    const CBrushParams& b = static_cast<const FlBrushParams*>(other.Get())->params_;
    return FirstDifference({QnCompare3(a.shape, b.shape), QnCompare3(a.smooth, b.smooth), QnCompare3(a.size, b.size),
                            QnCompare3(a.mode, b.mode), QnCompare3(a.color, b.color)});
}

int FlFillParams::Compare(const PpQnFlVal& other) const
{
    const CFillParams& a = params_;
    const CFillParams& b = static_cast<const FlFillParams*>(other.Get())->params_;
    return FirstDifference({QnCompare3(a.kind, b.kind), QnCompare3(a.region, b.region),
                            QnCompare3(a.tolerance, b.tolerance), QnCompare3(a.color1, b.color1),
                            QnCompare3(a.color2, b.color2)});
}

int FlTextParams::Compare(const PpQnFlVal& other) const
{
    const CTextParams& a = params_;
    const CTextParams& b = static_cast<const FlTextParams*>(other.Get())->params_;
    if (int r = CompareBytes(a.text, b.text))
        return r;
    if (int r = CompareBytes(a.face, b.face))
        return r;
    for (int i = 0; i < 6; ++i)
        if (int r = QnCompare3(a.ints[i], b.ints[i]))
            return r;
    return 0;
}

PpFlBrushParams MakeFlBrushParams(const CBrushParams& params)
{
    return QnCreate<FlBrushParams>(params);
}

PpFlFillParams MakeFlFillParams(const CFillParams& params)
{
    return QnCreate<FlFillParams>(params);
}

PpFlTextParams MakeFlTextParams(const CTextParams& params)
{
    return QnCreate<FlTextParams>(params);
}
