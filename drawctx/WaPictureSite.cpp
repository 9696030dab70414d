#include "drawctx/WaPictureSite.h"

#include "drawctx/WaFreeList.h"
#include "drawctx/WaPlaneData.h"
#include "drawctx/zvwa/WAConv.h"

#include <algorithm>
#include <vector>

namespace {

// The picture's rows in one format. A row that already has the wanted form
// is handed out in place; others are converted into a buffer that holds the
// last row asked for (the stretcher asks for the same row again when it
// enlarges, and never reads a run after asking for the next one).
class WaPicturePlane : public ZVXFPLANE {
public:
    WaPicturePlane(WA* wa, int format, int outside)
        : wa_(WAAddRef(wa)), format_(format), outside_(outside),
          bpp_(WaPictureSite::BytesPerPixel(format, wa->type))
    {
        if (wa_->type == WA_TYPE_4BIT || wa_->type == WA_TYPE_8BIT)
            wa_->GetPaletteEntries(0, uint16_t(WA::PaletteSizeOf(wa_->type)), palette_);
    }
    ~WaPicturePlane() override { WARelease(wa_); }

    ZVXFROWFORMAT Format() const override { return ZVXFROWFORMAT{bpp_, 1, bpp_}; }
    ZVXFREADPLANEDATA* CreateReadData(int32_t x, int32_t y) override { return Data(x, y); }
    ZVXFPLANEDATA* CreateReadWriteData(int32_t x, int32_t y) override { return Data(x, y); }
    ZVXFPLANE* Copy() const override { return new WaPicturePlane(wa_, format_, outside_); }

    WA_FREE_LIST_OBJECT(WaPicturePlane)

private:
    bool InPlace() const
    {
        switch (wa_->type) {
        case WA_TYPE_8BIT: return format_ == WA_PLANE_INDEX;
        case WA_TYPE_GRAY: return format_ == WA_PLANE_INDEX || format_ == WA_PLANE_GRAY;
        case WA_TYPE_RGB: return format_ == WA_PLANE_RGB;
        default: return false;
        }
    }

    // count pixels from first of packed row src into dst in the plane's form.
    void Convert(const uint8_t* src, int first, int count, uint8_t* dst) const
    {
        const int type = wa_->type;
        if (InPlace()) {
            std::copy_n(src + size_t(first) * size_t(bpp_), size_t(count) * size_t(bpp_), dst);
            return;
        }
        switch (format_) {
        case WA_PLANE_RGB:
            if (type == WA_TYPE_1BIT)
                WA_Conv_1_To_RGB(src, first, count, dst);
            else if (type == WA_TYPE_4BIT)
                WA_Conv_4_To_RGB(src, first, count, dst, palette_);
            else if (type == WA_TYPE_8BIT)
                WA_Conv_8_To_RGB(src, first, count, dst, palette_);
            else
                WA_Conv_Gray_To_RGB(src, first, count, dst);
            break;
        case WA_PLANE_INDEX:
            if (type == WA_TYPE_1BIT) {
                WA_Conv_1_To_8(src, first, count, dst);
                break;
            }
            if (type == WA_TYPE_4BIT) {
                WA_Conv_4_To_8(src, first, count, dst);
                break;
            }
            [[fallthrough]]; // colour pictures have no indices: their grey levels
        default:
            if (type == WA_TYPE_1BIT)
                WA_Conv_1_To_Gray(src, first, count, dst);
            else if (type == WA_TYPE_4BIT)
                WA_Conv_4_To_Gray(src, first, count, dst, palette_);
            else if (type == WA_TYPE_8BIT)
                WA_Conv_8_To_Gray(src, first, count, dst, palette_);
            else
                WA_Conv_RGB_To_Gray(src, first, count, dst);
            break;
        }
    }

    uint8_t* WholeRow(int32_t y)
    {
        uint8_t* row = wa_->Row(y);
        if (InPlace())
            return row;
        if (converted_.empty())
            converted_.resize(size_t(wa_->width) * size_t(bpp_));
        if (convertedRow_ != y) {
            Convert(row, 0, wa_->width, converted_.data());
            convertedRow_ = y;
        }
        return converted_.data();
    }

    WaPlaneData* Data(int32_t x, int32_t y)
    {
        const int32_t w = wa_->width, h = wa_->height;
        const bool xOut = x < 0 || x >= w;
        const bool yOut = y < 0 || y >= h;
        if (outside_ == WA_OUTSIDE_ZERO && (xOut || yOut)) {
            static const uint8_t zero[4] = {};
            if (xOut)
                return new WaPlaneData(x, y, zero, bpp_);
            if (zeros_.empty())
                zeros_.resize(size_t(w) * size_t(bpp_));
            return new WaPlaneData(QnRect{0, y, w, y + 1}, zeros_.data());
        }
        const int32_t row = std::clamp(y, 0, h - 1);
        if (xOut) {
            uint8_t pixel[4];
            Convert(wa_->Row(row), x < 0 ? 0 : w - 1, 1, pixel);
            return new WaPlaneData(x, y, pixel, bpp_);
        }
        return new WaPlaneData(QnRect{0, y, w, y + 1}, WholeRow(row));
    }

    WA* wa_;
    int format_;
    int outside_;
    int32_t bpp_;
    PALETTEENTRY palette_[256] = {};
    std::vector<uint8_t> converted_;
    int32_t convertedRow_ = -1;
    std::vector<uint8_t> zeros_;
};

} // namespace

WaPictureSite::WaPictureSite(WA* wa, int format, int outside)
    : wa_(WAAddRef(wa)), format_(format), outside_(outside)
{
}

WaPictureSite::~WaPictureSite() { WARelease(wa_); }

ZVXFPLANE* WaPictureSite::CreatePlane() { return new WaPicturePlane(wa_, format_, outside_); }

int WaPictureSite::BytesPerPixel(int format, int waType)
{
    switch (format) {
    case WA_PLANE_RGB: return 3;
    case WA_PLANE_GRAY:
    case WA_PLANE_INDEX: return 1;
    default: return waType == WA_TYPE_RGB ? 3 : 1;
    }
}
