#include "album/doc/AlbumPattern.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    return Upper(a) == Upper(b);
}

bool EndsAt(const std::string& value, size_t at, size_t length)
{
    return at != std::string::npos && at + length == value.size();
}

// Starred: the core between an optional leading and trailing "*", which may
// hold one more "*" inside. Only the first occurrence of each part counts.
bool MatchesStarred(const std::string& valueIn, const std::string& patternIn)
{
    const std::string value = Upper(valueIn);
    std::string core = Upper(patternIn);
    const bool leading = !core.empty() && core.front() == '*';
    if (leading)
        core.erase(0, 1);
    // A lone "*" stands for anything.
    if (core.empty())
        return true;
    const bool trailing = !core.empty() && core.back() == '*';
    if (trailing)
        core.pop_back();

    const size_t inner = core.find('*');
    if (inner != std::string::npos && inner > 0 && inner + 1 < core.size()) {
        const std::string left = core.substr(0, inner);
        const std::string right = core.substr(inner + 1);
        const size_t leftAt = value.find(left);
        const size_t rightAt = value.find(right);
        if (leftAt == std::string::npos || rightAt == std::string::npos)
            return false;
        if (leading && trailing)
            return true;
        return (leading || leftAt == 0) && (trailing || EndsAt(value, rightAt, right.size()));
    }
    const size_t at = value.find(core);
    if (at == std::string::npos)
        return false;
    if (leading && trailing)
        return true;
    return (leading || at == 0) && (trailing || EndsAt(value, at, core.size()));
}

bool MatchesQuestionMarks(const std::string& value, const std::string& pattern)
{
    if (value.size() != pattern.size())
        return false;
    std::string filled = pattern;
    for (size_t i = 0; i < filled.size(); ++i)
        if (filled[i] == '?')
            filled[i] = value[i];
    return EqualIgnoringCase(value, filled);
}

} // namespace

bool AlbumPatternMatches(const std::string& value, const std::string& pattern)
{
    if (pattern.find('*') != std::string::npos)
        return MatchesStarred(value, pattern);
    if (pattern.find('?') != std::string::npos)
        return MatchesQuestionMarks(value, pattern);
    return EqualIgnoringCase(value, pattern);
}
