// The library's resources looked up in one language. A resource given for a
// language is stored under its type tagged with the language id: the type
// named "<type>:<id as 4 hex digits>" ("6:0407" strings, "5:0407" dialog
// texts, "2:0407" bitmaps). The untagged type holds the ordinary resources,
// which every lookup falls back to when the language has none.
#pragma once

#include "platform/ResourceTable.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>

class ZvLangResources {
public:
    ZvLangResources(const platform::ResourceTable& table, uint16_t langId) : table_(table), langId_(langId) {}

    uint16_t LangId() const { return langId_; }
    // The type under which the language's resources of type are stored.
    static platform::ResourceName TaggedType(const platform::ResourceName& type, uint16_t langId);

    // The resource in the language, else the ordinary one; none when
    // neither exists.
    std::optional<std::span<const uint8_t>> FindResource(const platform::ResourceName& name,
                                                         const platform::ResourceName& type) const;
    // String id into buffer: at most size - 1 bytes, never a character cut
    // in two, then a NUL. Answers the bytes written (0 for a string that
    // does not exist or a buffer without room).
    int LoadString(uint32_t id, char* buffer, int size) const;
    // The same, whole; empty when the string does not exist.
    std::string String(uint32_t id) const;

private:
    const platform::ResourceTable& table_;
    uint16_t langId_;
};

// The texts of a dialog template: the caption under id 0, a control's text
// under its control id. A template is lines of "<id> <text>"; blank lines
// and lines starting with "#" are skipped.
using ZvDialogTexts = std::map<uint32_t, std::string>;
ZvDialogTexts ZvParseDialogTexts(std::span<const uint8_t> bytes);

// The resources the library carries (strings, dialog texts, bitmaps).
const platform::ResourceTable& ZvLibraryResources();
// Those resources in the language GetForcedLangId gives.
const ZvLangResources& ZvLibraryLangResources();
