// The drips of Gravity: four rows of random nodes for horizontal and for
// vertical offsets, stepped down the picture and across each row into one
// row of offsets per picture row. Every Ry rows the oldest node row is
// dropped and a new one drawn; its buffer becomes the newest, keeping what
// it held beyond the nodes drawn.
#pragma once

#include "platform/WinRand.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class GravityField {
public:
    struct Steps {
        int32_t rx; // pixels between node columns
        int32_t ry; // rows between node rows
        int32_t d;  // horizontal nodes lie in -d..d
        int32_t strength; // vertical nodes lie in 0..strength
    };

    // Buffers for rows widest pixels wide; false when memory runs out.
    bool Allocate(int32_t widest, const Steps& steps);
    void Free();
    // The offsets of picture row a over width pixels (steps 1 to 3).
    void Row(int32_t a, int32_t width, platform::WinRand& rand);

    int32_t X(int32_t c) const { return xRow_[size_t(c)]; }
    int32_t Y(int32_t c) const { return yRow_[size_t(c)]; }

private:
    Steps steps_{};
    std::array<std::vector<int32_t>, 4> xNodes_, yNodes_; // oldest first
    std::vector<int32_t> xRow_, yRow_;
};
