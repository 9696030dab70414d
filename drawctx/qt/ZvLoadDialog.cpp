#include "drawctx/qt/ZvLoadDialog.h"

#include "framework/DialogHelp.h"
#include "framework/DialogTexts.h"
#include "platform/Module.h"

namespace {

fw::DialogHelpRules LibraryHelpRules()
{
    fw::DialogHelpRules rules;
    rules.helpFile = ZvTemplateDialog::HelpFile();
    // F1 away from a control's topic is left to the dialog.
    rules.elsewhere = fw::DialogHelpRules::Elsewhere::Nothing;
    return rules;
}

}  // namespace

ZvTemplateDialog::ZvTemplateDialog(QWidget* owner) : fw::Dialog(owner)
{
    new fw::DialogHelp(*this, LibraryHelpRules());  // the dialog owns it
}

bool ZvTemplateDialog::OnInitDialog()
{
    fw::ApplyDialogTexts(this, texts_);
    return fw::Dialog::OnInitDialog();
}

int ZvLoadDialog(const char* templateName, ZvTemplateDialog& dialog, const platform::LangResources& resources)
{
    const auto bytes = resources.FindResource(templateName, platform::ResourceType::Dialog);
    if (!bytes)
        return -1;
    dialog.SetTexts(platform::ParseDialogTexts(*bytes));
    return dialog.DoModal();
}

std::string ZvTemplateDialog::HelpFile()
{
    const std::string library = platform::Module::PathOfAddress(reinterpret_cast<const void*>(&ZvLoadDialog));
    return library.substr(0, library.rfind('/') + 1) + "Zvblt35.HLP";
}
