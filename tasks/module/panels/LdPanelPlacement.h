// How a tool puts its option panel into the editor's bar: made as a
// modeless child of the bar (no window of its own), its top-left corner at
// the given point of the bar's client area, its size its own, shown.
#pragma once

#include <memory>

class CLdOptionsPanel;
class QPoint;
class QWidget;

// The panel belongs to parent from here on; the answer is the panel.
QWidget* LdPlacePanel(std::unique_ptr<CLdOptionsPanel> panel, QWidget* parent, const QPoint* at);
