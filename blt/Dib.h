// A device-independent bitmap as one collectable block: the info header, the
// colour table and the bits, laid out as the system's DIB calls expect them.
// The blitter keeps its screen tiles in these, as caches the collector may
// drop (the bits are counted by the collecting allocator).
#pragma once

#include "blt/DibBits.h"
#include "gc/QnGc.h"
#include "platform/Dib.h"

#include <cstddef>
#include <cstdint>

class QnDib : public QnObj {
public:
    // The header at the start of the block.
    const platform::BITMAPINFOHEADER* header_ptr() const { return header_; }
    // The colour table behind the header (biClrUsed entries).
    const platform::RGBQUAD* palette_ptr() const;
    // The pixel rows, bottom-up, each padded to 4 bytes.
    uint8_t* byte_ptr() { return bits_; }
    const uint8_t* byte_ptr() const { return bits_; }

    int32_t Width() const { return header_->biWidth; }
    int32_t Height() const { return header_->biHeight; }
    int32_t BitCount() const { return header_->biBitCount; }
    size_t RowBytes() const { return header_->RowBytes(); }
    // Header, colour table and bits together.
    size_t BlockSize() const { return blockSize_; }
    // The bits as the device contexts draw them (24-bit DIBs only).
    DibBits Bits() const { return DibBits{Width(), Height(), bits_}; }

    // Entries of the colour table for a bit count: 2, 16, 256 or none.
    static uint32_t PaletteEntries(int32_t bitCount);
    // 40 + 4 x entries + h x padded row bytes.
    static size_t CalcBlockSize(int32_t width, int32_t height, int32_t bitCount);

    static void* operator new(size_t size);
    static void operator delete(void* p) noexcept;

protected:
    friend struct ::QnObjCreator;

    // palette null: 24 bits whatever bitCount says. A size of 0 or less, or
    // a bit count other than 1, 4, 8, 16, 24 or 32, raises "Bad DIB format".
    QnDib(int32_t width, int32_t height, int32_t bitCount, const platform::PALETTEENTRY* palette);
    ~QnDib() override;

private:
    uint8_t* block_;
    size_t blockSize_;
    const platform::BITMAPINFOHEADER* header_;
    uint8_t* bits_;
};

class PpQnDib : public QnPp<QnDib> {
public:
    using QnPp::QnPp;
    // Makes, locks and registers a new DIB.
    PpQnDib(int32_t width, int32_t height, int32_t bitCount, const platform::PALETTEENTRY* palette);
};
