#include "filters/photo/PhotoFilterDialog.h"

#include "filters/frame/FilterModuleApp.h"
#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/DialogHelp.h"

PhotoFilterDialog::PhotoFilterDialog(const ArtFilterInfo& info, const char* title, uint32_t dialogTopic,
                                     std::vector<ControlHelp> controlTopics, ArtParams& params, PreviewTile* tile,
                                     FilterEngine* engine)
    : ArtFilterDialog(info.templateId, info.section, info.helpContext, params, tile, engine),
      dialogTopic_(dialogTopic), controlTopics_(std::move(controlTopics)), help_(new fw::DialogHelp(*this, HelpRules()))
{
    setWindowTitle(title);
    helpId = dialogTopic_;
}

fw::DialogHelpRules PhotoFilterDialog::HelpRules() const
{
    fw::DialogHelpRules rules;
    rules.helpFile = FilterModuleApp::Get().HelpFile();
    // F1 asks for the dialog's topic wherever the focus is.
    rules.keyCommand = 0;
    rules.whatsThisCommand = ID_WHATS_THIS;
    rules.whatsThisText = [] { return std::string("&What's This?"); };
    // The controls have no menus of their own to offer: a right click on any
    // (a combo box too, which would keep it) reaches "What's This?".
    rules.controlMenus = false;
    rules.controlTopic = [this](uint32_t id) { return ControlTopic(id); };
    return rules;
}

bool PhotoFilterDialog::OnInitDialog()
{
    fw::SetHelpId(this, dialogTopic_);
    help_->PrepareControls();
    return ArtFilterDialog::OnInitDialog();
}

uint32_t PhotoFilterDialog::ControlTopic(uint32_t controlId) const
{
    for (const ControlHelp& c : controlTopics_)
        if (c.first == controlId)
            return c.second;
    return 0;
}

void PhotoFilterDialog::ShowDialogHelp() const
{
    help_->ShowDialogHelp();
}

bool PhotoFilterDialog::ShowControlHelp(uint32_t controlId) const
{
    const uint32_t topic = ControlTopic(controlId);
    if (topic == 0)
        return false;
    help_->Show(topic, fw::HELP_CONTEXTPOPUP);
    return true;
}
