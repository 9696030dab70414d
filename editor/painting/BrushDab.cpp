#include "editor/painting/BrushDab.h"

#include "editor/ui/LdMask.h"
#include "editor/ui/ProgramEnvironment.h"

#include <QImage>

#include <algorithm>

namespace {

constexpr uint32_t IDB_BRUSH_SHAPES = 200;

struct DabState {
    std::mutex lock;
    CLdMask mask;
    int32_t size = -1, shape = -1, smooth = -1;
};

DabState& State()
{
    static DabState* state = new DabState; // used by evaluations until the very end
    return *state;
}

const QImage& ShapeStrip()
{
    static const QImage strip = LdLoadProgramBitmap(IDB_BRUSH_SHAPES).value_or(QImage());
    return strip;
}

} // namespace

std::unique_lock<std::mutex> BrushDabLock() { return std::unique_lock<std::mutex>(State().lock); }

BrushDabMask MakeBrushDab(int32_t size, int32_t shape, int32_t smooth)
{
    DabState& s = State();
    size = std::max(size, 1);
    if (size != s.size || shape != s.shape || smooth != s.smooth) {
        // Forget the old key first: a size too large to hold raises here.
        s.size = -1;
        s.mask.Begin(size, size, false, 1);
        if (size == 1)
            s.mask.PatBlt(0, 0, 1, 1, LD_BLACKNESS);
        else
            s.mask.DrawShapeCell(ShapeStrip(), shape, smooth);
        s.mask.End();
        s.size = size;
        s.shape = shape;
        s.smooth = smooth;
    }
    return BrushDabMask{s.mask.GetBits(), s.mask.GetRowBytes(), size};
}
