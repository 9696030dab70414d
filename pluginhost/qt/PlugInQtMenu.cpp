#include "pluginhost/qt/PlugInQtMenu.h"

#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "framework/FrameWnd.h"

#include <QAction>
#include <QMenu>
#include <QStringDecoder>

PlugInQtMenu::PlugInQtMenu(QMenu* menu, fw::FrameWnd* frame) : menu_(menu), frame_(frame) {}

PlugInQtMenu::PlugInQtMenu(OwnedTag, fw::FrameWnd* frame) : menu_(new QMenu), frame_(frame), owned_(true)
{
    if (frame_)
        frame_->WatchMenu(menu_);
}

PlugInQtMenu::~PlugInQtMenu()
{
    // Deleting a popup also takes its entry out of the menu that held it.
    if (owned_)
        delete menu_.data();
}

QMenu* PlugInQtMenu::Menu() const { return menu_; }

QString PlugInQtMenu::DisplayText(const std::string& text)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    return utf8.hasError() ? QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())) : decoded;
}

QAction* PlugInQtMenu::ActionAt(int32_t position) const
{
    if (!menu_ || position < 0)
        return nullptr;
    const QList<QAction*> actions = menu_->actions();
    return position < actions.size() ? actions[position] : nullptr;
}

int32_t PlugInQtMenu::ItemCount() const
{
    return menu_ ? static_cast<int32_t>(menu_->actions().size()) : 0;
}

bool PlugInQtMenu::ItemText(int32_t position, std::string& text) const
{
    const QAction* action = ActionAt(position);
    if (!action || action->isSeparator() || action->text().isEmpty())
        return false;
    // Our own items keep the bytes they were given, so sorting compares
    // exactly what the catalogue holds.
    const QVariant bytes = action->data();
    text = bytes.typeId() == QMetaType::QByteArray ? bytes.toByteArray().toStdString() : action->text().toStdString();
    return true;
}

void PlugInQtMenu::Insert(int32_t position, QAction* action, const std::string& text)
{
    action->setText(DisplayText(text));
    action->setData(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    menu_->insertAction(ActionAt(position), action);
}

bool PlugInQtMenu::InsertItem(int32_t position, const std::string& text, uint32_t commandId)
{
    if (!menu_)
        return false;
    auto* action = new QAction(menu_);
    fw::SetControlId(action, commandId);
    if (frame_) {
        fw::FrameWnd* frame = frame_;
        // Posted, so the menu has closed before a plug-in runs; a rescan
        // from the command may then rebuild these very items.
        QObject::connect(action, &QAction::triggered, frame, [frame, commandId] { frame->PostCommand(commandId); });
        QObject::connect(action, &QAction::hovered, frame,
                         [frame, commandId] { fw::GuardedCall([&] { frame->OnMenuSelect(commandId); }); });
    }
    Insert(position, action, text);
    return true;
}

bool PlugInQtMenu::InsertSubmenu(int32_t position, const std::string& text, PlugInMenu* submenu)
{
    auto* popup = dynamic_cast<PlugInQtMenu*>(submenu);
    if (!menu_ || !popup || !popup->menu_)
        return false;
    Insert(position, popup->menu_->menuAction(), text);
    return true;
}

void PlugInQtMenu::AppendSeparator()
{
    if (menu_)
        menu_->addSeparator();
}

void PlugInQtMenu::RemoveItem(int32_t position)
{
    QAction* action = ActionAt(position);
    if (!action)
        return;
    menu_->removeAction(action);
    // A popup's entry belongs to the popup, which the catalogue destroys;
    // items and separators made here go with their entry.
    if (!action->menu() && action->parent() == menu_)
        delete action;
}

std::unique_ptr<PlugInMenu> PlugInQtMenu::CreatePopup()
{
    return std::unique_ptr<PlugInMenu>(new PlugInQtMenu(OwnedTag{}, frame_));
}
