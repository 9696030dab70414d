// The clipboard's picture as a packed device-independent bitmap: the 40-byte
// header, the colour table, the rows bottom-up. Pictures go out as 24-bit (or
// 8-bit paletted) DIBs, also rendered only when somebody pastes, and come in
// as 24-bit DIBs whatever other programs offered.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QImage;

namespace fw {

namespace Clipboard {

bool HasDib();
// The picture on the clipboard as a 24-bit packed DIB, or nothing.
std::optional<std::vector<uint8_t>> GetDib();
// Puts a packed DIB (1, 4, 8, 24 or 32 bits, uncompressed) on the
// clipboard; false when the DIB is damaged or the clipboard refuses it.
bool SetDib(const std::vector<uint8_t>& dib);
// Offers a picture whose DIB provider runs only when it is pasted (the
// clipboard keeps the provider, and with it whatever it holds).
bool SetDibProvider(std::function<std::vector<uint8_t>()> provider);

// Conversions between packed DIBs and images.
std::optional<QImage> DibToImage(const std::vector<uint8_t>& dib);
std::vector<uint8_t> ImageToDib24(const QImage& image);

}  // namespace Clipboard

}  // namespace fw
