#include "drawctx/qt/ZvLoadDialog.h"

#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/DialogTexts.h"
#include "framework/EventGuard.h"
#include "framework/HelpProvider.h"
#include "platform/Module.h"

#include <QContextMenuEvent>
#include <QKeyEvent>

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

namespace {

// The topic of the widget or of the nearest control above it that has one.
uint32_t TopicAt(const QWidget* widget, const QWidget* dialog)
{
    for (; widget && widget != dialog; widget = widget->parentWidget())
        if (const uint32_t id = fw::HelpId(widget))
            return id;
    return 0;
}

}  // namespace

void ZvTemplateDialog::keyPressEvent(QKeyEvent* event)
{
    const uint32_t topic = event->key() == Qt::Key_F1 ? TopicAt(focusWidget(), this) : 0;
    if (topic == 0) {
        fw::Dialog::keyPressEvent(event);
        return;
    }
    fw::GuardedCall([&] { fw::HelpProvider::Instance().Show(HelpFile(), topic, fw::HELP_WM_HELP); });
}

void ZvTemplateDialog::contextMenuEvent(QContextMenuEvent* event)
{
    const uint32_t topic = TopicAt(childAt(event->pos()), this);
    if (topic != 0)
        fw::GuardedCall([&] { fw::HelpProvider::Instance().Show(HelpFile(), topic, fw::HELP_CONTEXTMENU); });
}
