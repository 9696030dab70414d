// File > Send... of the picture document: the mail goes through the
// editor's xdg-email sender, which writes the picture with the document's
// own save when the file on disk is not what the user sees.
#include "editor/document/Lodo40Doc.h"
#include "editor/ui/SendMail.h"

void CLodo40Doc::OnFileSendMail()
{
    CLdSendMail().OnFileSendMail(*this);
}

void CLodo40Doc::OnUpdateFileSendMail(fw::CmdUI& ui)
{
    CLdSendMail::OnUpdateFileSendMail(&ui);
}
