#include "framework/MenuTemplate.h"

#include "platform/ScriptTokens.h"

using platform::ScriptToken;
using platform::ScriptTokens;

namespace fw {

namespace {

class MenuParser {
public:
    explicit MenuParser(ScriptTokens& tokens) : tokens_(tokens) {}

    std::vector<MenuItem> TopLevel()
    {
        std::vector<MenuItem> popups;
        while (tokens_.Peek().kind != ScriptToken::Kind::End) {
            const int line = tokens_.Peek().line;
            MenuItem entry = Entry(1);
            if (entry.kind != MenuItem::Kind::Popup)
                tokens_.Fail("the top level of a menu holds popups only", line);
            popups.push_back(std::move(entry));
        }
        if (popups.empty())
            tokens_.Fail("the menu has no popups");
        return popups;
    }

private:
    MenuItem Entry(int depth)
    {
        const int line = tokens_.Peek().line;
        const std::string keyword = tokens_.ExpectWord("item, separator or popup");
        MenuItem entry;
        if (keyword == "separator")
            return entry;
        if (keyword == "item") {
            entry.kind = MenuItem::Kind::Command;
            entry.id = uint32_t(tokens_.ExpectNumber("a command id", 1, MenuTemplate::kMaxCommandId));
            entry.text = Text("the item's text");
            return entry;
        }
        if (keyword != "popup")
            tokens_.Fail("unknown menu entry \"" + keyword + "\"", line);
        if (depth > MenuTemplate::kMaxDepth)
            tokens_.Fail("popups nest deeper than " + std::to_string(MenuTemplate::kMaxDepth), line);
        entry.kind = MenuItem::Kind::Popup;
        entry.text = Text("the popup's text");
        if (tokens_.Next().kind != ScriptToken::Kind::Open)
            tokens_.Fail("expected { after the popup's text", line);
        while (tokens_.Peek().kind != ScriptToken::Kind::Close) {
            if (tokens_.Peek().kind == ScriptToken::Kind::End)
                tokens_.Fail("the popup \"" + entry.text + "\" has no closing }", line);
            entry.children.push_back(Entry(depth + 1));
        }
        tokens_.Next();
        return entry;
    }

    std::string Text(const char* what)
    {
        const int line = tokens_.Peek().line;
        std::string text = tokens_.ExpectString(what);
        if (text.empty())
            tokens_.Fail(std::string(what) + " is empty", line);
        if (text.find('\0') != std::string::npos)
            tokens_.Fail(std::string(what) + " holds a NUL", line);
        return text;
    }

    ScriptTokens& tokens_;
};

const MenuItem* FindIn(const std::vector<MenuItem>& items, uint32_t id)
{
    for (const MenuItem& item : items) {
        if (item.kind == MenuItem::Kind::Command && item.id == id)
            return &item;
        if (item.kind == MenuItem::Kind::Popup)
            if (const MenuItem* found = FindIn(item.children, id))
                return found;
    }
    return nullptr;
}

}  // namespace

MenuTemplate MenuTemplate::Parse(std::string_view text, const std::string& source)
{
    ScriptTokens tokens(std::string(text), source);
    MenuTemplate menu;
    menu.popups_ = MenuParser(tokens).TopLevel();
    return menu;
}

const MenuItem* MenuTemplate::FindCommand(uint32_t id) const
{
    return FindIn(popups_, id);
}

}  // namespace fw
