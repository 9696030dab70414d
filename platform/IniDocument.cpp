#include "platform/IniDocument.h"

#include "platform/NoCase.h"
#include "platform/SystemError.h"

namespace platform {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Text of a value as it is read: one pair of enclosing quotes dropped.
std::string Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// Text of a value as it is written, so that reading it back gives value:
// quoted when blanks at its ends or enclosing quotes would otherwise be lost.
// Built by appending: g++ 12 warns falsely on chains of string additions.
std::string QuoteIfNeeded(std::string_view value)
{
    const bool losesBlanks = TrimBlanks(value).size() != value.size();
    const bool looksQuoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                             value.back() == value.front();
    std::string written;
    written.reserve(value.size() + 2);
    if (losesBlanks || looksQuoted)
        written += '"';
    written += value;
    if (losesBlanks || looksQuoted)
        written += '"';
    return written;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

} // namespace

IniDocument IniDocument::Parse(std::string text)
{
    IniDocument document;
    document.text_ = std::move(text);
    if (std::string_view(document.text_).substr(0, kUtf8Mark.size()) == kUtf8Mark)
        document.bodyStart_ = kUtf8Mark.size();
    document.Index();
    return document;
}

void IniDocument::Index()
{
    sections_.clear();
    keys_.clear();
    size_t at = bodyStart_;
    while (at < text_.size()) {
        if (text_[at] == '\n') { // an empty line: nothing to index
            ++at;
            continue;
        }
        const size_t newline = text_.find('\n', at);
        Line line{at, newline == std::string::npos ? text_.size() : newline};
        // The "\r" of a "\r\n" belongs to the ending; one that ends the text
        // without a "\n" belongs to the line.
        if (newline != std::string::npos && line.end > at && text_[line.end - 1] == '\r')
            --line.end;
        IndexLine(line);
        at = newline == std::string::npos ? text_.size() : newline + 1;
    }
}

void IniDocument::IndexLine(Line line)
{
    const std::string_view raw = TextOf(line);
    const std::string_view body = TrimBlanks(raw);
    if (body.empty() || body.front() == ';' || body.front() == '#')
        return;
    if (body.front() == '[') {
        if (body.find(']') != std::string_view::npos)
            sections_.push_back({line, keys_.size(), keys_.size()});
        return;
    }
    // Keys before the first section belong to none and are never found.
    const size_t equals = raw.find('=');
    if (equals == std::string_view::npos || TrimBlanks(raw.substr(0, equals)).empty() || sections_.empty())
        return;
    size_t valueStart = line.begin + equals + 1;
    while (valueStart < line.end && (text_[valueStart] == ' ' || text_[valueStart] == '\t'))
        ++valueStart;
    keys_.push_back({line, valueStart});
    sections_.back().endKey = keys_.size();
}

std::string_view IniDocument::TextOf(Line line) const
{
    return std::string_view(text_).substr(line.begin, line.end - line.begin);
}

std::string_view IniDocument::NameOf(const Section& section) const
{
    const std::string_view text = TextOf(section.line);
    const size_t open = text.find('[');
    const size_t close = text.find(']', open);
    return TrimBlanks(text.substr(open + 1, close - open - 1));
}

std::string_view IniDocument::NameOf(const Key& key) const
{
    const std::string_view text = TextOf(key.line);
    return TrimBlanks(text.substr(0, text.find('=')));
}

size_t IniDocument::NextLineStart(Line line) const
{
    if (line.end == text_.size())
        return line.end;
    return line.end + (text_[line.end] == '\r' ? 2 : 1);
}

std::string IniDocument::EndingFor(Line line) const
{
    // A line that ends in a carriage return keeps it only before a full
    // "\r\n": a "\n" alone would make the two an ending and lose the "\r".
    const std::string_view text = TextOf(line);
    return !text.empty() && text.back() == '\r' ? "\r\n" : LineEnding();
}

std::string IniDocument::LineEnding() const
{
    const size_t newline = text_.find('\n', bodyStart_);
    if (newline != std::string::npos && newline > bodyStart_ && text_[newline - 1] == '\r')
        return "\r\n";
    return "\n";
}

std::optional<IniDocument::Line> IniDocument::LastLine() const
{
    if (text_.size() == bodyStart_)
        return std::nullopt;
    Line line{bodyStart_, text_.size()};
    if (text_.back() == '\n') {
        line.end = text_.size() - 1;
        if (line.end > bodyStart_ && text_[line.end - 1] == '\r')
            --line.end;
    }
    const size_t newline = line.end > bodyStart_ ? text_.rfind('\n', line.end - 1) : std::string::npos;
    if (newline != std::string::npos && newline >= bodyStart_)
        line.begin = newline + 1;
    return line;
}

std::optional<size_t> IniDocument::FindSection(std::string_view section) const
{
    section = TrimBlanks(section);
    for (size_t i = 0; i < sections_.size(); ++i)
        if (EqualsNoCase(NameOf(sections_[i]), section))
            return i;
    return std::nullopt;
}

std::optional<size_t> IniDocument::FindKey(const Section& section, std::string_view key) const
{
    key = TrimBlanks(key);
    for (size_t i = section.firstKey; i < section.endKey; ++i)
        if (EqualsNoCase(NameOf(keys_[i]), key))
            return i;
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const
{
    std::optional<size_t> sectionIndex = FindSection(section);
    if (!sectionIndex)
        return std::nullopt;
    std::optional<size_t> keyIndex = FindKey(sections_[*sectionIndex], key);
    if (!keyIndex)
        return std::nullopt;
    const Key& found = keys_[*keyIndex];
    return Unquote(TrimBlanks(std::string_view(text_).substr(found.valueStart, found.line.end - found.valueStart)));
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (section.empty() || HasLineBreak(section) || section.find(']') != std::string_view::npos)
        RaiseError("Invalid settings section name \"" + std::string(section) + "\"", "IniDocument", __LINE__);
    if (key.empty() || HasLineBreak(key) || key.find('=') != std::string_view::npos ||
        key.front() == '[' || key.front() == ';' || key.front() == '#')
        RaiseError("Invalid settings key name \"" + std::string(key) + "\"", "IniDocument", __LINE__);
    if (HasLineBreak(value))
        RaiseError("A settings value cannot hold a line break (key \"" + std::string(key) + "\")",
                   "IniDocument", __LINE__);

    std::string keyLine(key);
    keyLine += '=';
    keyLine += QuoteIfNeeded(value);
    const std::string ending = LineEnding();
    if (std::optional<size_t> sectionIndex = FindSection(section)) {
        const Section& found = sections_[*sectionIndex];
        if (std::optional<size_t> keyIndex = FindKey(found, key)) {
            const Key& line = keys_[*keyIndex];
            text_.replace(line.valueStart, line.line.end - line.valueStart, keyLine.substr(key.size() + 1));
            Index();
            return;
        }
        // After the section's last key line (or its header), so that comments
        // and blank lines that lead into the next section stay with it.
        const Line anchor = found.endKey > found.firstKey ? keys_[found.endKey - 1].line : found.line;
        std::string added = HasEnding(anchor) ? std::string() : EndingFor(anchor);
        added += keyLine + ending;
        text_.insert(NextLineStart(anchor), added);
        Index();
        return;
    }
    std::string added;
    if (std::optional<Line> last = LastLine()) {
        if (!HasEnding(*last))
            added += EndingFor(*last);
        if (!TrimBlanks(TextOf(*last)).empty())
            added += ending;
    }
    added += '[';
    added += section;
    added += ']';
    added += ending;
    added += keyLine;
    added += ending;
    text_ += added;
    Index();
}

} // namespace platform
