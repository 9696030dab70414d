#include "picture/PictureRcStr.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const QnStringTableEntry kPictureStrings[] = {
    {QN_PIC_UNSUPPORTED_TYPE, "Unsupported WA type"},
    {QN_PIC_BAD_PLANE_REQUEST, "Bad plane request"},
    {QN_PIC_USER_ABORT, "User abort"},
    {QN_PIC_RENDERING, "Rendering picture"},
    {QN_PIC_BAD_FILE, "Bad file"},
    {QN_PIC_UNKNOWN_CONVERTER, "Unknown converter request"},
    {QN_PIC_NOT_IMPLEMENTED_CONVERTER, "Still not implemented converter"},
    {QN_PIC_BAD_PALETTE_SIZE, "Bad size of palette"},
    {QN_PIC_CONVERTING_TO_GRAY, "Converting to gray"},
    {QN_PIC_CONVERTING_TO_RGB, "Converting to RGB"},
    {QN_PIC_CONVERTING_TO_HSV, "Converting to HSV"},
    {QN_PIC_CREATING_ALPHA, "Creating alpha-channel"},
    {QN_PIC_COMBINING, "Combining pictures"},
    {QN_PIC_LOADING, "Loading picture..."},
    {QN_PIC_SAVING_NAMED, "Saving picture %s..."},
    {QN_PIC_SAVING, "Saving picture..."},
    {QN_PIC_BAD_SIZE, "Bad picture size"},
    {QN_PIC_BAD_ROW, "Bad row number"},
    {QN_PIC_LOADING_FILE, "Loading file %s..."},
    {QN_PIC_SAVING_TO_FILE, "Saving to file %s..."},
};

struct PictureStrings {
    PictureStrings() { rc.SetTable(kPictureStrings); }
    QnRcStr rc{0};
};

} // namespace

QnRcStr& QnPictureRcStr()
{
    static PictureStrings strings;
    return strings.rc;
}

std::string QnPictureText(int id) { return QnPictureRcStr()(id); }

std::string QnPictureText(int id, const char* name)
{
    const std::string format = QnPictureText(id);
    std::vector<char> text(format.size() + std::strlen(name) + 1);
    std::snprintf(text.data(), text.size(), format.c_str(), name);
    return text.data();
}
