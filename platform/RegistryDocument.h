// The content of a registry store file: keys named by paths of
// backslash-separated names ("Software\Quendle Screen Savers\WHIRL\FILE"),
// each with named values; key and value names compared without case.
//
// The file is text, so that it can be read and mended by hand:
//   QNREG 1
//   [Software\Quendle Screen Savers\WHIRL\FILE]
//   "Path"=sz:"/home/ann/.config/Quendle/lodo40ss.bmp"
//   "Size"=dword:10
//   "Key"=hex:0a0b
// Strings escape \\ \" \n \r \t and other control bytes as \xHH.
// Keys and values are indexed by their names: parsing is linear in the
// text and a lookup does not depend on the number of keys.
#pragma once

#include "platform/RegistryValue.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

class RegistryDocument {
public:
    // Lines that do not parse are dropped. Text that is not empty and does not
    // start with the "QNREG 1" line raises QnExcept: it was written by
    // something else, and rewriting it would lose what it holds.
    static RegistryDocument Parse(std::string_view text);
    std::string Text() const;

    const RegistryValue* Find(std::string_view key, std::string_view name) const;
    // True when the key was created or holds values, itself or below it.
    bool HasKey(std::string_view key) const;

    // A key name with a control character raises QnExcept.
    void CreateKey(std::string_view key);
    void Set(std::string_view key, std::string_view name, RegistryValue value);

    // "A\\B\" and "\A\B" name the key "A\B".
    static std::string NormalizeKey(std::string_view key);

private:
    struct Key {
        std::string path;
        std::vector<std::pair<std::string, RegistryValue>> values;
        std::unordered_map<std::string, size_t> valueIndex; // folded name -> values
    };

    Key* FindKey(std::string_view normalized);
    const Key* FindKey(std::string_view normalized) const;
    // The key of that normalized path, added when missing.
    Key& KeyOf(const std::string& normalized);
    static RegistryValue* FindValue(Key& key, std::string_view name);

    std::vector<Key> keys_; // in the order of the file
    std::unordered_map<std::string, size_t> keyIndex_; // folded path -> keys_
};

} // namespace platform
