#include "editor/ui/UiStrings.h"

namespace {

// The free disk figure names the mount point of the current folder: a
// Linux folder has no drive letter to show.
const QnStringTableEntry kUiStrings[] = {
    {IDS_MEMORY_KB, "%lu KB"},
    {IDS_DISK_FREE, "%lu KB Free on %s"},
    {IDS_UNAVAILABLE, "Unavailable"},
    {IDS_BAR_HOME, "Home"},
    {IDS_BAR_CANCEL, "Cancel the operation"},
    {IDS_BAR_OK, "Done the operation"},
    {IDS_BAR_PREVIOUS, "Switch to the prevoius task"},
    {IDS_BAR_NEXT, "Switch to the next task"},
    {IDS_BAR_HELP, "Switch to the Context Help mode"},
    {IDS_BAR_UNDO, "Undo the last action"},
    {IDS_STATUS_INFO, "Info"},
    {IDS_STATUS_IN, "In"},
    {IDS_STATUS_OUT, "Out"},
    {IDS_STATUS_ACTUAL, "1:1"},
    {IDS_STATUS_FIT, "Fit"},
    {IDS_STATUS_SCALE, "Scale"},
    {IDS_STATUS_CURSOR, "Cursor"},
    {IDS_STATUS_COLOR, "Color"},
    {IDS_BAR_REDO, "Redo the previously undone action"},
    {IDS_BAR_FOREGROUND, "Foreground color"},
    {IDS_BAR_BACKGROUND, "Background color"},
    {IDS_TAB_FRAME, "Frame"},
    {IDS_TAB_MAT, "Mat"},
    {IDS_TAB_SHADOW, "Shadow"},
    {IDS_RASTER_BAYER, "Bayer"},
    {IDS_CONVERT_4BIT, "Convert to 4-bit paletted"},
    {IDS_CONVERT_8BIT, "Convert to 8-bit paletted"},
    {IDS_RASTER_NONE, "None"},
    {IDS_RASTER_DIFFUSION, "Error diffusion"},
    {IDS_PERCENT_DONE, "%i%% done (%s)"},
    {IDS_READY, "Ready"},
    {IDS_CANT_CANCEL, "Can't cancel"},
    {IDS_RESIZE, "Resize"},
    {IDS_RESAMPLE, "Resample"},
    {IDS_CANT_INTERPOLATE, "Can't interpolate"},
    {IDS_STITCH_PREVIEW, "Stitch Preview"},
    {IDP_FAILED_MAPI_LOAD, "Unable to load mail system support."},
    {IDP_INVALID_MAPI_DLL, "Mail system support is invalid."},
    {IDP_FAILED_MAPI_SEND, "Send Mail failed to send message."},
};

struct UiStrings {
    UiStrings() { rc.SetTable(kUiStrings); }
    QnRcStr rc{0};
};

}  // namespace

QnRcStr& LdUiRcStr()
{
    static UiStrings strings;
    return strings.rc;
}
