// Pictures that come to the album from the scanner or the clipboard, and
// pictures written under a name the user chooses.
#include <QFileInfo>

#include "album/app/AlbumStatusText.h"
#include "album/app/OvalbumApp.h"
#include "album/app/OvalbumView.h"
#include "album/doc/AlbumDib.h"
#include "album/doc/AlbumRcStr.h"
#include "album/doc/AlbumScanStore.h"
#include "album/doc/AlbumWriteWA.h"
#include "album/doc/OvalbumDoc.h"
#include "drawctx/zvwa/WA.h"
#include "framework/FileDialog.h"
#include "framework/FrameWnd.h"

COvalbumDoc* COvalbumApp::ActiveAlbum() const
{
    const fw::FrameWnd* frame = GetMainWnd();
    return frame ? dynamic_cast<COvalbumDoc*>(frame->GetActiveDocument()) : nullptr;
}

bool COvalbumApp::DeliverScannedPicture(const WA& picture)
{
    if ((scan.folder.empty() || scan.extension.empty()) && !RunScanFolderOptions())
        return false;
    scanning = 1;
    const bool stored = StorePicture(picture);
    scanning = 0;
    return stored;
}

bool COvalbumApp::DeliverScannedDib(const std::vector<uint8_t>& dib)
{
    WA* picture = WorkAreaFromDib(dib);
    if (!picture)
        return false;
    const bool stored = DeliverScannedPicture(*picture);
    WARelease(picture);
    return stored;
}

bool COvalbumApp::SavePictureAs(const WA& picture, const std::string& proposed, std::string* written)
{
    fw::FileDialogRequest request;
    request.open = false;
    request.title = "Save Picture As";
    request.fileName = proposed;
    request.filters = {OvAlbumRcStr()(IDS_FORMAT_JPEG), OvAlbumRcStr()(IDS_FORMAT_TIFF),
                       OvAlbumRcStr()(IDS_FORMAT_BMP), "PNG Files (*.png)"};
    request.defaultExtension = ".jpg";
    request.owner = GetMainWidget();
    const auto name = fw::RunFileDialog(request);
    if (!name || !WriteAlbumPicture(*name, picture))
        return false;
    if (written)
        *written = *name;
    return true;
}

bool COvalbumApp::StorePicture(const WA& picture)
{
    COvalbumDoc* doc = ActiveAlbum();
    if (!doc)
        return false;
    std::string name;
    if (scanning && !scan.folder.empty() && !scan.extension.empty()) {
        const std::string folder = ScanStoreFolder(scan.folder, ScanBaseFolder());
        name = FreeScanFileName(folder, scan.extension);
        if (!name.empty() && !WriteAlbumPicture(name, picture))
            return false;
    }
    // Pasted pictures, and scans with no free name left, get a name from
    // the user.
    if (name.empty()) {
        const std::string proposed = scan.folder.empty() ? std::string() : ScanStoreFolder(scan.folder, ScanBaseFolder());
        if (!SavePictureAs(picture, proposed, &name))
            return false;
    }
    COvalbumRec* record = doc->AddPicture(name, picture, true);
    if (!record)
        return false;
    doc->Select(record);
    for (fw::View* view : doc->GetViews())
        if (auto* album = dynamic_cast<COvalbumView*>(view))
            album->BringIntoSight(record);
    return true;
}
