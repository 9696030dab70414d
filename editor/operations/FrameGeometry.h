// The arithmetic of a frame with a mat round a picture, in the row order of
// a bottom-up bitmap (row 0 first): the shading of a frame piece across its
// moulding, how the pieces repeat along a side so that it is filled
// exactly, and which part of the frame each pixel belongs to.
#pragma once

#include <cstdint>

// Brightness added at position t of n across a moulding, for bevel profile
// 0 (flat: dark and light edges), 1 (notched) or 2 (round: a ramp); any
// other profile adds nothing.
int32_t BevelOffset(int32_t profile, int32_t t, int32_t n);

// How a side of length L between two corners of width F is covered by
// copies of a piece: tiles of T from F on, and from `widening` on tiles of
// T + 1, so that the last one ends exactly at F + L.
struct FrameTiling {
    int32_t tile = 1;
    int32_t widening = 0;

    static FrameTiling For(int32_t length, int32_t frameWidth);
    // Where in its tile position p lies, scaled to a piece of size pieces.
    int32_t PieceOffset(int32_t p, int32_t frameWidth, int32_t size) const;
};

// The four frame pieces, in the order the catalogue keeps them.
enum FrameSide : int32_t { kSideTop = 0, kSideRight = 1, kSideBottom = 2, kSideLeft = 3 };

// What a pixel of the framed result shows.
struct FramePixelClass {
    enum Kind : int32_t { Inside, Mat, Side, Corner } kind = Inside;
    FrameSide piece = kSideTop;  // for Side and Corner

    bool operator==(const FramePixelClass&) const = default;
};

// Pixel (x, y) of a W x H result with a frame of width F and a mat of width
// M (row 0 is the "top" band of the bottom-up rows). The left and top mat
// bands are M wide, the right and bottom ones M - 1; each corner square is
// split on its diagonal between the two sides that meet there.
FramePixelClass ClassifyFramePixel(int32_t x, int32_t y, int32_t W, int32_t H, int32_t F, int32_t M);

// Brightness steps (each 32) of a mat pixel at the inner edge of the mat,
// lit or shaded by light (0..4; 4 lights every edge): 0 away from the edge.
int32_t MatBevelSteps(int32_t x, int32_t y, int32_t W, int32_t H, int32_t E, int32_t light);
