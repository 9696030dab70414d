#include "drawctx/WaLowColorDrawContext.h"
#include "drawctx/WaPaletteDrawContext.h"
#include "drawctx/WaTrueColorDrawContext.h"

#include <new>

ZV_DRAWCONTEXT* WACreateDrawContext(WA* picture, ZV_REDRAWNTF* receiver)
{
    const ZvDisplay& display = ZvRecordedDisplay();
    try {
        switch (display.GetKind()) {
        case ZvDisplay::Palette: return new WaPaletteDrawContext(picture, receiver, display);
        case ZvDisplay::LowColor: return new WaLowColorDrawContext(picture, receiver, display);
        case ZvDisplay::TrueColor:
        default: return new WaTrueColorDrawContext(picture, receiver, display);
        }
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
