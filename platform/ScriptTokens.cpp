#include "platform/ScriptTokens.h"

#include "platform/SystemError.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace platform {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = char(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

} // namespace

ScriptTokens::ScriptTokens(const std::string& text, std::string source) : source_(std::move(source))
{
    int line = 1;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '#') {
            while (i < text.size() && text[i] != '\n')
                ++i;
        } else if (c == '{' || c == '}') {
            tokens_.push_back({c == '{' ? ScriptToken::Kind::Open : ScriptToken::Kind::Close, std::string(1, c), line});
            ++i;
        } else if (c == '"') {
            const int startLine = line;
            std::string value;
            for (++i;; ++i) {
                if (i >= text.size() || text[i] == '\n')
                    Fail("a string has no closing quote", startLine);
                if (text[i] == '"')
                    break;
                if (text[i] != '\\') {
                    value += text[i];
                    continue;
                }
                if (++i >= text.size())
                    Fail("a string has no closing quote", startLine);
                switch (text[i]) {
                case 'n': value += '\n'; break;
                case 'r': value += '\r'; break;
                case 't': value += '\t'; break;
                case '\\': value += '\\'; break;
                case '"': value += '"'; break;
                case 'x': {
                    int high = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
                    int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
                    if (high < 0 || low < 0)
                        Fail("\\x needs two hexadecimal digits", line);
                    value += char(high * 16 + low);
                    i += 2;
                    break;
                }
                default:
                    Fail(std::string("unknown escape \\") + text[i], line);
                }
            }
            ++i;
            tokens_.push_back({ScriptToken::Kind::String, value, startLine});
        } else {
            size_t start = i;
            while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])) && text[i] != '{' &&
                   text[i] != '}' && text[i] != '"' && text[i] != '#')
                ++i;
            tokens_.push_back({ScriptToken::Kind::Word, text.substr(start, i - start), line});
        }
    }
    tokens_.push_back({ScriptToken::Kind::End, "", line});
}

ScriptToken ScriptTokens::Next()
{
    ScriptToken token = tokens_[at_];
    if (token.kind != ScriptToken::Kind::End)
        ++at_;
    return token;
}

std::string ScriptTokens::ExpectString(const char* what)
{
    if (Peek().kind != ScriptToken::Kind::String)
        Fail(std::string("expected ") + what + " in quotes");
    return Next().text;
}

std::string ScriptTokens::ExpectWord(const char* what)
{
    if (Peek().kind != ScriptToken::Kind::Word)
        Fail(std::string("expected ") + what);
    return Next().text;
}

int64_t ScriptTokens::ExpectNumber(const char* what, int64_t low, int64_t high)
{
    const int line = Peek().line;
    const std::string word = ExpectWord(what);
    errno = 0;
    char* end = nullptr;
    const bool hex = word.find("0x") != std::string::npos || word.find("0X") != std::string::npos;
    const long long value = std::strtoll(word.c_str(), &end, hex ? 16 : 10);
    if (word.empty() || *end != '\0' || errno == ERANGE)
        Fail(std::string("expected ") + what + ", found \"" + word + "\"", line);
    if (value < low || value > high)
        Fail(std::string(what) + " " + word + " is out of range", line);
    return value;
}

void ScriptTokens::Fail(const std::string& what, int line) const
{
    RaiseError(source_ + ":" + std::to_string(line) + ": " + what, "ScriptTokens", 0);
}

} // namespace platform
