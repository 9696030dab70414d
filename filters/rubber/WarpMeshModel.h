// What the Warp preview does with the mouse and how its mesh runs, apart
// from its window: 5 x 5 handles resting at sixths of the client area and
// moved by their offsets; a press within 4 pixels of a handle grabs it
// (rows searched first, then columns), a move drags it while it stays
// within 3/20 of the preview's size from its rest, and the release stores
// every offset in thousandths of the preview.
#pragma once

#include "filters/rubber/WarpParams.h"
#include "render/Rect.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

class WarpMeshModel {
public:
    struct Point {
        int32_t x, y;
    };

    // The preview's size, which offsets are measured against.
    void SetTileSize(int32_t width, int32_t height);
    // The offsets a block holds, back in preview pixels.
    void LoadOffsets(const WarpParams& params);
    // The client rectangle the last paint covered.
    void NotePaint(const QnRect& client) { noted_ = client; }
    const QnRect& Noted() const { return noted_; }

    // True when a press grabbed a handle.
    bool Press(int32_t x, int32_t y);
    // True while a drag runs (the mesh follows when the move is allowed).
    bool Move(int32_t x, int32_t y);
    // True when a drag ended; params then hold every offset.
    bool Release(WarpParams& params);
    bool Dragging() const { return dragging_; }

    Point Offset(int32_t handle) const { return offsets_[size_t(handle)]; }
    // Where handle (column i, row j) rests and where it is shown.
    Point Rest(int32_t i, int32_t j) const;
    Point Shown(int32_t i, int32_t j) const;
    // The mesh's lines as straight pieces: each of the five rows and
    // columns from edge to edge through its handles, ten pieces a segment
    // along its curve; pieces wholly outside the client area are left out.
    std::vector<std::pair<Point, Point>> Pieces() const;

private:
    QnRect noted_{};
    int32_t tileWidth_ = 1, tileHeight_ = 1;
    std::array<Point, WarpParams::kWrittenPairs> offsets_{};
    bool dragging_ = false;
    int32_t handle_ = -1;
    Point offsetAtPress_{};
    Point mouseAtPress_{};
};
