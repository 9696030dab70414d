// Menus by resource id, from the framework's resource search.
#pragma once

#include <cstdint>
#include <span>

#include "framework/MenuTemplate.h"

namespace fw {

// Menu id of the program (or of a module after it). A missing menu, or one
// whose text is damaged, raises ResourceException naming the menu.
MenuTemplate LoadMenuTemplate(uint32_t id);

// The bytes of menu resource id as a menu; damaged text raises
// ResourceException naming the menu and the line.
MenuTemplate ParseMenuResource(uint32_t id, std::span<const uint8_t> bytes);

}  // namespace fw
