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
std::string QuoteIfNeeded(std::string_view value)
{
    const bool losesBlanks = TrimBlanks(value).size() != value.size();
    const bool looksQuoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                             value.back() == value.front();
    if (losesBlanks || looksQuoted)
        return "\"" + std::string(value) + "\"";
    return std::string(value);
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

} // namespace

std::string_view IniDocument::Line::Name() const
{
    std::string_view text(this->text);
    if (kind == Kind::Section) {
        size_t open = text.find('[');
        size_t close = text.find(']', open);
        return TrimBlanks(text.substr(open + 1, close - open - 1));
    }
    if (kind == Kind::Key)
        return TrimBlanks(text.substr(0, text.find('=')));
    return {};
}

IniDocument::Line IniDocument::Classify(std::string text, std::string ending)
{
    Line line{std::move(text), std::move(ending)};
    std::string_view body = TrimBlanks(line.text);
    if (body.empty())
        line.kind = Kind::Blank;
    else if (body.front() == ';' || body.front() == '#')
        line.kind = Kind::Comment;
    else if (body.front() == '[')
        line.kind = body.find(']') != std::string_view::npos ? Kind::Section : Kind::Other;
    else if (size_t equals = body.find('='); equals != std::string_view::npos &&
                                             !TrimBlanks(body.substr(0, equals)).empty()) {
        line.kind = Kind::Key;
        // The value begins after the "=" and the blanks that follow it.
        size_t at = line.text.find('=') + 1;
        while (at < line.text.size() && (line.text[at] == ' ' || line.text[at] == '\t'))
            ++at;
        line.valueStart = at;
    }
    return line;
}

IniDocument IniDocument::Parse(std::string_view text)
{
    IniDocument document;
    if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        document.mark_ = kUtf8Mark;
        text.remove_prefix(kUtf8Mark.size());
    }
    size_t at = 0;
    while (at < text.size()) {
        size_t newline = text.find('\n', at);
        std::string_view body, ending;
        if (newline == std::string_view::npos) {
            body = text.substr(at);
            at = text.size();
        } else {
            body = text.substr(at, newline - at);
            ending = "\n";
            at = newline + 1;
            if (!body.empty() && body.back() == '\r') {
                body.remove_suffix(1);
                ending = "\r\n";
            }
        }
        document.lines_.push_back(Classify(std::string(body), std::string(ending)));
    }
    return document;
}

std::optional<size_t> IniDocument::FindSection(std::string_view section) const
{
    section = TrimBlanks(section);
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section && EqualsNoCase(lines_[i].Name(), section))
            return i;
    }
    return std::nullopt;
}

std::optional<size_t> IniDocument::FindKey(size_t sectionLine, std::string_view key) const
{
    key = TrimBlanks(key);
    for (size_t i = sectionLine + 1; i < lines_.size() && lines_[i].kind != Kind::Section; ++i)
        if (lines_[i].kind == Kind::Key && EqualsNoCase(lines_[i].Name(), key))
            return i;
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const
{
    std::optional<size_t> sectionLine = FindSection(section);
    if (!sectionLine)
        return std::nullopt;
    std::optional<size_t> keyLine = FindKey(*sectionLine, key);
    if (!keyLine)
        return std::nullopt;
    const Line& line = lines_[*keyLine];
    return Unquote(TrimBlanks(std::string_view(line.text).substr(line.valueStart)));
}

std::string IniDocument::LineEnding() const
{
    for (const Line& line : lines_)
        if (!line.ending.empty())
            return line.ending;
    return "\n";
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

    const std::string written = QuoteIfNeeded(value);
    const std::string ending = LineEnding();
    std::optional<size_t> sectionLine = FindSection(section);
    if (sectionLine) {
        if (std::optional<size_t> keyLine = FindKey(*sectionLine, key)) {
            Line& line = lines_[*keyLine];
            line.text = line.text.substr(0, line.valueStart) + written;
            return;
        }
        // After the section's last key line (or its header), so that comments
        // and blank lines that lead into the next section stay with it.
        size_t insertAt = *sectionLine + 1;
        for (size_t i = *sectionLine + 1; i < lines_.size() && lines_[i].kind != Kind::Section; ++i)
            if (lines_[i].kind == Kind::Key)
                insertAt = i + 1;
        if (lines_[insertAt - 1].ending.empty())
            lines_[insertAt - 1].ending = ending;
        lines_.insert(lines_.begin() + insertAt, Classify(std::string(key) + "=" + written, ending));
        return;
    }
    if (!lines_.empty()) {
        if (lines_.back().ending.empty())
            lines_.back().ending = ending;
        if (lines_.back().kind != Kind::Blank)
            lines_.push_back(Line{"", ending, Kind::Blank});
    }
    lines_.push_back(Classify("[" + std::string(section) + "]", ending));
    lines_.push_back(Classify(std::string(key) + "=" + written, ending));
}

std::string IniDocument::Text() const
{
    std::string text = mark_;
    for (const Line& line : lines_)
        text += line.text + line.ending;
    return text;
}

} // namespace platform
