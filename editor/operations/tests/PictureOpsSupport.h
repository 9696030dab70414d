// Small pictures of every type with known pixels, their bytes read back,
// and expressions evaluated: what the picture operations' tests share.
#pragma once

#include <cstdint>
#include <vector>

#include "editor/operations/PictureRowAccess.h"
#include "lang/Expr.h"
#include "lang/FlVal.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"
#include "picture/Picture.h"
#include "render/Rgn.h"

// The bytes of a picture as the operations see it: 3 a pixel for colour,
// 1 for every other type, rows packed.
struct Pixels {
    int32_t width = 0, height = 0, bpp = 1;
    std::vector<uint8_t> bytes;
    const uint8_t* At(int32_t x, int32_t y) const { return &bytes[(size_t(y) * size_t(width) + size_t(x)) * size_t(bpp)]; }
    bool operator==(const Pixels&) const = default;
};

inline int32_t BppOf(int type) { return type == WA_RGB24 ? 3 : 1; }

// A picture whose bytes follow a hash of the position, kept to the type's range.
inline PpQnPicture MakePicture(int type, int32_t w, int32_t h, uint32_t seed = 1)
{
    PALETTEENTRY palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = PALETTEENTRY{uint8_t(i), uint8_t(255 - i), uint8_t(i * 7), 0};
    PpQnPicture p(w, h, type, palette);
    const int32_t bpp = BppOf(type);
    const uint32_t range = type == WA_1BIT ? 2 : type == WA_4BIT ? 16 : 256;
    for (int32_t ty = 0; ty < h; ty += QnPicture::kTile) {
        for (int32_t tx = 0; tx < w; tx += QnPicture::kTile) {
            QnRect tile;
            const PpQnPixBuf buf = p->GetAccessToBuffer(0, QnPoint{tx, ty}, &tile);
            for (int32_t y = tile.top; y < tile.bottom; ++y)
                for (int32_t x = tile.left; x < tile.right; ++x)
                    for (int32_t c = 0; c < bpp; ++c) {
                        uint32_t v = (uint32_t(x) * 2654435761u) ^ (uint32_t(y) * 40503u) ^ (seed * 97u + uint32_t(c) * 31u);
                        v ^= v >> 13;
                        buf->Row(y - tile.top)[(x - tile.left) * bpp + c] = uint8_t((v * 2246822519u >> 24) % range);
                    }
        }
    }
    return p;
}

inline Pixels Read(const PpQnRenderObj& source, int32_t bpp)
{
    const QnRect r = source->GetRect(QnXFormXY());
    Pixels out{int32_t(r.Width()), int32_t(r.Height()), bpp, {}};
    out.bytes.resize(size_t(out.width) * size_t(out.height) * size_t(bpp));
    if (out.bytes.empty())
        return out;
    PictureRowAccess rows(source, bpp, r);
    for (int32_t y = 0; y < out.height; ++y)
        std::copy_n(rows.Row(y), size_t(out.width) * size_t(bpp), &out.bytes[size_t(y) * size_t(out.width) * size_t(bpp)]);
    return out;
}

inline Pixels Read(const PpQnPicture& p) { return Read(PpQnRenderObj(p), BppOf(p->Type())); }

inline PpQnExpr Value(const PpQnPicture& p) { return PpQnExpr(PpQnFlVal(p)); }

inline PpQnFlVal EvalValue(const PpQnExpr& e, QnEvalControl* control = nullptr)
{
    QnMachineContext m;
    return m.eval(e, control)->CastToValue()->Value();
}

inline PpQnPicture EvalPicture(const PpQnExpr& e, QnEvalControl* control = nullptr)
{
    return PpQnPicture(dynamic_cast<QnPicture*>(EvalValue(e, control).Get()));
}
