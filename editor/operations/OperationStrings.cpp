#include "editor/operations/OperationStrings.h"

namespace {

const QnStringTableEntry kOperationStrings[] = {
    {IDS_NONE, "None"},
    {IDS_BUILDING_PALETTE, "Building optimized palette..."},
    {IDS_BAD_DITHER_OPTIONS, "Bad dithering options"},
    {IDS_CONVERTING_1BIT, "Converting to 1-bit black/white image..."},
    {IDS_CONVERTING_4BIT, "Converting to 4-bit paletted image..."},
    {IDS_CONVERTING_8BIT, "Converting to 8-bit paletted image..."},
    {IDS_RENDERING_PICTURE, "Rendering picture"},
    {IDS_BAD_PLANE, "Bad plane request"},
    {IDS_CROPPING, "Cropping image..."},
    {IDS_RESIZING, "Resizing image..."},
    {IDS_RESAMPLING, "Resampling image..."},
    {IDS_ROTATING, "Rotating image..."},
    {IDS_FLIPPING, "Flipping image..."},
    {IDS_INSERTING, "Inserting image..."},
    {IDS_STITCHING, "Stitching images..."},
    {IDS_USER_ABORT, "User Abort"},
};

struct OperationStrings {
    OperationStrings() { rc.SetTable(kOperationStrings); }
    QnRcStr rc{0};
};

}  // namespace

QnRcStr& LdOperationRcStr()
{
    static OperationStrings strings;
    return strings.rc;
}
