// The fields of the editor's brush that the brush panels show as picture
// cells: which of the editor's strips shows each, how many cells it has,
// and the cell (value index) that stands for the field's value.
#pragma once

#include <cstdint>

class CBrushParams;

enum class LdBrushField { Shape, Size, Smooth, Type };

struct LdBrushStrip {
    uint32_t bitmapId;  // the editor's strip of square cells, one under the other
    int count;          // cells, and items of its menu
};

LdBrushStrip LdBrushStripOf(LdBrushField field);

// Sizes are offered as four steps: 1, 15, 35 and 51; any other size counts
// as the largest step.
int LdBrushSizeIndex(int32_t size);
int32_t LdBrushSizeOfIndex(int index);

// Shape, smoothness and type are their own index.
int LdBrushValueIndex(const CBrushParams& brush, LdBrushField field);
void LdSetBrushValueIndex(CBrushParams& brush, LdBrushField field, int index);
