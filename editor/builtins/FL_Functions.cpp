#include "editor/builtins/FL_Functions.h"

#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "lang/FlInt.h"
#include "lang/LsmDsc.h"
#include "lang/MachineContext.h"
#include "picture/Picture.h"

namespace {

BuiltinSlot& NewPictureSlot()
{
    static BuiltinSlot slot(NewPictureFunction, 5);
    return slot;
}

BuiltinSlot& LoadPictureSlot()
{
    static BuiltinSlot slot(LoadPictureFunction, 1);
    return slot;
}

// Argument k as an integer; line is the line named by a failed cast.
int32_t IntArg(QnMachineContext& m, uint32_t k, int line)
{
    return QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(k)), "FL_Functions", line)->Value();
}

// Made at program start.
const FlFunctionsRegistrar registrar;

}  // namespace

PpQnExpr NewPictureFunction(QnMachineContext& m, int, QnEvalControl*)
{
    const auto colour = uint32_t(IntArg(m, 1, 38));
    const int32_t width = IntArg(m, 2, 39);
    const int32_t height = IntArg(m, 3, 40);
    const int32_t hRes = IntArg(m, 4, 41);
    const int32_t vRes = IntArg(m, 5, 42);
    PpQnPicture picture(width, height, colour);
    picture->SetHRes(hRes);
    picture->SetVRes(vRes);
    return PpQnExpr(PpQnFlVal(picture));
}

PpQnExpr LoadPictureFunction(QnMachineContext& m, int, QnEvalControl* control)
{
    const QnPp<QnLsmDsc> dsc = QnCheckedCast<QnLsmDsc>(QnValueOf(*m.arg_get(1)), "FL_Functions", 62);
    const PpQnPicture picture(PpQnLsmDsc(dsc), control);
    return PpQnExpr(PpQnFlVal(picture));
}

FlFunctionsRegistrar::FlFunctionsRegistrar()
{
    NewPictureSlot().Id();
    LoadPictureSlot().Id();
}

QnFunId FlFunctionsRegistrar::NewPictureId()
{
    return NewPictureSlot().Id();
}

QnFunId FlFunctionsRegistrar::LoadPictureId()
{
    return LoadPictureSlot().Id();
}

PpQnExpr MakeNewPictureExpr(uint32_t colour, int32_t width, int32_t height, int32_t hRes, int32_t vRes)
{
    PpQnExpr e(FlFunctionsRegistrar::NewPictureId(), -1);
    for (int32_t arg : {int32_t(colour), width, height, hRes, vRes})
        e = PpQnExpr(e, PpQnExpr(PpQnFlVal(arg)));
    return e;
}

PpQnExpr MakeLoadPictureExpr(const PpQnLsmDsc& descriptor)
{
    return PpQnExpr(PpQnExpr(FlFunctionsRegistrar::LoadPictureId(), -1), PpQnExpr(PpQnFlVal(descriptor)));
}

PpQnExpr MakeLoadFileExpr(const char* path, QnFileDescriptor::fd_type kind)
{
    return MakeLoadPictureExpr(PpQnFileDescriptor(path, kind));
}
