#include "tasks/module/panels/LdBrushFields.h"

#include "editor/loadable/ToolParams.h"

namespace {

constexpr int32_t kSizes[] = {1, 15, 35, 51};

}  // namespace

LdBrushStrip LdBrushStripOf(LdBrushField field)
{
    switch (field) {
    case LdBrushField::Shape:
        return {200, 4};
    case LdBrushField::Size:
        return {131, 4};
    case LdBrushField::Smooth:
        return {130, 4};
    case LdBrushField::Type:
        return {251, 5};
    }
    return {0, 0};
}

int LdBrushSizeIndex(int32_t size)
{
    for (int i = 0; i < 3; ++i)
        if (size == kSizes[i])
            return i;
    return 3;
}

int32_t LdBrushSizeOfIndex(int index) { return kSizes[index < 0 || index > 3 ? 3 : index]; }

int LdBrushValueIndex(const CBrushParams& brush, LdBrushField field)
{
    switch (field) {
    case LdBrushField::Shape:
        return brush.shape;
    case LdBrushField::Size:
        return LdBrushSizeIndex(brush.size);
    case LdBrushField::Smooth:
        return brush.smooth;
    case LdBrushField::Type:
        return brush.mode;
    }
    return 0;
}

void LdSetBrushValueIndex(CBrushParams& brush, LdBrushField field, int index)
{
    switch (field) {
    case LdBrushField::Shape:
        brush.shape = index;
        break;
    case LdBrushField::Size:
        brush.size = LdBrushSizeOfIndex(index);
        break;
    case LdBrushField::Smooth:
        brush.smooth = index;
        break;
    case LdBrushField::Type:
        brush.mode = index;
        break;
    }
}
