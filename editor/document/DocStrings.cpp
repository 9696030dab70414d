#include "editor/document/DocStrings.h"

namespace {

const QnStringTableEntry kDocStrings[] = {
    {IDS_FILL, "Fill"},
    {IDS_NO_VALID_DATA_FILE, "No valid data file.\nUpdate palette with the default picture ?"},
    {IDS_SELECT_FIRST, "You have to select something first."},
    {IDS_PROPERTY_NAME, "Picture name: "},
    {IDS_PROPERTY_MODIFIED, " (modified)"},
    {IDS_PROPERTY_WIDTH, "Width : %d"},
    {IDS_PROPERTY_HEIGHT, "Height: %d"},
    {IDS_PROPERTY_XRES, "X Resolution : %d DPI"},
    {IDS_PROPERTY_YRES, "Y Resolution : %d DPI"},
    {IDS_PROPERTY_1BIT, "Picture type: 1-bit black/white"},
    {IDS_PROPERTY_4BIT, "Picture type: 4-bit paletted"},
    {IDS_PROPERTY_8BIT, "Picture type: 8-bit paletted"},
    {IDS_PROPERTY_GREY, "Picture type: 8-bit gray"},
    {IDS_PROPERTY_24BIT, "Picture type: 24-bit truecolor"},
    {IDS_NOTHING_TO_DO, "Nothing to do!"},
    {IDS_WRONG_PICTURE_TYPE, "Wrong picture type.\nPicture should be truecolor or grayscale"},
    {IDS_CANT_READ_FILE, "Can't read file"},
    {IDS_USE_DEFAULT, "Use default"},
    {IDS_CONVERT_QUESTION,
     "The picture opened is neither grayscale nor truecolor one.\nMost commands from \"Picture\" and \"Effects\" "
     "menu will be disabled!\nDo you want to convert this picture to 24-bit truecolor format?\n\nIf you select "
     "\"No\", you can do it any time later."},
    {IDS_NAME_ALREADY_OPEN, "Can't save since picture with this name is already opened"},
    {IDS_UNKNOWN_SOURCE, "Can't load picture from unknown source"},
    {IDS_NO_CLIPBOARD_DATA, "Can't get clipboard data"},
    {IDS_PAINT, "Paint"},
    {IDS_ADD_TEXT, "Add Text"},
    {IDS_CURRENT, "(current)"},
    {IDS_FAST_UNDO_EXHAUSTED, "Fast undo stack is exhausted and undo operation may be very slow.\nDo you want to continue?"},
    {IDS_CLONE, "Clone"},
};

struct DocStrings {
    DocStrings() { rc.SetTable(kDocStrings); }
    QnRcStr rc{0};
};

}  // namespace

QnRcStr& LdDocRcStr()
{
    static DocStrings strings;
    return strings.rc;
}
