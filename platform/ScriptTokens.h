// The words, numbers, quoted strings and braces of a resource description
// (and of the menu texts it names), each with the line it stands on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct ScriptToken {
    enum class Kind { Word, String, Open, Close, End };
    Kind kind;
    std::string text; // a word as written, or a string with its escapes applied
    int line;
};

class ScriptTokens {
public:
    // Splits text; a malformed string raises QnExcept "<source>:<line>: ...".
    ScriptTokens(const std::string& text, std::string source);

    const ScriptToken& Peek() const { return tokens_[at_]; }
    ScriptToken Next();
    std::string ExpectString(const char* what);
    std::string ExpectWord(const char* what);
    // A word read as a number (decimal, or hexadecimal with 0x; a leading
    // "-" allowed) within [low, high].
    int64_t ExpectNumber(const char* what, int64_t low, int64_t high);

    [[noreturn]] void Fail(const std::string& what, int line) const;
    [[noreturn]] void Fail(const std::string& what) const { Fail(what, Peek().line); }

private:
    std::vector<ScriptToken> tokens_;
    size_t at_ = 0;
    std::string source_;
};

} // namespace platform
