// The program's menus as the main frame shows them: the menu bar filled
// from menu resource id, its items sending their commands to frame.
#pragma once

#include <cstdint>
#include <vector>

class QMenu;
class QMenuBar;

namespace fw {
class FrameWnd;
}

// Fills bar (emptied first) with menu id; returns its top-level menus.
std::vector<QMenu*> LdFillMenuBar(fw::FrameWnd& frame, QMenuBar* bar, uint32_t menuId);

#include <string>

// The text of command id in the program's full menu, without "&" marks, a
// trailing "..." and what follows a tab: what labels history steps.
std::string LdMenuCommandText(uint32_t id);
