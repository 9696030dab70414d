#include "filters/photo/PhotoFilterDialog.h"

#include "filters/frame/FilterModuleApp.h"
#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/HelpProvider.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

PhotoFilterDialog::PhotoFilterDialog(const ArtFilterInfo& info, const char* title, uint32_t dialogTopic,
                                     std::vector<ControlHelp> controlTopics, ArtParams& params, PreviewTile* tile,
                                     FilterEngine* engine)
    : ArtFilterDialog(info.templateId, info.section, info.helpContext, params, tile, engine),
      dialogTopic_(dialogTopic), controlTopics_(std::move(controlTopics))
{
    setWindowTitle(title);
}

bool PhotoFilterDialog::OnInitDialog()
{
    fw::SetHelpId(this, dialogTopic_);
    for (const ControlHelp& c : controlTopics_)
        if (QWidget* control = GetDlgItem(c.first))
            fw::SetHelpId(control, c.second);
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
    fw::HelpProvider::Instance().Show(FilterModuleApp::Get().HelpFile(), dialogTopic_, fw::HELP_CONTEXT);
}

bool PhotoFilterDialog::ShowControlHelp(uint32_t controlId) const
{
    const uint32_t topic = ControlTopic(controlId);
    if (topic == 0)
        return false;
    fw::HelpProvider::Instance().Show(FilterModuleApp::Get().HelpFile(), topic, fw::HELP_CONTEXTPOPUP);
    return true;
}

void PhotoFilterDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowDialogHelp();
        return;
    }
    ArtFilterDialog::keyPressEvent(event);
}

void PhotoFilterDialog::contextMenuEvent(QContextMenuEvent* event)
{
    // The control under the click, or the nearest parent that has an id.
    uint32_t controlId = 0;
    for (QWidget* w = childAt(event->pos()); w && w != this && controlId == 0; w = w->parentWidget())
        controlId = fw::ControlId(w);
    QMenu menu(this);
    QAction* whatsThis = menu.addAction("&What's This?");
    whatsThis->setData(int(ID_WHATS_THIS));
    if (menu.exec(event->globalPos()) == whatsThis)
        ShowControlHelp(controlId);
}
