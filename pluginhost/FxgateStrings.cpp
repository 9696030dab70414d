#include "pluginhost/FxgateStrings.h"

#include <span>

namespace {

const QnStringTableEntry kStrings[] = {
    {IDS_PI_TOOL_ERROR, "Plug-In tool Error"},
    {IDS_PI_INTERNAL_ERROR, "ERROR filtering image:\nInternal Error in plug-in module!"},
    {IDS_PI_READ_ERROR, "ERROR filtering image:\nError reading file!"},
    {IDS_PI_WRITE_ERROR, "ERROR filtering image:\nError writing file!"},
    {IDS_PI_IO_ERROR, "ERROR filtering image:\nDisk I/O error!"},
    {IDS_PI_OUT_OF_MEMORY, "ERROR filtering image:\nOut of memory.\nClose some applications and try again!"},
    {IDS_PI_DISK_FULL, "ERROR filtering image:\nDisk full.\nFree some disk space and try again!"},
    {IDS_PI_END_OF_FILE, "ERROR filtering image:\nPremature end of file encountered!"},
    {IDS_PI_BAD_MODE, "ERROR filtering image:\nPlug-in doesn't support this image mode!"},
    {IDS_PI_BAD_INTERFACE, "ERROR filtering image:\nA problem with the filter module interface!"},
    {IDS_PI_HOST_INSUFFICIENT, "ERROR filtering image:\nPlug-in requires services not provided by this host!"},
    {IDS_PI_CATEGORY_OTHER, "Other"},
    {IDS_PI_SELECT_FOLDER, "Select Plug-in Directory"},
    {IDS_PI_ADDING_PLUGINS, "Adding Plug-ins ..."},
    {IDS_PI_WARNING_CAPTION, "Plug-in Warning"},
    {IDS_PI_FOLDER_ALREADY_ADDED, "Directory %s is already added into listing of directories!"},
    {IDS_PI_FOLDER_TOO_LONG, "Directory %s is too long to be added into listing of directories!"},
};

} // namespace

const QnRcStr& FxgateRc()
{
    static const QnRcStr* rc = [] {
        auto* table = new QnRcStr(0);
        table->SetTable(kStrings);
        return table;
    }();
    return *rc;
}

const char* FxgateText(int id)
{
    for (const QnStringTableEntry& entry : kStrings)
        if (entry.id == id)
            return entry.text;
    return nullptr;
}
