// A module's resources looked up in a language. A resource given for a
// language is stored under its type tagged with the language id: the type
// named "<type>:<id as 4 hex digits>" ("6:0407" strings, "5:0407" dialog
// texts, "2:0407" bitmaps). The untagged type holds the ordinary resources,
// in US English, which every lookup falls back to when no language it
// tries has the resource.
#pragma once

#include "platform/ResourceTable.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

class LangResources {
public:
    // Looks up in the languages in order, then the ordinary resources. An
    // English language ends the search at the ordinary resources, which are
    // English themselves.
    LangResources(ResourceTable table, std::vector<uint16_t> languages);
    // Looks up in the one language given, then the ordinary resources.
    LangResources(ResourceTable table, uint16_t langId) : LangResources(std::move(table), std::vector{langId}) {}

    // The languages the system's own lookup tries for a user of langId:
    // that language, then its primary language in the default territory
    // (a Swiss German user gets the German dialogs).
    static std::vector<uint16_t> OrdinaryLanguages(uint16_t langId);

    const std::vector<uint16_t>& Languages() const { return languages_; }
    // The type under which the language's resources of type are stored.
    static ResourceName TaggedType(const ResourceName& type, uint16_t langId);

    // The resource in the first language that has it, else the ordinary
    // one; none when neither exists.
    std::optional<std::span<const uint8_t>> FindResource(const ResourceName& name, const ResourceName& type) const;
    // String id into buffer: at most size - 1 bytes, never a character cut
    // in two, then a NUL. Answers the bytes written (0 for a string that
    // does not exist or a buffer without room).
    int LoadString(uint32_t id, char* buffer, int size) const;
    // The same, whole; none when the string does not exist.
    std::optional<std::string> FindString(uint32_t id) const;
    // The same; empty when the string does not exist.
    std::string String(uint32_t id) const { return FindString(id).value_or(std::string()); }

private:
    ResourceTable table_;
    std::vector<uint16_t> languages_;
};

// The texts of a dialog template: the caption under id 0, a control's text
// under its control id. A template is lines of "<id> <text>"; blank lines
// and lines starting with "#" are skipped.
using DialogTexts = std::map<uint32_t, std::string>;
DialogTexts ParseDialogTexts(std::span<const uint8_t> bytes);

} // namespace platform
