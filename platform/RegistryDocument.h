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
    };

    // Index of the key of that normalized path, none when missing.
    std::optional<size_t> FindKey(std::string_view normalized) const;
    // Index of the key of that normalized path, added when missing.
    size_t KeyOf(const std::string& normalized);
    // Where the value lies in keys_[key].values; added to the index at
    // next when missing (the second of the pair says whether it was).
    std::pair<size_t, bool> ValueSlot(size_t key, std::string_view name, size_t next);
    const RegistryValue* FindValue(size_t key, std::string_view name) const;

    std::vector<Key> keys_; // in the order of the file
    std::unordered_map<std::string, size_t> keyIndex_; // folded path -> keys_
    // Folded path, "\x01" (which no path holds), folded name -> values of the key.
    std::unordered_map<std::string, size_t> valueIndex_;
};

} // namespace platform
