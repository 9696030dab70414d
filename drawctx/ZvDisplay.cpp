#include "drawctx/ZvDisplay.h"

#include <algorithm>

namespace {

ZvDisplay& Recorded()
{
    static ZvDisplay display;
    return display;
}

} // namespace

const ZvDisplay& ZvRecordedDisplay() { return Recorded(); }

ZvDisplay ZvRecordDisplay(const ZvDisplay& display)
{
    const ZvDisplay old = Recorded();
    ZvDisplay d = display;
    d.paletteSize = std::clamp(d.paletteSize, 0, 256);
    d.reserved = std::clamp(d.reserved, 0, 256);
    Recorded() = d;
    return old;
}

ZvDisplay ZvDisplayOf(const DeviceContext*) { return ZvDisplay{}; }
