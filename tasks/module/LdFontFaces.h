// What the font dialog decides without a window: the sorted face list, the
// size of the sample's font and the columns of the face menu.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Inserts name before the first face that compares greater, byte by byte,
// so that equal names follow each other.
void LdInsertFace(std::vector<std::string>& faces, const std::string& name);

// The cell height of the sample's font: measuredHeight (of the 8-point
// font) times the whole number of times the measured width fits into two
// thirds of the box. 0 (a sample too wide, or nothing measured) leaves the
// height to the font mapper.
int32_t LdSampleFontHeight(int32_t boxWidth, int32_t measuredWidth, int32_t measuredHeight);

// The face menu starts a new column at every 20th item.
inline constexpr int32_t kLdFaceMenuRows = 20;
// Only the first 256 items of the face menu choose a face.
inline constexpr int32_t kLdFaceMenuChoices = 256;
// The column of item index in the face menu.
inline int32_t LdFaceMenuColumn(int32_t index) { return index / kLdFaceMenuRows; }
