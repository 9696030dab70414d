// Control ids and context-help ids kept on widgets and actions, as dialog
// controls, bar buttons and menu items carry them.
#pragma once

#include <cstdint>

class QObject;
class QWidget;

namespace fw {

void SetControlId(QObject* object, uint32_t id);
// The object's control id, 0 when it has none.
uint32_t ControlId(const QObject* object);
// The first descendant widget of parent (depth first) with that id, or null.
QWidget* FindControl(const QWidget* parent, uint32_t id);

void SetHelpId(QObject* object, uint32_t id);
uint32_t HelpId(const QObject* object);
// The widget at or above widget, below window, that has a help id; null
// when none has.
QWidget* WithHelpId(QWidget* widget, const QWidget* window);
// The topic the help compiler gives a control of a dialog template:
// 0x80000000 + template id * 0x10000 + control id.
uint32_t ControlHelpTopic(uint32_t templateId, uint32_t controlId);

}  // namespace fw
