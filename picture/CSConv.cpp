#include "picture/CSConv.h"

#include "gc/QnObjLock.h"
#include "picture/GrayConv.h"
#include "picture/HSVConv.h"
#include "picture/PalConv.h"
#include "picture/PictureRcStr.h"

namespace {

// One instance, registered and locked for the life of the library.
template <class C>
struct Single {
    Single()
    {
        instance.RegisterObject();
        lock = &instance;
    }
    struct Instance : C {
        using C::RegisterObject;
    } instance;
    QnObjLock lock;
};

// Built in the order of the converter types.
struct Singles {
    Single<Converter_ToGray> toGray;
    Single<Converter_FromGray> fromGray;
    Single<Converter_ToGrayA> toGrayA;
    Single<Converter_FromGrayA> fromGrayA;
    Single<Converter_ToHSVA> toHSVA;
    Single<Converter_FromHSVA> fromHSVA;
};

} // namespace

QnPixConverter* QnSingleConverterOf(int t)
{
    static Singles singles;
    switch (t) {
    case PpQnCS::TO_GRAY: return &singles.toGray.instance;
    case PpQnCS::FROM_GRAY: return &singles.fromGray.instance;
    case PpQnCS::TO_GRAY_A: return &singles.toGrayA.instance;
    case PpQnCS::FROM_GRAY_A: return &singles.fromGrayA.instance;
    case PpQnCS::TO_HSV_A: return &singles.toHSVA.instance;
    case PpQnCS::FROM_HSV_A: return &singles.fromHSVA.instance;
    default: return nullptr;
    }
}

namespace {

QnPixConverter* CheckedSingle(int t)
{
    QnPixConverter* c = QnSingleConverterOf(t);
    if (!c)
        QN_PICTURE_RAISE(QN_PIC_UNKNOWN_CONVERTER, "CSConv");
    return c;
}

QnPp<QnPixConverter> MakePalette(int t, const PALETTEENTRY* palette, int count)
{
    if (t == PpQnCS::PAL_RESERVED)
        QN_PICTURE_RAISE(QN_PIC_NOT_IMPLEMENTED_CONVERTER, "CSConv");
    if (t != PpQnCS::FROM_PAL_A)
        QN_PICTURE_RAISE(QN_PIC_UNKNOWN_CONVERTER, "CSConv");
    if (count < 1 || count > 256 || !palette)
        QN_PICTURE_RAISE(QN_PIC_BAD_PALETTE_SIZE, "PalConv");
    return QnCreate<Converter_FromPalA>(palette, count);
}

} // namespace

PpQnCS::PpQnCS(ConvType t) : PpQnPixConverter(CheckedSingle(t)) {}

PpQnCS::PpQnCS(PalettedConvType t, const PALETTEENTRY* palette, int count)
    : PpQnPixConverter(MakePalette(t, palette, count))
{
}
