#include "drawctx/WaDestSite.h"

#include "drawctx/WaFreeList.h"
#include "drawctx/WaPlaneData.h"

namespace {

class WaDestPlane : public ZVXFPLANE {
public:
    explicit WaDestPlane(WaDestSite& site) : site_(site) {}

    ZVXFROWFORMAT Format() const override
    {
        const int32_t bytes = site_.Bits() / 8;
        return ZVXFROWFORMAT{bytes, 1, bytes};
    }
    ZVXFREADPLANEDATA* CreateReadData(int32_t x, int32_t y) override { return CreateReadWriteData(x, y); }
    // The site's row, whatever position is asked for: it is the only row.
    ZVXFPLANEDATA* CreateReadWriteData(int32_t, int32_t) override
    {
        return new WaPlaneData(QnRect{site_.Left(), site_.Row(), site_.Right(), site_.Row() + 1}, site_.Buffer());
    }
    ZVXFPLANE* Copy() const override { return new WaDestPlane(site_); }

    WA_FREE_LIST_OBJECT(WaDestPlane)

private:
    WaDestSite& site_;
};

} // namespace

WaDestSite::WaDestSite(uint8_t* buffer, int32_t row, int32_t left, int32_t right, int bits)
    : buffer_(buffer), row_(row), left_(left), right_(right), bits_(bits)
{
    Retarget(buffer, row);
}

void WaDestSite::Retarget(uint8_t* buffer, int32_t row)
{
    if (!buffer) {
        if (own_.empty())
            own_.resize(size_t(right_ - left_) * size_t(bits_ / 8) + 1);
        buffer = own_.data();
    }
    buffer_ = buffer;
    row_ = row;
}

ZVXFPLANE* WaDestSite::CreatePlane() { return new WaDestPlane(*this); }
