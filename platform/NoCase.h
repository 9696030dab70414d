// Name comparison without regard to letter case, as the Windows services
// compare section, key, value and resource names. ASCII letters only: the
// names the system uses are plain ASCII, and a byte rule keeps it exact.
#pragma once

#include <string>
#include <string_view>

namespace platform {

constexpr char FoldCase(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

constexpr bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    return true;
}

// The name with its letters in one case, as a key of an index whose
// lookups match without case.
inline std::string FoldedCase(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded)
        c = FoldCase(c);
    return folded;
}

// Blanks (spaces and tabs) removed from both ends.
constexpr std::string_view TrimBlanks(std::string_view text)
{
    size_t begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.substr(begin, end - begin);
}

} // namespace platform
