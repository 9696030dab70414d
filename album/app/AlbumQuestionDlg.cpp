#include "album/app/AlbumQuestionDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "album/app/AlbumIds.h"
#include "album/doc/AlbumRcStr.h"
#include "framework/ControlId.h"
#include "framework/MessageBox.h"

CAlbumQuestionDlg::CAlbumQuestionDlg(Kind kind, std::string message, QWidget* parent)
    : CAlbumHelpDlg(kind == Kind::MissingFile ? IDD_ALBUM_ERROR : IDD_CHANGED_FILE, parent), kind_(kind), message_(std::move(message))
{
    if (kind_ == Kind::MissingFile) {
        setWindowTitle("Album error");
        helpId = IDD_ALBUM_ERROR;
    } else {
        setWindowTitle(QString::fromStdString(OvAlbumRcStr()(IDS_ALBUM_TITLE)));
        helpId = IDD_CHANGED_FILE;
    }
}

void CAlbumQuestionDlg::CreateControls()
{
    auto* layout = new QGridLayout(this);
    auto* text = new QLabel(QString::fromStdString(message_), this);
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    fw::SetControlId(text, IDC_QUESTION_TEXT);
    layout->addWidget(text, 0, 0);
    auto* buttons = new QHBoxLayout;
    if (kind_ == Kind::MissingFile) {
        buttons->addWidget(AddButton(fw::IDOK, "&Associate"));
        buttons->addWidget(AddButton(fw::IDCANCEL, "&Delete"));
        buttons->addWidget(AddButton(IDC_IGNORE, "&Ignore"));
    } else {
        buttons->addWidget(AddButton(fw::IDOK, "Yes"));
        buttons->addWidget(AddButton(fw::IDCANCEL, "&No"));
        buttons->addWidget(AddButton(IDC_YES_TO_ALL, "Yes to &All"));
    }
    layout->addLayout(buttons, 1, 0);
}

void CAlbumQuestionDlg::OnCommand(uint32_t id)
{
    if (kind_ == Kind::MissingFile && id == IDC_IGNORE)
        EndDialog(kIgnore);
    else if (kind_ == Kind::ChangedFile && id == IDC_YES_TO_ALL)
        EndDialog(kYesToAll);
    else
        CAlbumHelpDlg::OnCommand(id);
}

void CAlbumQuestionDlg::reject()
{
    if (kind_ == Kind::MissingFile)
        EndDialog(kIgnore);
    else
        CAlbumHelpDlg::reject();
}
