// The brush shapes of Oil paint and Automatic brush: a 32 x 32 grey image
// per brush type (0 = full paint, 255 = none), either generated (ellipse,
// cross, rectangle, shaped by the aspect and the edge softness) or one of
// the module's seven brush bitmaps inverted, and its masks turned by an
// angle and scaled to the print size.
#pragma once

#include <cstdint>
#include <vector>

// The brush list's menu commands.
inline constexpr int32_t kBrushEllipse = 25000;
inline constexpr int32_t kBrushCross = 25001;
inline constexpr int32_t kBrushRectangle = 25002;
inline constexpr int32_t kBrushFirstBitmap = 25003;
inline constexpr int32_t kBrushLast = 25009;
inline constexpr int32_t kBrushSide = 32;

// The bitmap resource of a bitmap type ("THICK" .. "STAR"); null for a
// generated one.
const char* BrushBitmapName(int32_t type);
bool IsGeneratedBrush(int32_t type);

// The generated shapes at side n, aspect (percent) and edge (tenths).
int32_t EllipseValue(int32_t x, int32_t y, int32_t n, int32_t aspect, int32_t edge);
int32_t RectValue(int32_t x, int32_t y, int32_t n, int32_t aspect, int32_t edge);

// The brush of type as a packed DIB: 32 x 32, 8 bits, grey colour table,
// pixel (x, y) at stored row y. Empty when a bitmap is missing.
std::vector<uint8_t> BrushImage(int32_t type, int32_t edge, int32_t aspect);
// The pixel bytes of a BrushImage (stored rows of 32 bytes).
const uint8_t* BrushBits(const std::vector<uint8_t>& dib);

// The brush (wb x hb bytes, row y at y x wb) turned by degrees and scaled
// to size x size, interpolated in sixteenths; 255 outside the brush.
std::vector<uint8_t> RotateMask(const uint8_t* brush, int32_t wb, int32_t hb, int32_t size, int32_t degrees);
