#include "editor/operations/PixelColor.h"

#include "editor/operations/PictureRowAccess.h"
#include "render/PixConverter.h"

uint32_t GetRenderObjPixelColor(const PpQnRenderObj& obj, const QnPoint& p)
{
    if (!obj || !obj->GetRect(QnXFormXY()).Contains(p))
        return 0;
    const PpQnRenderObj standard = obj->GetSpacedRender(PpQnPixConverter(PpQnPixConverter::TAG{}), 0);
    const PictureRowAccess pixel(standard, 3, QnRect{p.x, p.y, p.x + 1, p.y + 1});
    const uint8_t* bgr = pixel.Row(0);
    return uint32_t(bgr[2]) | uint32_t(bgr[1]) << 8 | uint32_t(bgr[0]) << 16;
}
