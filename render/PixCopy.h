// The pixel loops that move pixels between buffers: whole rectangles (the
// fill's pieces) and rows of nearest samples (the stretch).
#pragma once

#include "render/PixBuf.h"

#include <cstdint>

// Copies the pixels of part, which lies in both buffers' rectangles, from
// src to the same place in dst.
void QnCopyPixels(QnPixBuf& dst, const QnPixBuf& src, const QnRect& part, int32_t bytesPerPixel);

// One row of nearest samples: pixel i of dst is the pixel at byte offset
// offsets[i] of srcRow, for count pixels of bytesPerPixel bytes.
void QnSampleRow(uint8_t* dst, const uint8_t* srcRow, const int32_t* offsets, int32_t count,
                 int32_t bytesPerPixel);
