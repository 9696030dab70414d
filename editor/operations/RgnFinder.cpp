#include "editor/operations/RgnFinder.h"

#include <algorithm>

#include "platform/ZeroedBytes.h"

bool CRgnFinder::Inside(int32_t x, int32_t y) const
{
    const uint8_t* p = bits_ + size_t(y) * stride_ + size_t(x) * 3;
    return lowBlue_ <= p[0] && p[0] <= highBlue_ && lowGreen_ <= p[1] && p[1] <= highGreen_ && lowRed_ <= p[2]
        && p[2] <= highRed_;
}

void CRgnFinder::FindRegion(const platform::BITMAPINFOHEADER* dib, int32_t x, int32_t y, platform::COLORREF low,
                            platform::COLORREF high)
{
    bits_ = reinterpret_cast<const uint8_t*>(dib) + dib->biSize;
    width_ = std::max(dib->biWidth, 0);
    height_ = std::max(dib->biHeight, 0);
    stride_ = (size_t(width_) * 3 + 3) / 4 * 4;
    lowRed_ = int(low & 0xFF), lowGreen_ = int(low >> 8 & 0xFF), lowBlue_ = int(low >> 16 & 0xFF);
    highRed_ = int(high & 0xFF), highGreen_ = int(high >> 8 & 0xFF), highBlue_ = int(high >> 16 & 0xFF);
    platform::AssignZeroedBytes(mask_, size_t(width_) * size_t(height_));
    boundLeft_ = boundTop_ = 0;
    boundRight_ = boundBottom_ = -1;
    work_.clear();
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || !Inside(x, y))
        return;
    work_.push_back({x, y});
    boundLeft_ = boundRight_ = x;
    boundTop_ = boundBottom_ = y;

    while (!work_.empty()) {
        const Seed seed = work_.back();
        work_.pop_back();
        uint8_t* row = mask_.data() + size_t(seed.y) * size_t(width_);
        if (row[seed.x])
            continue; // a span marked since this seed was pushed
        int32_t left = seed.x, right = seed.x;
        while (left > 0 && !row[left - 1] && Inside(left - 1, seed.y))
            --left;
        while (right + 1 < width_ && !row[right + 1] && Inside(right + 1, seed.y))
            ++right;
        std::fill(row + left, row + right + 1, uint8_t(255));
        boundLeft_ = std::min(boundLeft_, left);
        boundRight_ = std::max(boundRight_, right);
        boundTop_ = std::min(boundTop_, seed.y);
        boundBottom_ = std::max(boundBottom_, seed.y);
        if (seed.y + 1 < height_)
            PushRuns(seed.y + 1, left, right);
        if (seed.y > 0)
            PushRuns(seed.y - 1, left, right);
    }
    work_.shrink_to_fit();
}

void CRgnFinder::PushRuns(int32_t y, int32_t left, int32_t right)
{
    const uint8_t* row = mask_.data() + size_t(y) * size_t(width_);
    bool inRun = false;
    for (int32_t x = left; x <= right; ++x) {
        const bool open = !row[x] && Inside(x, y);
        if (open && !inRun)
            work_.push_back({x, y});
        inRun = open;
    }
}

void CRgnFinder::GetRegion(QnRgn* out) const
{
    std::vector<QnRect> rects;
    for (int32_t y = boundTop_; y <= boundBottom_; ++y) {
        const uint8_t* row = mask_.data() + size_t(y) * size_t(width_);
        for (int32_t x = boundLeft_; x <= boundRight_;) {
            if (!row[x]) {
                ++x;
                continue;
            }
            const int32_t start = x;
            while (x <= boundRight_ && row[x])
                ++x;
            rects.push_back(QnRect{start, height_ - 1 - y, x, height_ - y});
        }
    }
    *out = QnRgn::FromDisjointRects(std::move(rects));
}

QnRgn ColourRangeSelection(const std::vector<uint8_t>& dib, const QnPoint& seed, uint32_t colour,
                           int32_t tolerance)
{
    if (dib.size() < sizeof(platform::BITMAPINFOHEADER))
        return QnRgn();
    const auto* header = reinterpret_cast<const platform::BITMAPINFOHEADER*>(dib.data());
    const int32_t height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    if (seed.x < 0 || seed.y < 0 || seed.x >= header->biWidth || seed.y >= height)
        return QnRgn();
    uint32_t low = 0, high = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int32_t c = int32_t((colour >> shift) & 0xFF);
        low |= uint32_t(std::max(0, c - tolerance)) << shift;
        high |= uint32_t(std::min(255, c + tolerance)) << shift;
    }
    CRgnFinder finder;
    finder.FindRegion(header, seed.x, height - 1 - seed.y, low, high);
    QnRgn found;
    finder.GetRegion(&found);
    return found;
}
