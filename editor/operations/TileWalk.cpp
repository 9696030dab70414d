#include "editor/operations/TileWalk.h"

#include <algorithm>
#include <cstring>

#include "editor/operations/UserAbortExcept.h"
#include "lang/ProcessControl.h"
#include "render/FillRenderObj.h"

uint32_t ProgressUnits(uint64_t n, uint64_t total)
{
    return uint32_t(total > UINT32_MAX ? n >> 10 : n);
}

void CopyIntoTiles(const PpQnRenderObj& source, const PpQnPicture& result, QnProgressIndicator* progress,
                   uint64_t& done, uint64_t total, const char* file)
{
    const int32_t bpp = result->GetBytesPerPixel();
    const QnFillRenderObj::PlaneFmt format{bpp, 1, bpp};
    const PpQnFillRenderObj fill(source, 1, &format);
    const int32_t width = result->GetWidth(), height = result->GetHeight();
    for (int32_t y = 0; y < height; y += QnPicture::kTile) {
        for (int32_t x = 0; x < width; x += QnPicture::kTile) {
            QnRect tile;
            const PpQnPixBuf dst = result->GetAccessToBuffer(0, QnPoint{x, y}, &tile);
            const PpQnPixBuf src = fill->RenderRect(QnXFormXY(), 0, tile, nullptr);
            const size_t rowBytes = size_t(tile.Width()) * size_t(bpp);
            for (int32_t row = 0; row < int32_t(tile.Height()); ++row)
                std::memcpy(dst->Row(row), src->CRow(row), rowBytes);
            done += uint64_t(tile.Width()) * uint64_t(tile.Height());
            ThrowIfAborted(progress, file, __LINE__);
            if (progress)
                progress->SetProgress(ProgressUnits(done, total), ProgressUnits(total, total));
        }
    }
}
