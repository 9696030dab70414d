#include "picture/BlankTiles.h"

#include <cstring>

namespace {

PpQnPixBuf Filled(int32_t rowBytes, uint8_t value)
{
    constexpr int32_t tile = QnBlankTiles::kTile;
    PpQnPixBuf buf(uint32_t(rowBytes) * tile, QnRect{0, 0, tile, tile}, rowBytes);
    std::memset(buf->Row(0), value, size_t(rowBytes) * tile);
    return buf;
}

} // namespace

QnBlankTiles QnBlankTiles::Make()
{
    return QnBlankTiles{Filled(kTile, 0), Filled(kTile, 255), Filled(3 * kTile, 0)};
}
