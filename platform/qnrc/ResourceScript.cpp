#include "ResourceScript.h"

#include "framework/MenuTemplate.h"
#include "platform/AtomicFile.h"
#include "platform/ResourceName.h"
#include "platform/ScriptTokens.h"

#include "base/QnExcept.h"
#include "base/QnLittleEndian.h"

#include <cstdint>
#include <limits>
#include <string_view>

using platform::ResourceName;
using platform::ScriptToken;
using platform::ScriptTokens;
namespace ResourceType = platform::ResourceType;

namespace {

constexpr size_t kBitmapFileHeaderSize = 14;

class Parser {
public:
    Parser(const std::string& path, ScriptTokens& tokens, platform::ResourceSectionWriter& writer,
           std::vector<std::string>& files)
        : path_(path), folder_(path.substr(0, path.rfind('/') + 1)), tokens_(tokens), writer_(writer), files_(files)
    {
    }

    void Statements()
    {
        while (tokens_.Peek().kind != ScriptToken::Kind::End) {
            const int line = tokens_.Peek().line;
            const std::string keyword = tokens_.ExpectWord("a resource statement");
            if (keyword == "string") {
                const auto id = uint32_t(tokens_.ExpectNumber("a string id", 0, UINT32_MAX));
                const std::string text = tokens_.ExpectString("the string");
                Add(ResourceType::String, id, std::vector<uint8_t>(text.begin(), text.end()), line);
            } else if (keyword == "bitmap") {
                ResourceName id = Name("a bitmap id");
                Add(ResourceType::Bitmap, id, PackedDib(Body(), line), line);
            } else if (keyword == "menu" || keyword == "dialog" || keyword == "rcdata") {
                const uint32_t type = keyword == "menu"     ? ResourceType::Menu
                                      : keyword == "dialog" ? ResourceType::Dialog
                                                            : ResourceType::RcData;
                ResourceName id = Name("a resource id");
                const bool fromFile = tokens_.Peek().kind == ScriptToken::Kind::Word && tokens_.Peek().text == "file";
                std::vector<uint8_t> bytes = Body();
                if (type == ResourceType::Menu)
                    CheckMenu(bytes, fromFile ? files_.back() : path_ + " (menu of line " + std::to_string(line) + ")");
                Add(type, id, std::move(bytes), line);
            } else if (keyword == "resource") {
                ResourceName type = Name("a resource type");
                ResourceName id = Name("a resource id");
                Add(type, id, Body(), line);
            } else {
                tokens_.Fail("unknown statement \"" + keyword + "\"", line);
            }
        }
    }

private:
    ResourceName Name(const char* what)
    {
        if (tokens_.Peek().kind == ScriptToken::Kind::String) {
            const int line = tokens_.Peek().line;
            std::string name = tokens_.Next().text;
            if (name.empty() || name.find('\0') != std::string::npos)
                tokens_.Fail(std::string(what) + " must be a number or a name without NUL", line);
            return ResourceName(std::move(name));
        }
        return ResourceName(uint32_t(tokens_.ExpectNumber(what, 0, UINT32_MAX)));
    }

    void Add(const ResourceName& type, const ResourceName& id, std::vector<uint8_t> bytes, int line)
    {
        try {
            writer_.Add(type, id, std::move(bytes));
        } catch (const QnExcept& error) {
            tokens_.Fail(error.what(), line);
        }
    }

    // A menu that the programs could not read fails the build, naming the
    // menu file (or the description) and the line.
    void CheckMenu(const std::vector<uint8_t>& bytes, const std::string& source)
    {
        fw::MenuTemplate::Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), source);
    }

    std::vector<uint8_t> ReadFile(const std::string& name, int line)
    {
        const std::string path = !name.empty() && name[0] == '/' ? name : folder_ + name;
        files_.push_back(path);
        try {
            const std::string content = platform::AtomicFile::ReadAll(path);
            return std::vector<uint8_t>(content.begin(), content.end());
        } catch (const QnExcept& error) {
            tokens_.Fail(error.what(), line);
        }
    }

    // file "<path>" or { items }
    std::vector<uint8_t> Body()
    {
        const int line = tokens_.Peek().line;
        if (tokens_.Peek().kind == ScriptToken::Kind::Word && tokens_.Peek().text == "file") {
            tokens_.Next();
            return ReadFile(tokens_.ExpectString("a file name"), line);
        }
        if (tokens_.Next().kind != ScriptToken::Kind::Open)
            tokens_.Fail("expected file \"<name>\" or { ... }", line);
        std::vector<uint8_t> bytes;
        while (tokens_.Peek().kind != ScriptToken::Kind::Close) {
            if (tokens_.Peek().kind == ScriptToken::Kind::End)
                tokens_.Fail("a { block has no closing }", line);
            Item(bytes);
        }
        tokens_.Next();
        return bytes;
    }

    void Item(std::vector<uint8_t>& bytes)
    {
        const int line = tokens_.Peek().line;
        if (tokens_.Peek().kind == ScriptToken::Kind::String) {
            const std::string text = tokens_.Next().text;
            bytes.insert(bytes.end(), text.begin(), text.end());
            return;
        }
        const std::string item = tokens_.ExpectWord("a data item");
        if (item == "u8") {
            bytes.push_back(uint8_t(tokens_.ExpectNumber("a byte", INT8_MIN, UINT8_MAX)));
        } else if (item == "u16") {
            QnAppendLE16(bytes, uint16_t(tokens_.ExpectNumber("a 16-bit number", INT16_MIN, UINT16_MAX)));
        } else if (item == "u32") {
            QnAppendLE32(bytes, uint32_t(tokens_.ExpectNumber("a 32-bit number", INT32_MIN, UINT32_MAX)));
        } else if (item == "cstr") {
            const std::string text = tokens_.ExpectString("the string");
            bytes.insert(bytes.end(), text.begin(), text.end());
            bytes.push_back(0);
        } else if (item == "pstr") {
            const std::string text = tokens_.ExpectString("the string");
            if (text.size() > 255)
                tokens_.Fail("a pstr holds at most 255 characters", line);
            bytes.push_back(uint8_t(text.size()));
            bytes.insert(bytes.end(), text.begin(), text.end());
        } else if (item == "fourcc") {
            const std::string code = tokens_.ExpectString("the four-character code");
            if (code.size() != 4)
                tokens_.Fail("a four-character code has four characters", line);
            for (int i = 3; i >= 0; --i)
                bytes.push_back(uint8_t(code[size_t(i)]));
        } else if (item == "hex") {
            Hex(tokens_.ExpectString("hexadecimal digits"), bytes, line);
        } else if (item == "align") {
            const auto n = size_t(tokens_.ExpectNumber("an alignment", 1, 4096));
            while (bytes.size() % n != 0)
                bytes.push_back(0);
        } else if (item == "file") {
            std::vector<uint8_t> content = ReadFile(tokens_.ExpectString("a file name"), line);
            bytes.insert(bytes.end(), content.begin(), content.end());
        } else {
            tokens_.Fail("unknown data item \"" + item + "\"", line);
        }
    }

    void Hex(const std::string& digits, std::vector<uint8_t>& bytes, int line)
    {
        int high = -1;
        for (char c : digits) {
            if (c == ' ' || c == '\t')
                continue;
            int value = (c >= '0' && c <= '9') ? c - '0'
                        : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                        : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                 : -1;
            if (value < 0)
                tokens_.Fail(std::string("\"") + c + "\" is not a hexadecimal digit", line);
            if (high < 0) {
                high = value;
            } else {
                bytes.push_back(uint8_t(high * 16 + value));
                high = -1;
            }
        }
        if (high >= 0)
            tokens_.Fail("hexadecimal digits come in pairs", line);
    }

    // Bitmap resources hold the DIB without the 14-byte file header, as the
    // programs expect from a bitmap loaded by id.
    std::vector<uint8_t> PackedDib(std::vector<uint8_t> file, int line)
    {
        if (file.size() < kBitmapFileHeaderSize + 40 || file[0] != 'B' || file[1] != 'M')
            tokens_.Fail("a bitmap must be a BMP file", line);
        file.erase(file.begin(), file.begin() + kBitmapFileHeaderSize);
        return file;
    }

    std::string path_;
    std::string folder_;
    ScriptTokens& tokens_;
    platform::ResourceSectionWriter& writer_;
    std::vector<std::string>& files_;
};

} // namespace

ResourceScript ResourceScript::Read(const std::string& path)
{
    ResourceScript script;
    std::string text;
    try {
        text = platform::AtomicFile::ReadAll(path);
    } catch (QnExcept& error) {
        error.settext((path + ": " + error.what()).c_str());
        throw;
    }
    ScriptTokens tokens(text, path);
    Parser(path, tokens, script.writer_, script.files_).Statements();
    return script;
}
