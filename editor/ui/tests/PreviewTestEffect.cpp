#include "PreviewTestEffect.h"

#include <vector>

#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "imexp/WorkArea.h"
#include "lang/MachineContext.h"
#include "render/XFormXY.h"

int PreviewTestEffect::calls = 0;
PpQnRenderObj PreviewTestEffect::lastArgument;

namespace {

PpQnExpr SolidOfTheSameSize(QnMachineContext& m, int, QnEvalControl*)
{
    const PpQnRenderObj source = QnCheckedCast<QnRenderObj>(QnValueOf(*m.arg_get(1)), "test", __LINE__);
    ++PreviewTestEffect::calls;
    PreviewTestEffect::lastArgument = source;
    const QnRect r = source->GetRect(QnXFormXY());
    return PpQnExpr(PpQnFlVal(PpQnPicture(int32_t(r.Width()), int32_t(r.Height()), PreviewTestEffect::kColour)));
}

}  // namespace

PpQnExpr PreviewTestEffect::Function()
{
    static BuiltinSlot slot(SolidOfTheSameSize, 1);
    return PpQnExpr(slot.Id(), -1);
}

void PreviewTestEffect::Reset()
{
    calls = 0;
    lastArgument = PpQnRenderObj();
}

PpQnPicture RampPicture(int32_t width, int32_t height)
{
    PpQnPicture picture(width, height, WA_RGB24, nullptr);
    std::vector<unsigned char> row(size_t(width) * 3);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            row[3 * x] = uint8_t(x);
            row[3 * x + 1] = uint8_t(x >> 8);
            row[3 * x + 2] = uint8_t(y);
        }
        picture->SetRow(0, 0, height - 1 - y, row.data());  // rows of the file interface run bottom-up
    }
    return picture;
}

QRgb RampPixel(int32_t x, int32_t y)
{
    return qRgb(uint8_t(y), uint8_t(x >> 8), uint8_t(x));
}
