#include "drawctx/qt/ZvLoadDialog.h"

#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "framework/HelpProvider.h"
#include "platform/Module.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>

void ZvTemplateDialog::ApplyTexts(const ZvDialogTexts& texts)
{
    for (const auto& [id, text] : texts) {
        const QString t = QString::fromUtf8(text.c_str());
        if (id == 0) {
            setWindowTitle(t);
            continue;
        }
        QWidget* control = fw::FindControl(this, id);
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(t);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(t);
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            group->setTitle(t);
    }
}

bool ZvTemplateDialog::OnInitDialog()
{
    ApplyTexts(texts_);
    return fw::Dialog::OnInitDialog();
}

int ZvLoadDialog(const char* templateName, ZvTemplateDialog& dialog, const ZvLangResources& resources)
{
    const auto bytes = resources.FindResource(templateName, platform::ResourceType::Dialog);
    if (!bytes)
        return -1;
    dialog.SetTexts(ZvParseDialogTexts(*bytes));
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
