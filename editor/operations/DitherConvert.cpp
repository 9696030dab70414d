#include "editor/operations/DitherConvert.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "dither/ZvDither.h"
#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/operations/OperationStrings.h"
#include "editor/operations/PaletteData.h"
#include "editor/operations/TileWalk.h"
#include "editor/operations/UserAbortExcept.h"
#include "lang/CompApply.h"
#include "lang/CompConst.h"
#include "lang/CompLambda.h"
#include "lang/CompVar.h"
#include "lang/CompileFlExpr.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"
#include "lang/ProgressIndicatorAuto.h"
#include "picture/CSConv.h"
#include "picture/Picture.h"
#include "render/FillRenderObj.h"

namespace {

constexpr const char* kFile = "Convert";

// Kinds of output in the low bits of the ditherer's flags.
constexpr int32_t kGreyLevels = 0;
constexpr int32_t kUniformPalette = 5;
constexpr int32_t kOptimisedPalette = 7;

struct DitherFree {
    void operator()(ZvdDither* d) const { ZvdFreeDither(d); }
};
struct PaletteObjFree {
    void operator()(ZvdPaletteObj* p) const
    {
        ZvdReleaseTable(p);
        ZvdFreePalette(p);
    }
};

// The source as rows of grey (1 byte) or blue-green-red (3 bytes).
PpQnFillRenderObj SourceRows(const PpQnRenderObj& source, bool grey)
{
    const PpQnPixConverter converter =
        grey ? PpQnPixConverter(PpQnCS(PpQnCS::TO_GRAY)) : PpQnPixConverter(PpQnPixConverter::TAG{});
    const int32_t bpp = grey ? 1 : 3;
    const QnFillRenderObj::PlaneFmt format{bpp, 1, bpp};
    return PpQnFillRenderObj(source->GetSpacedRender(converter, 0), 1, &format);
}

// Writes one row of palette indices into row y of picture, tile by tile.
void WriteRow(const PpQnPicture& picture, int32_t y, const uint8_t* row)
{
    for (int32_t x = 0; x < picture->GetWidth(); x += QnPicture::kTile) {
        QnRect tile;
        const PpQnPixBuf dst = picture->GetAccessToBuffer(0, QnPoint{x, y}, &tile);
        std::memcpy(dst->Row(y - tile.top), row + tile.left, size_t(tile.Width()));
    }
}

struct DitherJob {
    int32_t colours;
    int32_t flags;
    const int* table;    // the optimised palette's map, or null
    LOGPALETTE palette;  // given to the ditherer; the result's palette
    int resultType;
};

// Dithers every row of the picture argument into a new picture of the
// job's type and palette.
PpQnExpr Dither(const PpQnPicture& source, DitherJob job, QnEvalControl* control)
{
    const bool grey = job.resultType == WA_1BIT;
    const PpQnFillRenderObj rows = SourceRows(PpQnRenderObj(source), grey);
    const QnRect rect = rows->GetRect(QnXFormXY());
    const int32_t width = rect.Width(), height = rect.Height();

    QnProgressIndicatorAuto progress(control, 0);
    progress.Show(1);
    progress.SetText(OperationString(grey ? IDS_CONVERTING_1BIT
                                          : job.resultType == WA_4BIT ? IDS_CONVERTING_4BIT : IDS_CONVERTING_8BIT)
                         .c_str());
    progress.SetProgress(0, uint32_t(height));

    const std::unique_ptr<ZvdDither, DitherFree> ditherer(ZvdCreateDither(
        grey ? 0 : 1, uint32_t(job.colours), uint32_t(job.flags), job.table, &job.palette, 0, 0, 0, width - 1, 0));
    if (!ditherer)
        QnExcept(OperationString(IDS_BAD_DITHER_OPTIONS).c_str(), kFile, __LINE__).raise();

    PpQnPicture result(width, height, job.resultType, grey ? nullptr : job.palette.palPalEntry);
    result->SetHRes(source->GetHRes());
    result->SetVRes(source->GetVRes());
    std::vector<uint8_t> indices(static_cast<size_t>(width));
    for (int32_t y = 0; y < height; ++y) {
        const PpQnPixBuf row =
            rows->RenderRow(QnXFormXY(), 0, rect.top + y, QnRange{rect.left, rect.right}, nullptr);
        ZvdDitherRow(row->CRow(0), indices.data(), ditherer.get());
        WriteRow(result, y, indices.data());
        ThrowIfAborted(&progress, kFile, __LINE__);
        progress.SetProgress(uint32_t(y), uint32_t(height));
    }
    return PpQnExpr(PpQnFlVal(result));
}

PpQnPicture PictureArg(QnMachineContext& m, int i)
{
    return QnCheckedCast<QnPicture>(QnValueOf(*m.arg_get(i)), kFile, __LINE__);
}

int32_t IntArg(QnMachineContext& m, int i)
{
    return QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(i)), kFile, __LINE__)->Value();
}

PpPaletteData PaletteArg(QnMachineContext& m, int i)
{
    return QnCheckedCast<PaletteData>(QnValueOf(*m.arg_get(i)), kFile, __LINE__);
}

PpQnExpr WithPalette(QnMachineContext& m, int type, int32_t colours, QnEvalControl* control)
{
    const PpPaletteData palette = PaletteArg(m, 2);
    return Dither(PictureArg(m, 1),
                  DitherJob{colours, IntArg(m, 3) | kOptimisedPalette, palette->Table(), palette->Palette(), type},
                  control);
}

BuiltinSlot& Slot1() { static BuiltinSlot s(ConvertTo1BitFunction, 2); return s; }
BuiltinSlot& Slot4() { static BuiltinSlot s(ConvertTo4BitFunction, 2); return s; }
BuiltinSlot& Slot4P() { static BuiltinSlot s(ConvertTo4BitPaletteFunction, 3); return s; }
BuiltinSlot& Slot8() { static BuiltinSlot s(ConvertTo8BitFunction, 2); return s; }
BuiltinSlot& Slot8P() { static BuiltinSlot s(ConvertTo8BitPaletteFunction, 3); return s; }
BuiltinSlot& SlotPalette() { static BuiltinSlot s(BuildPaletteFunction, 2); return s; }

// p -> f p extra... option.
PpQnExpr CompileUnary(QnFunId f, const PpQnExpr* palette, int32_t option)
{
    const PpQnCompVar p(QnCompVar::NEW_VAR);
    PpQnComp body = PpQnCompApply(PpQnCompConst(f, -1), p);
    if (palette)
        body = PpQnCompApply(body, PpQnCompConst(*palette));
    body = PpQnCompApply(body, PpQnCompConst(PpQnFlVal(option)));
    return QnCompileFlExpr(PpQnCompLambda(p, body));
}

}  // namespace

const LOGPALETTE& StandardPalette16()
{
    static const LOGPALETTE palette = [] {
        static const uint8_t rgb[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                           {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                           {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                           {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
        LOGPALETTE p;
        p.palNumEntries = 16;
        for (int i = 0; i < 16; ++i)
            p.palPalEntry[i] = PALETTEENTRY{rgb[i][0], rgb[i][1], rgb[i][2], 0};
        return p;
    }();
    return palette;
}

PpQnExpr ConvertTo1BitFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    return Dither(PictureArg(m, 1), DitherJob{2, IntArg(m, 2) | kGreyLevels, nullptr, {}, WA_1BIT}, control);
}

PpQnExpr ConvertTo4BitFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const PpQnPicture source = PictureArg(m, 1);
    const int32_t option = IntArg(m, 2);
    // Bayer patterns need the palette's regular levels; the others match
    // each colour to the nearest entry of the standard palette.
    if (option == 16)
        return Dither(source, DitherJob{16, option | kUniformPalette, nullptr, {}, WA_4BIT}, control);
    const std::unique_ptr<ZvdPaletteObj, PaletteObjFree> map(ZvdCreatePalette());
    if (!map)
        throw std::bad_alloc();
    ZvdMapToPalette(ZvdGetTable(map.get()), &StandardPalette16());
    return Dither(source,
                  DitherJob{16, option | kOptimisedPalette, ZvdGetTable(map.get()), StandardPalette16(), WA_4BIT},
                  control);
}

PpQnExpr ConvertTo4BitPaletteFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    return WithPalette(m, WA_4BIT, 16, control);
}

PpQnExpr ConvertTo8BitFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    return Dither(PictureArg(m, 1), DitherJob{216, IntArg(m, 2) | kUniformPalette, nullptr, {}, WA_8BIT},
                  control);
}

PpQnExpr ConvertTo8BitPaletteFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    return WithPalette(m, WA_8BIT, 256, control);
}

PpQnExpr BuildPaletteFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const PpQnRenderObj source = QnCheckedCast<QnRenderObj>(QnValueOf(*m.arg_get(1)), kFile, __LINE__);
    const int32_t colours = IntArg(m, 2);
    std::unique_ptr<ZvdPaletteObj, PaletteObjFree> counts(ZvdCreatePalette());
    if (!counts)
        throw std::bad_alloc();
    int* table = ZvdGetTable(counts.get());

    const PpQnFillRenderObj rows = SourceRows(source, false);
    const QnRect rect = rows->GetRect(QnXFormXY());
    const int32_t height = rect.Height();
    QnProgressIndicatorAuto progress(control, 0);
    progress.Show(1);
    progress.SetText(OperationString(IDS_BUILDING_PALETTE).c_str());
    progress.SetProgress(0, uint32_t(height));
    for (int32_t y = 0; y < height; ++y) {
        const PpQnPixBuf row =
            rows->RenderRow(QnXFormXY(), 0, rect.top + y, QnRange{rect.left, rect.right}, nullptr);
        ZvdCountRow(row->CRow(0), rect.Width(), table);
        ThrowIfAborted(&progress, kFile, __LINE__);
        progress.SetProgress(uint32_t(y), uint32_t(height));
    }
    return PpQnExpr(PpQnFlVal(QnCreate<PaletteData>(counts.release(), std::clamp(colours, 1, 256))));
}

void RegisterDitherConvertFunctions()
{
    for (BuiltinSlot* slot : {&Slot1(), &Slot4(), &Slot4P(), &Slot8(), &Slot8P(), &SlotPalette()})
        slot->Id();
}

PpQnExpr MakeBuildPaletteExpr(const PpQnExpr& picture, int32_t colours)
{
    return PpQnExpr(PpQnExpr(PpQnExpr(SlotPalette().Id(), -1), picture), PpQnExpr(PpQnFlVal(colours)));
}

PpQnExpr MakeConvertTo1BitExpr(int32_t option) { return CompileUnary(Slot1().Id(), nullptr, option); }
PpQnExpr MakeConvertTo4BitExpr(int32_t option) { return CompileUnary(Slot4().Id(), nullptr, option); }
PpQnExpr MakeConvertTo8BitExpr(int32_t option) { return CompileUnary(Slot8().Id(), nullptr, option); }

PpQnExpr MakeConvertTo4BitPaletteExpr(const PpQnExpr& palette, int32_t option)
{
    return CompileUnary(Slot4P().Id(), &palette, option);
}

PpQnExpr MakeConvertTo8BitPaletteExpr(const PpQnExpr& palette, int32_t option)
{
    return CompileUnary(Slot8P().Id(), &palette, option);
}
