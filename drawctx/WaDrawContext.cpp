#include "drawctx/WaDrawContext.h"

#include "blt/RgnMap.h"
#include "dither/GammaTable.h"
#include "dither/ZvDither.h"
#include "drawctx/ZvColorRules.h"
#include "drawctx/ZvExcept.h"
#include "drawctx/zvxform/XfolExcept.h"

namespace {

WA* Checked(WA* picture)
{
    if (!picture)
        throw bltbadparams(__FILE__, __LINE__);
    return picture;
}

} // namespace

WaDrawContext::WaDrawContext(WA* picture, ZV_REDRAWNTF* receiver, const ZvDisplay& display)
    : ZV_DRAWCONTEXT(receiver), pictureRef_(Checked(picture)), picture_(picture), display_(display)
{
    requested_ = ZvNaturalOptions(picture_->type);
    effective_ = ZvEffectiveOptions(requested_, picture_->type);
    xf_ = ZVXFORM(XFFACT(0, picture_->width, 0, picture_->width), XFFACT(0, picture_->height, picture_->height, 0));
    UpdatePictureRgn();
    MarkAllInvalid();
    FillGammaTables();
}

WaDrawContext::~WaDrawContext() = default;

void WaDrawContext::UpdatePictureRgn()
{
    QnRect r{0, 0, picture_->width, picture_->height};
    WAToClient(r, ZVXF_RECT_NEAREST);
    pictureRgn_ = QnRgn(r);
    if (!(tiles_.Area() == r))
        tiles_.SetArea(r);
}

void WaDrawContext::FillGammaTables()
{
    QnFillGammaTable(gammaTables_[0], gamma_.red);
    QnFillGammaTable(gammaTables_[1], gamma_.green);
    QnFillGammaTable(gammaTables_[2], gamma_.blue);
}

void WaDrawContext::SettleOptions() { effective_ = ZvEffectiveOptions(requested_, picture_->type); }

void WaDrawContext::ClearChanges()
{
    changes_ = WaChanges{};
    drawn_ = true;
}

void WaDrawContext::SetXF(const ZVXFORM& xf, int redraw)
{
    if (xf == xf_)
        return;
    int32_t dx = 0, dy = 0;
    bool shift = false;
    try {
        shift = xf.X.IsShiftOf(xf_.X, dx) && xf.Y.IsShiftOf(xf_.Y, dy);
    } catch (const xfol_overflow&) {
        // A move too far to count in pixels is drawn afresh.
        shift = false;
    }
    ZV_DRAWCONTEXT::SetXF(xf, redraw);
    UpdatePictureRgn();
    if (shift) {
        invalid_ = QnOffsetRgn(invalid_, dx, dy);
    } else {
        changes_.transform = true;
        MarkAllInvalid();
    }
    if (redraw)
        SendRedraw(nullptr, nullptr, 1);
}

void WaDrawContext::InvalidateImageBits(const QnRect* r)
{
    changes_.bits = true;
    if (!r) {
        MarkAllInvalid();
        SendRedraw(nullptr, nullptr, 0);
        return;
    }
    QnRect client = *r;
    WAToClient(client, ZVXF_RECT_NEAREST);
    const QnRgn region(client);
    invalid_ += region;
    SendRedraw(&region, &region, 0);
}

void WaDrawContext::InvalidatePalette()
{
    if (picture_->type != WA_TYPE_4BIT && picture_->type != WA_TYPE_8BIT)
        return;
    changes_.palette = true;
    MarkAllInvalid();
    SendRedraw(nullptr, nullptr, 0);
}

void WaDrawContext::InvalidateAll()
{
    changes_.options = true;
    MarkAllInvalid();
    SendRedraw(nullptr, nullptr, 0);
}

void WaDrawContext::ResetDrawOptions() { SetDrawOptions(ZvNaturalOptions(picture_->type)); }

void WaDrawContext::SetDrawOptions(const ZV_CDOPTFV& options)
{
    if (options == requested_)
        return;
    requested_ = options;
    InvalidateAll();
}

int WaDrawContext::IsFastDrawAllowed(const ZV_CDOPT& options) const
{
    return ZvIsFastDrawAllowed(display_, picture_->type, options);
}

void WaDrawContext::SetMonitorGamma(const ZV_MG& gamma)
{
    if (gamma == gamma_)
        return;
    gamma_ = gamma;
    if (!IsGammaSupported())
        return;
    FillGammaTables();
    changes_.gamma = true;
    SendRedraw(nullptr, nullptr, 0);
}

void WaDrawContext::SetDitherOrigin(int x, int y) { ditherOrigin_ = QnPoint{x, y}; }

void WaDrawContext::CorrectOutputRow(uint8_t*, int, int32_t) {}

void WaDrawContext::GetDitherTables(int** table, LOGPALETTE** palette)
{
    *table = nullptr;
    *palette = &optionPalette_;
}

bool WaDrawContext::FillOptionPalette(const ZV_CDOPT& options, LOGPALETTE& out)
{
    out = LOGPALETTE{};
    ZvdDither* d = ZvdCreateDither(options.color, options.colors, options.flags, nullptr, &out, 0, 0, 0, 0, 0);
    if (!d)
        return false;
    ZvdFreeDither(d);
    return out.palNumEntries > 0;
}

void WaDrawContext::FillPicturePalette(LOGPALETTE& out) const
{
    out = LOGPALETTE{};
    out.palNumEntries = uint16_t(picture_->GetPaletteEntries(0, 256, out.palPalEntry));
}

void WaDrawContext::ApplyGamma(LOGPALETTE& palette) const
{
    if (gamma_.IsIdentity())
        return;
    for (int i = 0; i < palette.palNumEntries; ++i) {
        PALETTEENTRY& e = palette.palPalEntry[i];
        e.peRed = gammaTables_[0][e.peRed];
        e.peGreen = gammaTables_[1][e.peGreen];
        e.peBlue = gammaTables_[2][e.peBlue];
    }
}

void WaDrawContext::SetBandIndices(const QnRect& r, int bits, int n)
{
    band_.width = r.Width();
    band_.bits = bits;
    band_.paletteIndices = n > 0;
    band_.table.resize(size_t(n));
    for (int i = 0; i < n; ++i)
        band_.table[size_t(i)] = uint16_t(i);
}

void WaDrawContext::ForwardRedraw(int32_t, const QnRgn* region, int32_t, int flag)
{
    SendRedraw(region, region, flag);
}
