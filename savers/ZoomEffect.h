// The magnifying glass: inside the square's circle, the e/2 x e/2 area that
// starts (ox, oy) into the square, shown at twice its size. The offsets
// follow the square across the picture, so the glass looks at the square's
// top-left quarter at the picture's top-left and at its bottom-right quarter
// at the bottom-right.
#pragma once

#include "savers/SaverEffect.h"

class ZoomEffect : public SaverEffect {
public:
    // The square is made anew on every call, also when e stays.
    bool SetEffectSize(int32_t size, int32_t strength) override;

    // x x e / (2 (side - e)), 0 when the side equals e.
    static int32_t Offset(int32_t corner, int32_t e, int32_t side);

protected:
    void ComposeCircle() override;
};
