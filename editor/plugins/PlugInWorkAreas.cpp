#include "editor/plugins/PlugInWorkAreas.h"

#include <algorithm>
#include <cstring>

#include "editor/operations/PictureRowAccess.h"
#include "render/XFormXY.h"

namespace {

constexpr int32_t kBandRows = 64;

int32_t PixelBytes(int32_t type) { return type == WA_RGB24 ? 3 : 1; }

} // namespace

SrcWA::SrcWA(const PpQnRenderObj& object, int32_t type, int32_t xRes, int32_t yRes)
    : object_(object), rect_(object->GetRect(QnXFormXY())), type_(type), xRes_(xRes), yRes_(yRes),
      pixelBytes_(PixelBytes(type))
{
}

SrcWA::~SrcWA() = default;

int32_t SrcWA::GetImageCount(int32_t& count)
{
    count = 1;
    return 0;
}

int32_t SrcWA::GetPageCount(int32_t, int32_t& count)
{
    count = 1;
    return 0;
}

int32_t SrcWA::GetSize(int32_t, int32_t, int32_t& width, int32_t& height)
{
    width = rect_.right - rect_.left;
    height = rect_.bottom - rect_.top;
    return 0;
}

int32_t SrcWA::GetType(int32_t, int32_t, int32_t& type)
{
    type = type_;
    return 0;
}

int32_t SrcWA::GetPalette(int32_t, int32_t, uint32_t*, int32_t) { return 0; }

int32_t SrcWA::GetResolution(int32_t, int32_t, int32_t& x, int32_t& y)
{
    x = xRes_;
    y = yRes_;
    return 0;
}

const uint8_t* SrcWA::RowPixels(int32_t row)
{
    const int32_t height = rect_.bottom - rect_.top;
    if (row < 0 || row >= height)
        return nullptr;
    const int32_t y = rect_.bottom - 1 - row;
    if (!band_ || y < bandTop_ || y >= bandBottom_) {
        band_.reset();
        // Bands run down from the rectangle's top, so the walk of the host
        // (bottom-up or top-down) renders each band once.
        bandTop_ = rect_.top + (y - rect_.top) / kBandRows * kBandRows;
        bandBottom_ = std::min(bandTop_ + kBandRows, rect_.bottom);
        band_ = std::make_unique<PictureRowAccess>(object_, pixelBytes_,
                                                   QnRect{rect_.left, bandTop_, rect_.right, bandBottom_});
    }
    return band_->Row(y - bandTop_);
}

int32_t SrcWA::ReadRow(int32_t, int32_t, int32_t row, uint8_t* buffer)
{
    const uint8_t* pixels = buffer ? RowPixels(row) : nullptr;
    if (!pixels)
        return 1;
    std::memcpy(buffer, pixels, size_t(rect_.right - rect_.left) * size_t(pixelBytes_));
    return 0;
}

int32_t SrcWA::ReadPixels(int32_t, int32_t, int32_t column, int32_t row, int32_t length, const uint8_t*& pixels)
{
    if (column < 0 || length <= 0 || int64_t{column} + length > int64_t{rect_.right} - rect_.left)
        return 1;
    const uint8_t* from = RowPixels(row);
    if (!from)
        return 1;
    const size_t bytes = size_t(length) * size_t(pixelBytes_);
    if (row_.size() < bytes)
        row_.resize(bytes);
    std::memcpy(row_.data(), from + size_t(column) * size_t(pixelBytes_), bytes);
    pixels = row_.data();
    return 0;
}

DstWA::DstWA(const PpQnPicture& result) : result_(result), pixelBytes_(PixelBytes(result->Type())) {}

int32_t DstWA::SetImageCount(int32_t) { return 0; }
int32_t DstWA::SetPageCount(int32_t, int32_t) { return 0; }
int32_t DstWA::SetSize(int32_t, int32_t, int32_t, int32_t) { return 0; }
int32_t DstWA::SetType(int32_t, int32_t, int32_t) { return 0; }
int32_t DstWA::SetPalette(int32_t, int32_t, const uint32_t*, int32_t) { return 0; }

int32_t DstWA::SetResolution(int32_t, int32_t, int32_t x, int32_t y)
{
    result_->SetHRes(x);
    result_->SetVRes(y);
    return 0;
}

int32_t DstWA::WriteRow(int32_t, int32_t, int32_t, const uint8_t*) { return 0; }

bool DstWA::Inside(int32_t column, int32_t row, int32_t length) const
{
    return row >= 0 && row < result_->GetHeight() && column >= 0 && length > 0 &&
           int64_t{column} + length <= result_->GetWidth();
}

int32_t DstWA::WritePixels(int32_t, int32_t, int32_t column, int32_t row, int32_t length, const uint8_t* pixels)
{
    if (!pixels || !Inside(column, row, length))
        return 1;
    result_->WriteToRow(0, result_->GetHeight() - 1 - row, QnRange{column, column + length}, pixels);
    return 0;
}

int32_t DstWA::ReadBackPixels(int32_t, int32_t, int32_t column, int32_t row, int32_t length,
                              const uint8_t*& pixels)
{
    if (!Inside(column, row, length))
        return 1;
    row_.resize(size_t(result_->GetWidth()) * size_t(pixelBytes_));
    result_->GetRow(0, 0, row, row_.data());
    pixels = row_.data() + size_t(column) * size_t(pixelBytes_);
    return 0;
}
