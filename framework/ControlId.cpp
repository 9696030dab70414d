#include "framework/ControlId.h"

#include <QVariant>
#include <QWidget>

namespace fw {
namespace {
constexpr const char* kControlId = "fwControlId";
constexpr const char* kHelpId = "fwHelpId";
}  // namespace

void SetControlId(QObject* object, uint32_t id)
{
    object->setProperty(kControlId, QVariant::fromValue(id));
}

uint32_t ControlId(const QObject* object)
{
    const QVariant v = object ? object->property(kControlId) : QVariant();
    return v.isValid() ? v.value<uint32_t>() : 0;
}

QWidget* FindControl(const QWidget* parent, uint32_t id)
{
    if (!parent)
        return nullptr;
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget)
            continue;
        if (ControlId(widget) == id)
            return widget;
        if (QWidget* found = FindControl(widget, id))
            return found;
    }
    return nullptr;
}

void SetHelpId(QObject* object, uint32_t id)
{
    object->setProperty(kHelpId, QVariant::fromValue(id));
}

uint32_t HelpId(const QObject* object)
{
    const QVariant v = object ? object->property(kHelpId) : QVariant();
    return v.isValid() ? v.value<uint32_t>() : 0;
}

QWidget* WithHelpId(QWidget* widget, const QWidget* window)
{
    for (QWidget* w = widget; w && w != window; w = w->parentWidget())
        if (HelpId(w) != 0)
            return w;
    return nullptr;
}

uint32_t ControlHelpTopic(uint32_t templateId, uint32_t controlId)
{
    return 0x80000000u + ((templateId & 0x7FFF) << 16) + (controlId & 0xFFFF);
}

}  // namespace fw
