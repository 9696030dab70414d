#include "album/doc/AlbumRcStr.h"

namespace {

const QnStringTableEntry kAlbumStrings[] = {
    {IDS_GROUP_CAPTION, "Place"},
    {IDS_WRONG_VERSION, "Wrong document version!"},
    {IDS_SUBGROUP_CAPTION, "More info"},
    {IDS_ALIAS_CAPTION, "Alias"},
};

struct AlbumStrings {
    AlbumStrings() { rc.SetTable(kAlbumStrings); }
    QnRcStr rc{0};
};

} // namespace

QnRcStr& OvAlbumRcStr()
{
    static AlbumStrings strings;
    return strings.rc;
}
