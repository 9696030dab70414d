// Draws a render object into a device context through a cache of its screen
// image: the object, already zoomed, held in a grid of 24-bit DIB tiles.
// Only tiles that are visible are touched, and of those only the parts that
// are out of date are rendered. The tiles are discardable links: the
// collector may drop them under memory pressure, and a dropped tile is
// rendered again when it is next seen. Each picture view holds one blitter.
#pragma once

#include "blt/DeviceContext.h"
#include "blt/Dib.h"
#include "gc/QnGc.h"
#include "render/Rgn.h"
#include "render/RenderObj.h"
#include "render/XFormXY.h"

#include <cstdint>
#include <vector>

class QnBlt : public QnObj {
public:
    static constexpr int32_t kDefaultTile = 128;

    // Owner of one region; an empty region by default.
    class Rgn {
    public:
        Rgn() = default;
        Rgn(const QnRect& r) : rgn_(r) {}
        Rgn(const QnRgn& r) : rgn_(r) {}
        operator const QnRgn&() const { return rgn_; }
        QnRgn& get() { return rgn_; }
        const QnRgn& get() const { return rgn_; }

    private:
        QnRgn rgn_;
    };

    QnBlt() : QnBlt(kDefaultTile, kDefaultTile) {}
    // Sizes of 0 or less become 128. The blitter is locked once and
    // registered: it is a root for as long as it exists.
    QnBlt(int32_t tileWidth, int32_t tileHeight);
    ~QnBlt() override;
    QnBlt(const QnBlt&) = delete;
    QnBlt& operator=(const QnBlt&) = delete;

    // Draws the part of obj that lies in clip (logical coordinates of dc,
    // where zoomed = logical + (dx, dy); a view passes minus its scroll
    // position). render goes to the object's Render; zoom maps what it
    // renders onto the zoomed plane. Errors and aborts end the draw quietly:
    // what was painted stays, what was not finished stays out of date.
    void Draw(DeviceContext& dc, const QnRgn& clip, const PpQnRenderObj& obj, int32_t dx, int32_t dy,
              const QnXFormXY& zoom, const QnXFormXY& render, int unused, QnRenderProgress* progress);
    // Marks r (in the object's own coordinates; null: everything) out of date.
    void InvalidateBits(const QnRect* r);
    // Everything is rendered again at the next draw; the tiles stay.
    void InvalidatePalette() { InvalidateBits(nullptr); }
    // Drops the whole cache; the tiles are left to the collector.
    void ForceFullRepaint();

    int32_t TileWidth() const { return tileW_; }
    int32_t TileHeight() const { return tileH_; }
    // For diagnostics: the object's rectangle on the zoomed plane (empty
    // without a cache), the tiles the cache holds now, and the part that is
    // out of date.
    QnRect Bounds() const;
    int32_t CachedTiles() const;
    QnRgn InvalidRgn() const;

protected:
    void MarkFixedObjects(Visitor visit) override;
    void MarkDiscardableObjects(Visitor visit) override;
    void NoteObjectDiscarded(QnObj* obj) override;

private:
    class Chain;

    // The blitter is a member of its view and ends with it.
    void DeleteObject() override {}

    void ValidateCache(const PpQnRenderObj& obj, const QnXFormXY& zoom, const QnXFormXY& render);
    void force_rebuild_dibs();
    QnRect TileRect(int32_t column, int32_t row) const;
    // The tile's DIB, made when missing; fresh is set when it was.
    PpQnDib TakeTile(int32_t index, bool& fresh);
    void RenderBox(QnDib& dib, const QnRect& tile, const QnRect& box, Chain& chain, QnRenderProgress* progress);

    mutable QnCriticalSection cs_;
    int32_t tileW_;
    int32_t tileH_;
    int32_t valid_ = 0;
    QnRect bounds_;
    QnXFormXY render_;
    QnXFormXY zoom_;
    Rgn invalid_;
    int32_t columns_ = 0;
    int32_t rows_ = 0;
    int32_t count_ = 0;
    std::vector<QnDib*> tiles_;
};
