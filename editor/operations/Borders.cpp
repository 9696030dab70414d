#include "editor/operations/Borders.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/operations/PicFactory.h"
#include "editor/operations/PictureRowAccess.h"
#include "lang/FlInt.h"
#include "lang/FlString.h"
#include "lang/MachineContext.h"
#include "picture/Picture.h"

namespace {

constexpr const char* kFile = "Borders";
// The dialog never asks for more; a larger width only makes a picture too
// big to keep.
constexpr int32_t kMaxBandWidth = 1 << 16;

int32_t IntArg(QnMachineContext& m, int i)
{
    return QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(i)), kFile, __LINE__)->Value();
}

int32_t Width(int32_t w) { return std::clamp(w, 0, kMaxBandWidth); }

// The band starts in the colour, so pixels whose pictures are missing show
// a plain band rather than whatever the new buffer held.
void FillRow(uint8_t* row, int32_t width, int32_t bytes, uint32_t colour)
{
    const uint8_t blue = uint8_t(colour >> 16), green = uint8_t(colour >> 8), red = uint8_t(colour);
    if (bytes == 1) {
        std::memset(row, (red + green + blue) / 3, size_t(width));
        return;
    }
    for (int32_t x = 0; x < width; ++x) {
        row[3 * x] = blue;
        row[3 * x + 1] = green;
        row[3 * x + 2] = red;
    }
}

}  // namespace

PpQnExpr BordersFunction(QnMachineContext& m, int, QnEvalControl*)
{
    const PpQnPicture source = QnCheckedCast<QnPicture>(QnValueOf(*m.arg_get(1)), kFile, __LINE__);
    const uint32_t colour = uint32_t(IntArg(m, 2));
    const int32_t frameWidth = Width(IntArg(m, 3));
    const int32_t matWidth = Width(IntArg(m, 4));
    const int32_t light = IntArg(m, 5);
    const int32_t profile = IntArg(m, 6);
    const std::string frameName = QnCheckedCast<QnFlString>(QnValueOf(*m.arg_get(7)), kFile, __LINE__)->Value();
    const std::string matName = QnCheckedCast<QnFlString>(QnValueOf(*m.arg_get(8)), kFile, __LINE__)->Value();

    const QnRect r = source->GetRect(QnXFormXY());
    const int32_t w = int32_t(r.Width()), h = int32_t(r.Height()), b = frameWidth + matWidth;
    const int32_t W = w + 2 * b, H = h + 2 * b;
    const int32_t bytes = source->Type() == WA_RGB24 ? 3 : 1;

    PpQnPicture result(W, H, source->Type(), nullptr);
    result->SetHRes(source->GetHRes());
    result->SetVRes(source->GetVRes());
    {
        std::optional<PictureRowAccess> in;
        if (w > 0 && h > 0)
            in.emplace(PpQnRenderObj(source), bytes, r);
        PictureRowAccess out(result, QnRect{0, 0, W, H});
        for (int32_t i = 0; i < H; ++i) {
            uint8_t* row = out.Row(i);
            FillRow(row, W, bytes, colour);
            if (in && i >= b && i < b + h)
                std::memcpy(row + ptrdiff_t(b) * bytes, in->Row(i - b), size_t(w) * size_t(bytes));
        }
        CPicFactory factory;
        factory.PrepareFrame(bytes == 1, W, H, colour, frameWidth, matWidth, light, profile, frameName, matName);
        // The painter counts rows from the bottom.
        for (int32_t i = 0; i < H; ++i)
            factory.RenderRow(out.Row(i), H - 1 - i);
    }
    return PpQnExpr(PpQnFlVal(result));
}
