#include "editor/ui/PreviewFunction.h"

#include <cstring>

#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "imexp/WorkArea.h"
#include "lang/FlInt.h"
#include "lang/LangExcept.h"
#include "lang/MachineContext.h"
#include "picture/Picture.h"
#include "render/FillRenderObj.h"
#include "render/NullConverter.h"
#include "render/XFormXY.h"

namespace {

constexpr const char* kFile = "PreviewControl";

int32_t IntArg(QnMachineContext& m, uint32_t i)
{
    return QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(i)), kFile, __LINE__)->Value();
}

}  // namespace

PpQnExpr PreviewFunction(QnMachineContext& m, int, QnEvalControl*)
{
    const PpQnRenderObj source = QnCheckedCast<QnRenderObj>(QnValueOf(*m.arg_get(1)), kFile, __LINE__);
    const QnRect part{IntArg(m, 2), IntArg(m, 3), IntArg(m, 4), IntArg(m, 5)};
    if (source->GetRect(QnXFormXY()) == part)
        return PpQnExpr(PpQnFlVal(source));
    if (part.Width() <= 0 || part.Height() <= 0)
        QnLangExcept("The preview's part of the picture is empty", kFile, __LINE__).raise();

    // The whole part is rendered at once in the standard 24-bit form, then
    // copied into the tiles of its own picture.
    const QnFillRenderObj::PlaneFmt format{3, 1, 3};
    const PpQnFillRenderObj fill(source->GetSpacedRender(PpQnPixConverter(PpQnPixConverter::TAG{}), 0), 1, &format);
    const PpQnPixBuf pixels = fill->RenderRect(QnXFormXY(), 0, part, nullptr);
    PpQnPicture result(int32_t(part.Width()), int32_t(part.Height()), WA_RGB24, nullptr);
    for (int32_t y = 0; y < result->GetHeight(); y += QnPicture::kTile) {
        for (int32_t x = 0; x < result->GetWidth(); x += QnPicture::kTile) {
            QnRect tile;
            const PpQnPixBuf dst = result->GetAccessToBuffer(0, QnPoint{x, y}, &tile);
            const size_t rowBytes = size_t(tile.Width()) * 3;
            for (int32_t row = 0; row < int32_t(tile.Height()); ++row)
                std::memcpy(dst->Row(row), pixels->CRow(tile.top + row) + size_t(tile.left) * 3, rowBytes);
        }
    }
    return PpQnExpr(PpQnFlVal(result));
}

QnFunId RegisterPreviewFunction()
{
    static BuiltinSlot slot(PreviewFunction, 5);
    return slot.Id();
}

PpQnExpr MakePreviewExpr(const PpQnExpr& picture, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    PpQnExpr e(PpQnExpr(RegisterPreviewFunction(), -1), picture);
    for (const int32_t v : {left, top, right, bottom})
        e = PpQnExpr(e, PpQnExpr(PpQnFlVal(v)));
    return e;
}
