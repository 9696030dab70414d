#include "picture/ConvProgress.h"

void ConvProgress::Start() { indicator_.Show(1); }

void ConvProgress::End() { indicator_.Show(0); }

int ConvProgress::Step(int32_t current, int32_t total)
{
    if (indicator_.TestAbort()) {
        stopped_ = true;
        return 0;
    }
    // The library never reports negative counts; a stray one shows as 0.
    indicator_.SetProgress(uint32_t(current < 0 ? 0 : current), uint32_t(total < 0 ? 0 : total));
    return 1;
}
