// The album's commands, run on the view's document with the album's
// dialogs around them.
#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include "album/app/AlbumDialogQuestions.h"
#include "album/app/AlbumIds.h"
#include "album/app/AlbumProgress.h"
#include "album/app/AlbumInfoDlg.h"
#include "album/app/AlbumSlideShowRun.h"
#include "album/app/AlbumStatusText.h"
#include "album/app/OvalbumApp.h"
#include "album/app/OvalbumView.h"
#include "album/app/PictureInfoDlg.h"
#include "album/app/PictureWnd.h"
#include "album/app/SearchDlg.h"
#include "album/app/SlideShowDlg.h"
#include "album/doc/AlbumDib.h"
#include "album/doc/AlbumFileCheck.h"
#include "album/doc/AlbumRcStr.h"
#include "album/doc/AlbumReadWA.h"
#include "album/doc/OvalbumDoc.h"
#include "drawctx/zvwa/WA.h"
#include "framework/App.h"
#include "framework/Clipboard.h"
#include "framework/CmdUI.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "framework/MessageMap.h"
#include "framework/ProfileStore.h"

namespace {

// The picture of a record read with the hourglass showing; one reference
// for the caller, null when the file does not read.
WA* ReadWithHourglass(const std::string& path)
{
    AlbumProgress progress;
    return ReadAlbumPicture(path, &progress);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (const QString& line : QString::fromStdString(text).split('\n', Qt::SkipEmptyParts))
        lines.push_back(line.toStdString());
    return lines;
}

constexpr const char* kFilesSection = "FILES";

} // namespace

const fw::MessageMap* COvalbumView::GetMessageMap() const
{
    static const fw::MessageMap map =
        fw::MessageMap(fw::View::GetMessageMap())
            .OnCommand(ID_ADD_ITEMS, &COvalbumView::OnAddItems)
            .OnCommand(ID_DELETE_ITEM, &COvalbumView::OnDeleteItem)
            .OnCommand(ID_ITEM_INFO, &COvalbumView::OnItemInfo)
            .OnCommand(ID_OPEN_TO_EDIT, &COvalbumView::OnOpenToEdit)
            .OnCommand(ID_SLIDE_OPTIONS, &COvalbumView::OnSlideOptions)
            .OnCommand(ID_SLIDE_SHOW, &COvalbumView::OnSlideShow)
            .OnCommand(ID_VIEW_PICTURE, &COvalbumView::OnViewPicture)
            .OnCommand(ID_ALBUM_UNDO, &COvalbumView::OnUndo)
            .OnCommand(ID_ALBUM_CUT, &COvalbumView::OnCut)
            .OnCommand(ID_ALBUM_COPY, &COvalbumView::OnCopy)
            .OnCommand(ID_ALBUM_PASTE, &COvalbumView::OnPaste)
            .OnCommand(ID_ALBUM_INFO, &COvalbumView::OnAlbumInfo)
            .OnCommand(ID_GO_TO_SELECTED, &COvalbumView::OnGoToSelected)
            .OnCommand(ID_VIEW_FOUND, &COvalbumView::OnViewFound)
            .OnCommand(ID_SEARCH, &COvalbumView::OnSearch)
            .OnCommandRange(ID_SORT_FILENAME, ID_SORT_MODIFICATION, &COvalbumView::OnSort)
            .OnCommand(ID_UPDATE_THUMBNAIL, &COvalbumView::OnUpdateThumbnail)
            .OnCommand(ID_SAVE_PICTURE_AS, &COvalbumView::OnSavePictureAs)
            .OnUpdate(ID_DELETE_ITEM, &COvalbumView::OnUpdateNeedsSelection)
            .OnUpdate(ID_ITEM_INFO, &COvalbumView::OnUpdateNeedsSelection)
            .OnUpdate(ID_OPEN_TO_EDIT, &COvalbumView::OnUpdateNeedsSelection)
            .OnUpdate(ID_VIEW_PICTURE, &COvalbumView::OnUpdateNeedsSelection)
            .OnUpdate(ID_ALBUM_CUT, &COvalbumView::OnUpdateNeedsSelection)
            .OnUpdate(ID_ALBUM_COPY, &COvalbumView::OnUpdateNeedsSelection)
            .OnUpdate(ID_GO_TO_SELECTED, &COvalbumView::OnUpdateNeedsSelection)
            .OnUpdate(ID_SAVE_PICTURE_AS, &COvalbumView::OnUpdateNeedsSelection)
            .OnUpdate(ID_SLIDE_SHOW, &COvalbumView::OnUpdateNeedsRecords)
            .OnUpdate(ID_SEARCH, &COvalbumView::OnUpdateNeedsRecords)
            .OnUpdateRange(ID_SORT_FILENAME, ID_SORT_MODIFICATION, &COvalbumView::OnUpdateNeedsRecords)
            .OnUpdate(ID_ALBUM_UNDO, &COvalbumView::OnUpdateUndo)
            .OnUpdate(ID_ALBUM_PASTE, &COvalbumView::OnUpdatePaste)
            .OnUpdate(ID_VIEW_FOUND, &COvalbumView::OnUpdateViewFound)
            .OnUpdate(ID_UPDATE_THUMBNAIL, &COvalbumView::OnUpdateUpdateThumbnail);
    return &map;
}

void COvalbumView::OnAddItems()
{
    COvalbumDoc* doc = GetDocument();
    fw::App* app = fw::App::Get();
    if (!doc || !app)
        return;
    fw::ProfileStore& profile = app->GetProfile();
    fw::FileDialogRequest request;
    request.title = "Add New Items";
    request.multiple = true;
    request.filters = Lines(OvAlbumRcStr()(IDS_PICTURE_FILTER));
    const std::string folder = profile.GetString(kFilesSection, "DEFAULTDIR", "");
    if (!folder.empty())
        request.fileName = folder + "/";
    request.owner = this;
    const auto chosen = fw::RunFileDialog(request);
    if (!chosen)
        return;
    const std::vector<std::string> paths = Lines(*chosen);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    AlbumProgress progress;
    doc->AddPictureFiles(
        paths, [&](int32_t n) { SetStatusText(AlbumStatusText(IDS_CREATING_THUMBNAIL, n)); }, &progress);
    QApplication::restoreOverrideCursor();
    if (!paths.empty())
        profile.WriteString(kFilesSection, "DEFAULTDIR",
                            QFileInfo(QString::fromStdString(paths.back())).absolutePath().toStdString());
    profile.WriteInt(kFilesSection, "DEFAULTTYPE", 0);
    SetStatusText({});
}

void COvalbumView::OnDeleteItem()
{
    if (COvalbumDoc* doc = GetDocument())
        doc->DeleteSelection();
}

void COvalbumView::OnItemInfo()
{
    COvalbumDoc* doc = GetDocument();
    COvalbumRec* record = doc ? doc->GetSelection() : nullptr;
    if (!record)
        return;
    CPictureInfoDlg dialog(*doc, *record, this);
    if (dialog.DoModal() == fw::IDOK)
        doc->SetRecordTexts(*record, dialog.alias, dialog.group, dialog.subgroup, dialog.comments);
}

void COvalbumView::OnOpenToEdit()
{
    const COvalbumDoc* doc = GetDocument();
    const COvalbumRec* record = doc ? doc->GetSelection() : nullptr;
    if (COvalbumApp* app = COvalbumApp::Get(); app && record)
        app->OpenPictureToEdit(record->path);
}

void COvalbumView::OnSlideOptions()
{
    COvalbumDoc* doc = GetDocument();
    if (!doc)
        return;
    CSlideShowDlg dialog(this);
    dialog.delay = uint32_t(std::max(0, doc->slideShowDelay / 1000));
    if (dialog.DoModal() == fw::IDOK)
        doc->slideShowDelay = int32_t(dialog.delay) * 1000;
}

void COvalbumView::OnSlideShow()
{
    if (const COvalbumDoc* doc = GetDocument())
        RunAlbumSlideShow(*doc);
}

void COvalbumView::OnViewPicture()
{
    const COvalbumDoc* doc = GetDocument();
    const COvalbumRec* record = doc ? doc->GetSelection() : nullptr;
    if (!record)
        return;
    if (WA* picture = ReadWithHourglass(record->path)) {
        auto* window = new CPictureWnd();
        window->ShowPicture(picture);
        WARelease(picture);
    }
}

void COvalbumView::OnUndo()
{
    if (COvalbumDoc* doc = GetDocument())
        doc->Undo();
}

void COvalbumView::OnCopy()
{
    const COvalbumDoc* doc = GetDocument();
    const COvalbumRec* record = doc ? doc->GetSelection() : nullptr;
    if (!record)
        return;
    WA* picture = ReadWithHourglass(record->path);
    if (!picture)
        return;
    const std::vector<uint8_t> dib = PackedDibOf(*picture);
    WARelease(picture);
    fw::Clipboard::SetDib(dib);
}

void COvalbumView::OnCut()
{
    COvalbumDoc* doc = GetDocument();
    const COvalbumRec* record = doc ? doc->GetSelection() : nullptr;
    if (!record)
        return;
    // A picture that cannot be copied keeps its record.
    WA* picture = ReadWithHourglass(record->path);
    if (!picture)
        return;
    const bool copied = fw::Clipboard::SetDib(PackedDibOf(*picture));
    WARelease(picture);
    if (copied)
        doc->DeleteSelection();
}

void COvalbumView::OnPaste()
{
    const auto dib = fw::Clipboard::GetDib();
    COvalbumApp* app = COvalbumApp::Get();
    if (!dib || !app)
        return;
    if (WA* picture = WorkAreaFromDib(*dib)) {
        app->StorePicture(*picture);
        WARelease(picture);
    }
}

void COvalbumView::OnAlbumInfo()
{
    COvalbumDoc* doc = GetDocument();
    if (!doc)
        return;
    CAlbumInfoDlg dialog(*doc, this);
    if (dialog.DoModal() == fw::IDOK)
        doc->SetAlbumTexts(dialog.comments, dialog.groupCaption, dialog.subgroupCaption);
}

void COvalbumView::OnGoToSelected()
{
    COvalbumDoc* doc = GetDocument();
    if (!doc)
        return;
    for (fw::View* view : doc->GetViews())
        if (auto* album = dynamic_cast<COvalbumView*>(view))
            album->BringIntoSight(doc->GetSelection());
}

void COvalbumView::OnViewFound()
{
    if (COvalbumDoc* doc = GetDocument()) {
        doc->viewOnlyFound = doc->viewOnlyFound ? 0 : 1;
        doc->UpdateAllViews(nullptr);
    }
}

void COvalbumView::OnSearch()
{
    COvalbumDoc* doc = GetDocument();
    if (!doc)
        return;
    CSearchDlg dialog(*doc, this);
    if (dialog.DoModal() == fw::IDOK)
        doc->SetSearch(dialog.search);
}

void COvalbumView::OnSort(uint32_t id)
{
    static constexpr AlbumSortKey kKeys[] = {AlbumSortKey::FileName, AlbumSortKey::Alias, AlbumSortKey::Creation,
                                             AlbumSortKey::Modification};
    if (COvalbumDoc* doc = GetDocument(); doc && id >= ID_SORT_FILENAME && id <= ID_SORT_MODIFICATION)
        doc->SortRecords(kKeys[id - ID_SORT_FILENAME]);
}

void COvalbumView::OnUpdateThumbnail()
{
    COvalbumDoc* doc = GetDocument();
    if (COvalbumRec* record = doc ? doc->GetSelection() : nullptr) {
        AlbumDialogQuestions questions(this);
        RefreshAlbumRecord(*doc, *record, questions);
    }
}

void COvalbumView::OnSavePictureAs()
{
    const COvalbumDoc* doc = GetDocument();
    const COvalbumRec* record = doc ? doc->GetSelection() : nullptr;
    COvalbumApp* app = COvalbumApp::Get();
    if (!record || !app)
        return;
    if (WA* picture = ReadWithHourglass(record->path)) {
        app->SavePictureAs(*picture, record->path);
        WARelease(picture);
    }
}

void COvalbumView::OnUpdateNeedsSelection(fw::CmdUI& ui)
{
    const COvalbumDoc* doc = GetDocument();
    ui.Enable(doc && doc->GetSelection());
}

void COvalbumView::OnUpdateNeedsRecords(fw::CmdUI& ui)
{
    const COvalbumDoc* doc = GetDocument();
    ui.Enable(doc && !doc->GetRecords().empty());
}

void COvalbumView::OnUpdateUndo(fw::CmdUI& ui)
{
    const COvalbumDoc* doc = GetDocument();
    ui.Enable(doc && doc->HasSnapshot());
}

void COvalbumView::OnUpdatePaste(fw::CmdUI& ui)
{
    ui.Enable(fw::Clipboard::HasDib());
}

void COvalbumView::OnUpdateViewFound(fw::CmdUI& ui)
{
    const COvalbumDoc* doc = GetDocument();
    ui.SetCheck(doc && doc->viewOnlyFound ? 1 : 0);
}

void COvalbumView::OnUpdateUpdateThumbnail(fw::CmdUI& ui)
{
    const COvalbumDoc* doc = GetDocument();
    const COvalbumRec* record = doc ? doc->GetSelection() : nullptr;
    ui.Enable(record && record->GetFileState() != COvalbumRec::fileUnchanged);
}
