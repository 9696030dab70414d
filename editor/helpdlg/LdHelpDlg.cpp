#include "editor/helpdlg/LdHelpDlg.h"

#include "base/QnRcStr.h"
#include "editor/helpdlg/SystemFont.h"
#include "framework/App.h"
#include "framework/CommandIds.h"
#include "framework/ControlId.h"
#include "framework/DialogHelp.h"
#include "framework/MessageBox.h"

#include <QBoxLayout>
#include <QPushButton>

namespace {

// The editor's texts of the dialog base, by the ids of its string table.
constexpr int IDS_WHATS_THIS = 63014;
const QnStringTableEntry kEditorStrings[] = {
    {IDS_WHATS_THIS, "&What's This?"},
};

struct EditorTable {
    EditorTable() { rc.SetTable(kEditorStrings); }
    QnRcStr rc{0};
};

const QnRcStr& EditorStrings()
{
    static const EditorTable table;
    return table.rc;
}

// The rules of the editor's dialogs and of its modules', after style.
fw::DialogHelpRules HelpRules(uint32_t templateId, const CLdHelpDlgStyle& style)
{
    fw::DialogHelpRules rules;
    rules.keyCommand = fw::HELP_CONTEXTPOPUP;
    rules.whatsThisCommand = style.whatsThisCommand;
    rules.whatsThisText = [strings = style.strings ? style.strings : &EditorStrings(), id = style.whatsThisText] {
        // At most 127 characters, as the string is loaded into its buffer.
        return (*strings)(id).substr(0, 127);
    };
    // A control without a topic of its own falls back to the dialog's.
    rules.whatsThisFallsBack = true;
    // Controls keep no menus of their own (an edit's Cut and Paste): a right
    // click anywhere reaches the dialog's "What's This?".
    rules.controlMenus = false;
    if (style.controlTopics)
        rules.controlTopic = [templateId](uint32_t id) { return fw::ControlHelpTopic(templateId, id); };
    return rules;
}

}  // namespace

const CLdHelpDlgStyle& CLdHelpDlgStyle::Editor()
{
    static const CLdHelpDlgStyle editor{CLdHelpDlg::ID_WHATS_THIS, &EditorStrings(), IDS_WHATS_THIS, false};
    return editor;
}

CLdHelpDlg::CLdHelpDlg(uint32_t templateId, QWidget* parent, const CLdHelpDlgStyle& style)
    : fw::Dialog(parent), templateId_(templateId), style_(style),
      help_(new fw::DialogHelp(*this, HelpRules(templateId, style)))
{
    helpId = fw::kHelpBaseResource + templateId;
    setFont(LdMakeFont(LdPointFont(80, "MS Sans Serif")));
}

bool CLdHelpDlg::OnInitDialog()
{
    help_->PrepareControls();
    return fw::Dialog::OnInitDialog();
}

uint32_t CLdHelpDlg::ControlTopic(uint32_t templateId, uint32_t controlId)
{
    return fw::ControlHelpTopic(templateId, controlId);
}

void CLdHelpDlg::OnCommand(uint32_t id)
{
    if (id == style_.whatsThisCommand) {
        help_->OnWhatsThis();
        return;
    }
    if (id == fw::ID_HELP) {
        help_->ShowDialogHelp();
        return;
    }
    fw::Dialog::OnCommand(id);
}

void CLdHelpDlg::AddStandardButtons(QBoxLayout* column, bool withCancel)
{
    column->addWidget(AddButton(fw::IDOK, "OK"));
    if (withCancel)
        column->addWidget(AddButton(fw::IDCANCEL, "Cancel"));
    column->addWidget(AddButton(fw::ID_HELP, "&Help"));
    column->addStretch(1);
}
