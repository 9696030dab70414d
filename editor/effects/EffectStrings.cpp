#include "editor/effects/EffectStrings.h"

#include "base/QnRcStr.h"

namespace {

const QnStringTableEntry kEffectStrings[] = {
    {IDS_INVALID_HANDLE, "Invalid memory handle"},
    {IDS_BAD_ARCHIVE_OPERATION, "Bad archive operation"},
    {IDS_CANT_LOAD_DLL, "Can't load DLL"},
    {IDS_CANT_FIND_ENTRYPOINT, "Can't find entrypoint"},
    {IDS_PROCESSING, "Processing..."},
    {IDS_ERROR_DURING_PROCESSING, "Error during processing"},
};

struct EffectStrings {
    EffectStrings() { rc.SetTable(kEffectStrings); }
    QnRcStr rc{0};
};

} // namespace

std::string EffectString(int id)
{
    static EffectStrings strings;
    return strings.rc(id);
}
