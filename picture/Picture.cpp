#include "picture/Picture.h"

#include "picture/CSConv.h"
#include "picture/DeferredPixels.h"
#include "picture/PictureRcStr.h"
#include "platform/Dib.h"

#include <algorithm>
#include <cstring>

namespace {

// The cache makes pictures to load through this.
const QnLsmDataObjFactory<QnPicture> pictureFactory;

// More tiles than this is a picture no machine holds; refusing it early
// gives a message instead of an exhausted allocator.
constexpr int64_t kMaxTiles = int64_t(1) << 26;

int32_t Cells(int32_t pixels) { return int32_t((int64_t(pixels) + QnPicture::kTile - 1) / QnPicture::kTile); }

} // namespace

QnPicture::QnPicture() : QnRenderObj(1, 0), blanks_(QnBlankTiles::Make()) {}

QnPicture::~QnPicture() = default;

QnPicture::QnPicture(const QnPicture& other, int)
    : QnRenderObj(1, 0), width_(other.width_), height_(other.height_), type_(other.type_), hRes_(other.hRes_),
      vRes_(other.vRes_), tilesAcross_(other.tilesAcross_), tilesDown_(other.tilesDown_),
      tileRowBytes_(other.tileRowBytes_), palette_(other.palette_), paletteSize_(other.paletteSize_),
      bytesPerPixel_(other.bytesPerPixel_), blanks_(other.blanks_)
{
    // The twin shares the other's tiles, so they must exist first.
    other.EnsurePixels();
    background_ = other.background_;
    tilesReady_ = other.tilesReady_;
    tiles_.reserve(other.tiles_.size());
    for (const PpQnPixBuf& tile : other.tiles_)
        tiles_.push_back(tile ? PpQnPixBuf(tile, 1) : PpQnPixBuf(nullptr));
}

void QnPicture::Init(int type)
{
    if (type != WA_1BIT && type != WA_4BIT && type != WA_8BIT && type != WA_GRAY && type != WA_RGB24)
        QN_PICTURE_RAISE(QN_PIC_UNSUPPORTED_TYPE, "Picture");
    if (width_ < 0 || height_ < 0 || int64_t(Cells(width_)) * Cells(height_) > kMaxTiles)
        QN_PICTURE_RAISE(QN_PIC_BAD_SIZE, "Picture");
    type_ = type;
    bytesPerPixel_ = type == WA_RGB24 ? 3 : 1;
    tileRowBytes_ = kTile * bytesPerPixel_;
    tilesAcross_ = Cells(width_);
    tilesDown_ = Cells(height_);
    paletteSize_ = WaPaletteSize(type);
    // Entries nobody supplies stay black rather than undefined.
    palette_.assign(size_t(paletteSize_), PALETTEENTRY{});
    if (type == WA_1BIT)
        palette_[1] = PALETTEENTRY{255, 255, 255, 0};
    if (type == WA_GRAY)
        for (int i = 0; i < 256; ++i)
            palette_[size_t(i)] = PALETTEENTRY{uint8_t(i), uint8_t(i), uint8_t(i), 0};
}

void QnPicture::BuildTiles(const PpQnPixBuf& background)
{
    PpQnPixBuf base = background ? background : (bytesPerPixel_ == 3 ? blanks_.black : blanks_.transparent);
    std::vector<PpQnPixBuf> tiles(size_t(tilesAcross_) * size_t(tilesDown_), PpQnPixBuf(nullptr));
    QnLockGc gc;
    tiles_.swap(tiles);
    background_ = std::move(base);
    tilesReady_ = 1;
}

void QnPicture::MakeReady()
{
    Init(type_);
    if (type_ == WA_4BIT || type_ == WA_8BIT) {
        const size_t n = std::min(pendingPalette_.size(), palette_.size());
        std::copy_n(pendingPalette_.begin(), n, palette_.begin());
    }
    pendingPalette_.clear();
    BuildTiles(PpQnPixBuf(nullptr));
}

const PpQnPixBuf& QnPicture::TileFor(int32_t index) const
{
    EnsurePixels();
    const PpQnPixBuf& tile = tiles_[size_t(index)];
    return tile ? tile : background_;
}

const PpQnPixBuf& QnPicture::WritableTile(int32_t index)
{
    EnsurePixels();
    PpQnPixBuf& tile = tiles_[size_t(index)];
    if (!tile) {
        const int32_t left = index % tilesAcross_ * kTile, top = index / tilesAcross_ * kTile;
        PpQnPixBuf made(background_, QnRect{left, top, left + kTile, top + kTile}, 0, 0, 1);
        QnLockGc gc;
        tile = std::move(made);
    }
    return tile;
}

int QnPicture::Compare(const PpQnFlVal& other) const
{
    const QnFlVal* self = this;
    return self == other.Get() ? 0 : std::less<const QnFlVal*>()(self, other.Get()) ? -1 : 1;
}

void QnPicture::MarkFixedObjects(Visitor visit) { stretch_.Mark(visit); }

int QnPicture::GetPaletteEntries(int first, int count, PALETTEENTRY* out) const
{
    int copied = 0;
    for (int i = std::max(first, 0); copied < count && i < paletteSize_; ++i, ++copied) {
        out[copied] = palette_[size_t(i)];
        out[copied].peFlags = 0;
    }
    return copied;
}

int QnPicture::SetPaletteEntries(int first, int count, const PALETTEENTRY* in)
{
    if (type_ != WA_4BIT && type_ != WA_8BIT)
        return 0;
    int set = 0;
    for (int i = std::max(first, 0); set < count && i < paletteSize_; ++i, ++set) {
        palette_[size_t(i)].peRed = in[set].peRed;
        palette_[size_t(i)].peGreen = in[set].peGreen;
        palette_[size_t(i)].peBlue = in[set].peBlue;
    }
    return set;
}

PpQnPicture PpQnPicture::Empty() { return PpQnPicture(QnCreate<QnPicture>()); }

PpQnPicture::PpQnPicture(int32_t width, int32_t height, uint32_t colour) : QnPp(QnCreate<QnPicture>())
{
    QnPicture* p = Get();
    p->width_ = width;
    p->height_ = height;
    p->Init(WA_RGB24);
    // Every tile starts as a view of one tile of the colour.
    PpQnPixBuf filled(uint32_t(p->tileRowBytes_) * QnPicture::kTile, QnRect{0, 0, QnPicture::kTile, QnPicture::kTile},
                      p->tileRowBytes_);
    uint8_t* bytes = filled->Row(0);
    const uint8_t bgr[3] = {platform::GetBValue(colour), platform::GetGValue(colour), platform::GetRValue(colour)};
    for (int32_t i = 0; i < QnPicture::kTile * QnPicture::kTile; ++i)
        std::memcpy(bytes + 3 * i, bgr, 3);
    p->BuildTiles(filled);
}

PpQnPicture::PpQnPicture(int32_t width, int32_t height, int type, const PALETTEENTRY* palette)
    : QnPp(QnCreate<QnPicture>())
{
    QnPicture* p = Get();
    p->width_ = width;
    p->height_ = height;
    p->Init(type);
    if ((type == WA_4BIT || type == WA_8BIT) && palette)
        std::copy_n(palette, p->paletteSize_, p->palette_.begin());
    p->BuildTiles(PpQnPixBuf(nullptr));
}

PpQnPicture::PpQnPicture(const PpQnPicture& other, int copy)
    : QnPp(copy ? QnPp<QnPicture>(QnCreate<QnPicture>(*other, 1)) : QnPp<QnPicture>(other))
{
}

PpQnPicture::PpQnPicture(const PpQnLsmDsc& dsc, QnProcessControl* control)
    : QnPp(QnPpStaticCast<QnPicture>(QnPp<QnLsmDataObj>(PpQnLsmDataObj(typeid(QnPicture), dsc, control))))
{
}
