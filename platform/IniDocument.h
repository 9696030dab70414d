// The text of an INI file as a list of lines, with the private-profile rules
// for finding and changing a value: section and key names compared without
// case, the first match wins, values trimmed of blanks and of one pair of
// enclosing quotes. A change rewrites one line or adds lines; every other
// line, comment and line ending stays as it was, byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class IniDocument {
public:
    // Any text parses: a line that is neither a section header, a key line,
    // a comment nor blank is kept but never matched.
    static IniDocument Parse(std::string_view text);

    // The value of key in the first section of that name; none when absent.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Sets key in the first section of that name, adding the key at the end
    // of the section's keys or the section at the end of the text when
    // missing. A name or value that the file could not hold back (a line
    // break, a "]" in a section name, a "=" in a key) raises QnExcept.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

private:
    enum class Kind { Blank, Comment, Section, Key, Other };
    struct Line {
        std::string text;   // without its line ending
        std::string ending; // "\n", "\r\n" or "" for a last line without one
        Kind kind = Kind::Other;
        std::string_view Name() const; // section or key name, trimmed
        size_t valueStart = 0;          // Key lines: where the value begins
    };

    static Line Classify(std::string text, std::string ending);
    // Index of the first section header named section, or none.
    std::optional<size_t> FindSection(std::string_view section) const;
    // Index of the first key line named key in the section whose header is at
    // sectionLine, or none.
    std::optional<size_t> FindKey(size_t sectionLine, std::string_view key) const;
    std::string LineEnding() const;

    std::string mark_; // a UTF-8 byte-order mark that opened the text, kept
    std::vector<Line> lines_;
};

} // namespace platform
