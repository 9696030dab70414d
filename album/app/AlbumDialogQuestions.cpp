#include "album/app/AlbumDialogQuestions.h"

#include "album/app/AlbumQuestionDlg.h"
#include "album/app/AlbumStatusText.h"
#include "album/doc/AlbumRcStr.h"
#include "album/doc/OvalbumRec.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"

AlbumFileQuestions::Missing AlbumDialogQuestions::AskMissing(const COvalbumRec& record)
{
    CAlbumQuestionDlg dialog(CAlbumQuestionDlg::Kind::MissingFile, AlbumStatusText(IDS_FILE_NOT_FOUND, record.path),
                             parent_);
    switch (dialog.DoModal()) {
    case fw::IDOK: return Missing::Associate;
    case fw::IDCANCEL: return Missing::Delete;
    default: return Missing::Ignore;
    }
}

AlbumFileQuestions::Changed AlbumDialogQuestions::AskChanged(const COvalbumRec& record)
{
    CAlbumQuestionDlg dialog(CAlbumQuestionDlg::Kind::ChangedFile, AlbumStatusText(IDS_FILE_CHANGED, record.path),
                             parent_);
    switch (dialog.DoModal()) {
    case fw::IDOK: return Changed::Yes;
    case CAlbumQuestionDlg::kYesToAll: return Changed::YesToAll;
    default: return Changed::No;
    }
}

std::optional<std::string> AlbumDialogQuestions::ChooseReplacement(const COvalbumRec& record)
{
    fw::FileDialogRequest request;
    request.title = "Open";
    request.fileName = record.path;
    request.filters = {OvAlbumRcStr()(IDS_PICTURE_FILTER)};
    request.owner = parent_;
    return fw::RunFileDialog(request);
}
