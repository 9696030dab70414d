// A menu as a menu resource describes it: popups, command items and
// separators in the order they show. The resource is text in the form of
// the resource descriptions ("#" starts a comment; strings in quotes take
// the escapes \t \n \\ \" \xHH):
//
//   popup "&File" {
//       item 57600 "&New...\tCtrl+N"     command id and text
//       separator
//       popup "&Recent" { ... }          popups nest
//   }
//
// The top level holds popups only: the menus of a menu bar, or the popups
// of a context menu, found by position. Texts are kept as written: "&" marks
// the access key ("&&" is a plain "&") and a tab starts the shortcut.
//
// No GUI here: the resource compiler checks menu files with the same parser.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

struct MenuItem {
    enum class Kind { Command, Separator, Popup };

    Kind kind = Kind::Separator;
    std::string text;
    uint32_t id = 0;                 // command items only
    std::vector<MenuItem> children;  // popups only
};

class MenuTemplate {
public:
    // Command ids are those a command message carries.
    static constexpr uint32_t kMaxCommandId = 0xFFFF;
    // Deeper nesting is taken for a damaged resource.
    static constexpr int kMaxDepth = 16;

    // Reads the text of a menu resource; source names it in messages. Bad
    // text raises QnExcept "<source>:<line>: <what is wrong>".
    static MenuTemplate Parse(std::string_view text, const std::string& source);

    const std::vector<MenuItem>& Popups() const { return popups_; }

    // The first command item with id, searching each popup's entries in
    // order and a nested popup before the entries after it; null when the
    // menu has none.
    const MenuItem* FindCommand(uint32_t id) const;

private:
    std::vector<MenuItem> popups_;
};

}  // namespace fw
