#include "editor/operations/PictureExprBuilders.h"

#include <initializer_list>

#include "lang/FlVal.h"

namespace {

PpQnExpr Int(long value) { return PpQnExpr(PpQnFlVal(int32_t(value))); }

// f applied to each argument in turn.
PpQnExpr Apply(QnFunId f, std::initializer_list<PpQnExpr> arguments)
{
    PpQnExpr e(f, -1);
    for (const PpQnExpr& a : arguments)
        e = PpQnExpr(e, a);
    return e;
}

// The rotate-and-flip choice as a rotation (true) or as a flip: a vertical
// flip becomes a horizontal one plus a half turn, a half turn both flips.
bool NormaliseTurn(long& angle, int& h, int& v, int& interpolate)
{
    if (v) {
        v = 0;
        h = !h;
        angle += 180;
    }
    angle = ReduceAngle(angle);
    if (angle != 0 && angle != 180) {
        if (angle == 90 || angle == 270)
            interpolate = 0;
        return true;
    }
    if (angle == 180) {
        v = 1;
        h = !h;
    }
    return false;
}

}  // namespace

long ReduceAngle(long angle)
{
    return angle >= 0 ? angle % 360 : 359 - (-1 - angle) % 360;
}

PpQnExpr MakeResizeExpr(const PpQnExpr& picture, long width, long height, long xRes, long yRes, int resample)
{
    RegisterPictureFunctions();
    return Apply(resample ? ResampleFunctionId : ResizeFunctionId,
                 {picture, Int(width), Int(height), Int(xRes), Int(yRes)});
}

PpQnExpr MakeRotateExpr(long angle, long colour, int flipHorizontally, int flipVertically, int interpolate)
{
    RegisterPictureFunctions();
    int h = flipHorizontally ? 1 : 0, v = flipVertically ? 1 : 0, smooth = interpolate ? 1 : 0;
    if (NormaliseTurn(angle, h, v, smooth))
        return Apply(RotateFunctionId, {Int(angle), Int(colour), Int(h), Int(smooth)});
    return Apply(FlipFunctionId, {Int(h), Int(v)});
}

PpQnExpr MakeRotateSelectionExpr(long angle, int flipHorizontally, int flipVertically, int interpolate)
{
    RegisterPictureFunctions();
    int h = flipHorizontally ? 1 : 0, v = flipVertically ? 1 : 0, smooth = interpolate ? 1 : 0;
    if (NormaliseTurn(angle, h, v, smooth))
        return Apply(RotateSelectionFunctionId, {Int(angle), Int(h), Int(smooth)});
    return Apply(FlipSelectionFunctionId, {Int(h), Int(v)});
}

PpQnExpr MakePasteIntoSelectionExpr(const PpQnExpr& target, const PpQnExpr& pasted, const PpQnExpr& mask)
{
    RegisterPictureFunctions();
    return Apply(PasteIntoSelectionFunctionId, {target, pasted, mask});
}

PpQnExpr MakeStitchExpr(const PpQnExpr& first, const PpQnExpr& second, long dx, long dy, long percent,
                        long colour)
{
    RegisterPictureFunctions();
    return Apply(StitchFunctionId, {first, second, Int(dx), Int(dy), Int(percent), Int(colour)});
}

PpQnExpr MakeBordersExpr(const PpQnExpr& picture, long colour, long frameWidth, long matWidth, long light,
                         long frameShape, const char* frameStyle, const char* matName)
{
    RegisterPictureFunctions();
    return Apply(BordersFunctionId, {picture, Int(colour), Int(frameWidth), Int(matWidth), Int(light),
                                     Int(frameShape), PpQnExpr(PpQnFlVal(frameStyle)),
                                     PpQnExpr(PpQnFlVal(matName))});
}
