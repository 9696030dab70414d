#include "album/doc/AlbumRcStr.h"

namespace {

const QnStringTableEntry kAlbumStrings[] = {
    {IDS_PHYSICAL_MEMORY, "%lu KB"},
    {IDS_FREE_DISK, "%lu KB Free on %s"},
    {IDS_DISK_UNAVAILABLE, "Unavailable"},
    {IDS_GROUP_CAPTION, "Place"},
    {IDS_PICTURE_FILTER, "Pictures (*.jpg *.jpeg *.png *.bmp *.tif *.tiff *.gif)\nAll Files (*)"},
    {IDS_FORMAT_BMP, "Windows Bitmap Files (*.bmp)"},
    {IDS_FORMAT_JPEG, "JPEG Files (*.jpg)"},
    {IDS_FORMAT_TIFF, "TIFF Files (*.tif)"},
    {IDS_CREATE_FOLDER, "Specified folder does not exist!\nCreate it?"},
    {IDS_CANT_CREATE_FOLDER, "Can't create specified folder!!!"},
    {IDS_CREATING_THUMBNAIL, "Creating thumbnail No %d"},
    {IDS_FILE_NOT_FOUND, "File %s not found. Press 'Delete' button to delete item associated with this file, press "
                         "'Assotiate' button to select another file or press 'Ignore' button."},
    {IDS_FILE_CHANGED, "File %s was changed! Update item associated with this file?"},
    {IDS_CANT_WRITE_FOLDER, "Can't write to specified folder!"},
    {IDS_WRONG_VERSION, "Wrong document version!"},
    {IDS_NO_BROWSER, "Can't find Internet browser!"},
    {IDS_ALBUM_TEMPLATE,
     "Telvy Album v.1.0 \n\nAlbum\nAlbum Files (*.ova)\n.OVA\ntelvyalbum.Document\nTelvy Album Document"},
    {IDS_SUBGROUP_CAPTION, "More info"},
    {IDS_ALIAS_CAPTION, "Alias"},
    {IDS_ALBUM_TITLE, "Telvy Album v.1.0"},
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
