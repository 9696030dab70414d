// The program's menus as the main frame shows them: the menu bar filled
// from a menu resource, its items sending their commands to the frame, and
// the texts of commands in the full command menu.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class QMenu;
class QMenuBar;

namespace fw {
class FrameWnd;
}

// The menu resources of the program.
inline constexpr uint32_t IDR_FULL_COMMAND_MENU = 130;
inline constexpr uint32_t IDR_PALETTE_MENU = 145;
inline constexpr uint32_t IDR_MAINFRAME_MENU = 150;
inline constexpr uint32_t IDR_PICTURE_MENU = 151;

// Fills bar (emptied first) with menu resource menuId; returns its
// top-level menus in order. A missing or damaged menu raises
// fw::ResourceException.
std::vector<QMenu*> LdFillMenuBar(fw::FrameWnd& frame, QMenuBar* bar, uint32_t menuId);

// The text of command id in the full command menu (130) as history steps
// are labelled with it; empty when the menu has no such command.
std::string LdMenuCommandText(uint32_t id);

// A menu item's text as a label: at most 256 characters, cut at a tab that
// is not the last character, a trailing "..." removed, and every "&"
// dropped with the character after it kept ("&&" gives "&").
std::string LdMenuTextLabel(const std::string& text);
