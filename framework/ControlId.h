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

}  // namespace fw
