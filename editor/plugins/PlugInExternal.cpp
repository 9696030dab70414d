#include "editor/plugins/PlugInExternal.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/builtins/FlRectPict.h"
#include "editor/operations/PictureRowAccess.h"
#include "editor/plugins/PlugInRunDisplay.h"
#include "editor/plugins/PlugInWorkAreas.h"
#include "framework/App.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"
#include "picture/Picture.h"
#include "render/XFormXY.h"

namespace {

constexpr const char* kFile = "PlugInExternal";

void* MainWindow()
{
    fw::App* app = fw::App::Get();
    return app ? app->GetMainWidget() : nullptr;
}

// Pixels of result outside the mask within rect go back to the input's.
// The mask is rendered a band at a time; only rows where it leaves pixels
// out are read and written again.
void RestoreOutsideMask(const PpQnPicture& input, const PpQnRenderObj& mask, const PpQnPicture& result,
                        const QnRect& rect)
{
    constexpr int32_t kBandRows = 64;
    const int32_t bpp = input->Type() == WA_RGB24 ? 3 : 1;
    const int32_t height = input->GetHeight();
    const size_t width = size_t(rect.Width());
    std::vector<uint8_t> before(size_t(input->GetWidth()) * size_t(bpp));
    std::vector<uint8_t> after(before.size());
    for (int32_t top = rect.top; top < rect.bottom; top += kBandRows) {
        const QnRect band{rect.left, top, rect.right, std::min(top + kBandRows, rect.bottom)};
        const PictureRowAccess selected(mask, 1, band);
        for (int32_t y = band.top; y < band.bottom; ++y) {
            const uint8_t* m = selected.Row(y - band.top);
            if (!std::memchr(m, 0, width))
                continue;
            input->GetRow(0, 0, height - 1 - y, before.data());
            result->GetRow(0, 0, height - 1 - y, after.data());
            for (size_t x = 0; x < width; ++x) {
                if (!m[x]) {
                    const size_t at = (size_t(rect.left) + x) * size_t(bpp);
                    std::copy_n(before.data() + at, bpp, after.data() + at);
                }
            }
            result->WriteToRow(0, y, QnRange{rect.left, rect.right}, after.data() + size_t(rect.left) * size_t(bpp));
        }
    }
}

// Whether any pixel of rect differs between the two pictures of one type.
bool AnyPixelDiffers(const PpQnPicture& a, const PpQnPicture& b, const QnRect& rect)
{
    const size_t bytes = size_t(rect.Width()) * size_t(a->Type() == WA_RGB24 ? 3 : 1);
    std::vector<uint8_t> rowA(bytes), rowB(bytes);
    for (int32_t y = rect.top; y < rect.bottom; ++y) {
        a->ReadFromRow(0, y, QnRange{rect.left, rect.right}, rowA.data());
        b->ReadFromRow(0, y, QnRange{rect.left, rect.right}, rowB.data());
        if (std::memcmp(rowA.data(), rowB.data(), bytes) != 0)
            return true;
    }
    return false;
}

} // namespace

PpQnExpr RunExternalPlugInFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const PpExternalPlugIn plugIn = QnCheckedCast<ExternalPlugIn>(QnValueOf(*m.arg_get(1)), kFile, __LINE__);
    const PpQnPicture picture = QnCheckedCast<QnPicture>(QnValueOf(*m.arg_get(2)), kFile, __LINE__);
    const PpQnRenderObj mask = QnCheckedCast<QnRenderObj>(QnValueOf(*m.arg_get(3)), kFile, __LINE__);
    const uint32_t foreground = uint32_t(QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(4)), kFile, __LINE__)->Value());
    const uint32_t background = uint32_t(QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(5)), kFile, __LINE__)->Value());

    const QnRect pictureRect = picture->GetRect(QnXFormXY());
    const QnRect maskRect = mask->GetRect(QnXFormXY());
    PpQnPicture result(picture, 1);

    SrcWA source(PpQnRenderObj(picture), picture->Type(), picture->GetHRes(), picture->GetVRes());
    SrcWA maskArea(mask, WA_GRAY, 300, 300);
    DstWA destination(result);
    // The host puts the mask's bottom edge offset.y rows above the
    // picture's, so the filter rectangle covers the mask's rows.
    const PIPOINT offset{maskRect.left - pictureRect.left, pictureRect.bottom - maskRect.bottom};
    PIRECT changed{0, 0, 0, 0};
    int32_t withinSelection = 1;
    {
        const PlugInRunProgress progress(control);
        plugIn->Execute(MainWindow(), background, foreground, &destination, &source, offset, &maskArea,
                        ProgressFunction, DisplayFunction, &changed, &withinSelection);
    }

    QnRect written{changed.left, changed.top, changed.right, changed.bottom};
    const QnRect clipped = QnIntersectRect(written, pictureRect);
    if (withinSelection == 1 && !clipped.IsEmpty())
        RestoreOutsideMask(picture, mask, result, clipped);
    // A plug-in that wrote every pixel back as it was changed nothing: the
    // empty rectangle says so, and the document records no step for it.
    if (clipped.IsEmpty() || !AnyPixelDiffers(picture, result, clipped))
        written = QnRect{};
    return PpQnExpr(PpQnFlVal(MakeFlRectPict(result, &written)));
}

PpQnExpr MakeRunExternalPlugInExpr(uint32_t id, const PpQnExpr& picture, const PpQnExpr& mask,
                                   uint32_t foreground, uint32_t background)
{
    static BuiltinSlot slot(RunExternalPlugInFunction, 5);
    PpQnExpr e(slot.Id(), -1);
    e = PpQnExpr(e, PpQnExpr(PpQnFlVal(QnCreate<ExternalPlugIn>(id))));
    e = PpQnExpr(e, picture);
    e = PpQnExpr(e, mask);
    e = PpQnExpr(e, PpQnExpr(PpQnFlVal(int32_t(foreground))));
    e = PpQnExpr(e, PpQnExpr(PpQnFlVal(int32_t(background))));
    return e;
}
