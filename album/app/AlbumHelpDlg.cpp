#include "album/app/AlbumHelpDlg.h"

#include "framework/DialogHelp.h"

namespace {

fw::DialogHelpRules AlbumHelpRules(uint32_t dialogId)
{
    fw::DialogHelpRules rules;
    // A right click reaches the dialog rather than an edit's own menu.
    rules.controlMenus = false;
    rules.controlTopic = [dialogId](uint32_t id) { return CAlbumHelpDlg::ControlHelpId(dialogId, id); };
    return rules;
}

} // namespace

CAlbumHelpDlg::CAlbumHelpDlg(uint32_t dialogId, QWidget* parent)
    : fw::Dialog(parent), help_(new fw::DialogHelp(*this, AlbumHelpRules(dialogId)))
{
    helpId = dialogId;
}

bool CAlbumHelpDlg::OnInitDialog()
{
    help_->PrepareControls();
    return fw::Dialog::OnInitDialog();
}
