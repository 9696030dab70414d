#include "drawctx/WaRowProducer.h"

#include "drawctx/WaDrawContext.h"
#include "drawctx/ZvExcept.h"

namespace {

// The row form a picture type is drawn in with options; may change the
// options where the picture's layers call for it.
int ChooseMode(int type, bool layered, ZV_CDOPT& o)
{
    switch (type) {
    case WA_TYPE_1BIT:
    case WA_TYPE_4BIT:
    case WA_TYPE_8BIT:
        if (!o.direct)
            return o.color ? WA_ROWS_RGB : WA_ROWS_GRAY;
        if (!layered)
            return WA_ROWS_INDEX;
        if (type == WA_TYPE_1BIT) {
            o = ZV_CDOPT(0, 0, 2, 1 * 8 | ZV_KIND_GREY); // two levels, error diffusion
            return WA_ROWS_GRAY;
        }
        // An optimised palette of the picture's own colours, error diffusion.
        o = ZV_CDOPT(1, 0, type == WA_TYPE_4BIT ? 16 : 256, 1 * 8 | ZV_KIND_OPTIMIZED);
        return WA_ROWS_RGB;
    case WA_TYPE_GRAY:
        return o.direct || !o.color ? WA_ROWS_GRAY : WA_ROWS_RGB;
    default:
        return o.color ? WA_ROWS_RGB : WA_ROWS_GRAY;
    }
}

} // namespace

WaRowProducer::WaRowProducer(WaDrawContext& context, const ZV_CDOPT& options, int* table, LOGPALETTE* palette,
                             int32_t x0, int32_t y0, int32_t left, int32_t right)
    : context_(context), options_(options), left_(left), right_(right)
{
    WA* wa = context.Picture();
    const bool layered = context.Layers().AnyVisible();
    const bool wasDirect = options_.direct;
    mode_ = ChooseMode(wa->type, layered, options_);
    const bool ownColours = layered && wasDirect && mode_ == WA_ROWS_RGB && wa->type != WA_TYPE_GRAY &&
                            wa->type != WA_TYPE_RGB;

    bool dither = false;
    switch (mode_) {
    case WA_ROWS_RGB:
        dither = options_.colors != 16777216;
        outputBits_ = options_.colors <= 256 ? 8 : 24;
        break;
    case WA_ROWS_GRAY:
        dither = options_.colors < 256 && !(wa->type == WA_TYPE_GRAY && options_.direct);
        outputBits_ = 8;
        break;
    default:
        outputBits_ = 8;
        break;
    }

    if (ownColours) {
        ownPalette_ = std::make_unique<LOGPALETTE>();
        ownPalette_->palNumEntries =
            uint16_t(wa->GetPaletteEntries(0, uint16_t(WA::PaletteSizeOf(wa->type)), ownPalette_->palPalEntry));
        ownObj_ = ZvdCreatePalette();
        table = ZvdGetTable(ownObj_);
        if (!table) {
            ZvdFreePalette(ownObj_);
            ownObj_ = nullptr;
            throw zvdrawerror(__FILE__, __LINE__);
        }
        ZvdMapToPalette(table, ownPalette_.get());
        palette = ownPalette_.get();
    }

    if (dither) {
        working_.resize(size_t(right - left) * (mode_ == WA_ROWS_RGB ? 3 : 1));
        dither_ = ZvdCreateDither(options_.color, options_.colors, options_.flags, table, palette, x0, y0, 0,
                                  right - left - 1, 0);
        if (!dither_) {
            // Without a context no row could be dithered; the draw ends here.
            if (ownObj_)
                ZvdFreePalette(ownObj_);
            throw zvdrawerror(__FILE__, __LINE__);
        }
    }
    const int format = mode_ == WA_ROWS_RGB ? WA_PLANE_RGB : mode_ == WA_ROWS_GRAY ? WA_PLANE_GRAY : WA_PLANE_INDEX;
    stretcher_ = std::make_unique<WaLayeredStretcher>(wa, context.GetXF(), context.Layers(), format, left, right);
}

WaRowProducer::~WaRowProducer()
{
    if (dither_)
        ZvdFreeDither(dither_);
    if (ownObj_) {
        ZvdReleaseTable(ownObj_);
        ZvdFreePalette(ownObj_);
    }
}

void WaRowProducer::ProduceRow(int32_t y, uint8_t* out)
{
    if (!dither_) {
        stretcher_->ProduceRow(y, out);
        return;
    }
    stretcher_->ProduceRow(y, working_.data());
    ZvdDitherRow(working_.data(), out, dither_);
}

void WaRowProducer::ProduceBand(int32_t top, int32_t bottom, uint8_t* rows)
{
    const int32_t width = right_ - left_;
    const size_t stride = size_t(BandRowBytes(width, outputBits_));
    for (int32_t y = bottom - 1; y >= top; --y, rows += stride) {
        ProduceRow(y, rows);
        context_.CorrectOutputRow(rows, outputBits_, width);
    }
}
