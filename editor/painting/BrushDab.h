// The dab of the painter's and clone tools: the brush shape at the brush's
// size and softness as an 8-bit coverage mask (0 fully covered, 255 not at
// all), made from the program's strip of shape cells and kept until the
// size, shape or softness change.
#pragma once

#include <cstdint>
#include <mutex>

// A view of the current dab, valid while the lock that BrushDabLock gives is
// held. Rows are those of a bottom-up bitmap: image row r (from the top) is
// stored row size - 1 - r.
struct BrushDabMask {
    const uint8_t* bits = nullptr;
    int32_t stride = 0;
    int32_t size = 0;

    const uint8_t* StoredRow(int32_t r) const { return bits + ptrdiff_t(r) * stride; }
    const uint8_t* ImageRow(int32_t r) const { return StoredRow(size - 1 - r); }
};

// One dab serves the whole program; evaluations that paint hold this lock
// while they read it.
std::unique_lock<std::mutex> BrushDabLock();
// Brings the dab up to date for (size, shape, smooth) and returns it. Size 1
// is a single covered pixel in every shape. A shape the strip has no cell for
// leaves the dab uncovered. Call with BrushDabLock held.
BrushDabMask MakeBrushDab(int32_t size, int32_t shape, int32_t smooth);
