// Where the stretcher writes: one output row of columns [left, right) in a
// buffer, given or owned (then width * bits / 8 bytes).
#pragma once

#include "drawctx/zvxform/ZvxfPlane.h"

#include <cstdint>
#include <vector>

class WaDestSite : public ZVXFPLANESITE {
public:
    // buffer may be null: the site then holds a row of its own.
    WaDestSite(uint8_t* buffer, int32_t row, int32_t left, int32_t right, int bits);

    ZVXFPLANE* CreatePlane() override;

    // Points the site at another row of another buffer (null: its own).
    void Retarget(uint8_t* buffer, int32_t row);
    uint8_t* Buffer() const { return buffer_; }
    int32_t Row() const { return row_; }
    int32_t Left() const { return left_; }
    int32_t Right() const { return right_; }
    int Bits() const { return bits_; }

private:
    uint8_t* buffer_;
    int32_t row_;
    int32_t left_;
    int32_t right_;
    int bits_;
    std::vector<uint8_t> own_;
};
