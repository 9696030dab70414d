// The text of an INI file with the private-profile rules for finding and
// changing a value: section and key names compared without case, the first
// match wins, values trimmed of blanks and of one pair of enclosing quotes.
// The text is kept whole in one buffer, with an index of its section and key
// lines only, so that blank lines, comments and long values cost nothing
// beyond their bytes. A change rewrites one line or adds lines; every other
// byte stays as it was.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class IniDocument {
public:
    // Any text parses: a line that is neither a section header, a key line,
    // a comment nor blank is kept but never matched.
    static IniDocument Parse(std::string text);

    // The value of key in the first section of that name; none when absent.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Sets key in the first section of that name, adding the key at the end
    // of the section's keys or the section at the end of the text when
    // missing. A name or value that the file could not hold back (a line
    // break, a "]" in a section name, a "=" in a key) raises QnExcept.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    const std::string& Text() const { return text_; }

private:
    // A line's text without its line ending, as offsets into text_.
    struct Line {
        size_t begin = 0;
        size_t end = 0;
    };
    struct Section {
        Line line;
        size_t firstKey = 0; // its key lines are keys_[firstKey, endKey)
        size_t endKey = 0;
    };
    struct Key {
        Line line;
        size_t valueStart = 0; // after the "=" and the blanks that follow it
    };

    void Index();
    void IndexLine(Line line);
    std::string_view TextOf(Line line) const;
    std::string_view NameOf(const Section& section) const;
    std::string_view NameOf(const Key& key) const;
    // Where the line after line begins (text_.size() for the last line).
    size_t NextLineStart(Line line) const;
    bool HasEnding(Line line) const { return NextLineStart(line) > line.end; }
    // The ending to give line when a line is added after it.
    std::string EndingFor(Line line) const;
    std::optional<size_t> FindSection(std::string_view section) const;
    std::optional<size_t> FindKey(const Section& section, std::string_view key) const;
    std::string LineEnding() const;
    // The last line of the text, none for text without lines.
    std::optional<Line> LastLine() const;

    std::string text_;
    size_t bodyStart_ = 0; // after a UTF-8 byte-order mark, which is kept
    std::vector<Section> sections_;
    std::vector<Key> keys_;
};

} // namespace platform
