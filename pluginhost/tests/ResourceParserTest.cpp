#include "pluginhost/PlugInResourceParser.h"
#include "platform/ResourceSectionWriter.h"
#include "ThreadTime.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::vector<uint8_t>;

void Append(Bytes& bytes, const std::string& text)
{
    for (char c : text)
        bytes.push_back(static_cast<uint8_t>(c));
}

// A property list built as the published format lays it out.
class PropertyList {
public:
    PropertyList& Add(const char* key, const Bytes& data, const char* vendor = "8BIM")
    {
        FourCC(vendor);
        FourCC(key);
        U32(0);
        U32(static_cast<uint32_t>(data.size()));
        body_.insert(body_.end(), data.begin(), data.end());
        while (body_.size() % 4)
            body_.push_back(0);
        ++count_;
        return *this;
    }
    PropertyList& Pascal(const char* key, const std::string& text)
    {
        Bytes data{static_cast<uint8_t>(text.size())};
        Append(data, text);
        return Add(key, data);
    }
    PropertyList& CString(const char* key, const std::string& text)
    {
        Bytes data;
        Append(data, text);
        data.push_back(0);
        return Add(key, data);
    }
    PropertyList& Kind(const char* kind) { return Add("kind", Reversed(kind)); }

    Bytes Build() const
    {
        Bytes out{1, 0, 0, 0, 0, 0};
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<uint8_t>(count_ >> (8 * i)));
        out.insert(out.end(), body_.begin(), body_.end());
        return out;
    }

private:
    static Bytes Reversed(const char* code) { return Bytes{uint8_t(code[3]), uint8_t(code[2]), uint8_t(code[1]), uint8_t(code[0])}; }
    void FourCC(const char* code)
    {
        const Bytes bytes = Reversed(code);
        body_.insert(body_.end(), bytes.begin(), bytes.end());
    }
    void U32(uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            body_.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }

    Bytes body_;
    uint32_t count_ = 0;
};

PropertyList Filter(const std::string& name, const std::string& entry, const std::string& category = "")
{
    PropertyList list;
    list.Kind("8BFM").Pascal("name", name).CString("wx86", entry);
    if (!category.empty())
        list.Pascal("catg", category);
    return list;
}

platform::ResourceTable Table(const std::vector<std::tuple<const char*, uint32_t, Bytes>>& resources)
{
    platform::ResourceSectionWriter writer;
    for (const auto& [type, id, bytes] : resources)
        writer.Add(type, id, bytes);
    return platform::ResourceTable::FromBytes(writer.Bytes());
}

TEST(PlugInResourceParser, ReadsEveryFilterListInIdOrderWithTheFirstEntryAsAboutEntry)
{
    const auto table = Table({
        {"PIPL", 3, Filter("Third", "ENTRYPOINT3").Build()},
        {"PiPL", 16001, Filter("Second", "ENTRYPOINT2", "Blur").Build()},
        {"PiPL", 16000, Filter("First", "ENTRYPOINT1", "Blur").Add("mode", {0x50, 0}).Build()},
        {"PiPL", 16, Filter("Sixteen", "ENTRYPOINT16").Build()},
    });
    const std::vector<ParsedPlugIn> found = ReadModulePiPL(table);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_STREQ(found[0].record.name, "First");
    EXPECT_STREQ(found[1].record.name, "Sixteen");
    EXPECT_STREQ(found[2].record.name, "Third");
    EXPECT_STREQ(found[3].record.name, "Second");
    EXPECT_EQ(found[0].record.modes, 0x0050);
    EXPECT_EQ(found[0].category, "Blur");
    EXPECT_EQ(found[1].category, "");
    for (const ParsedPlugIn& plugIn : found)
        EXPECT_STREQ(plugIn.record.aboutEntry, "ENTRYPOINT1");
    EXPECT_STREQ(found[3].record.entry, "ENTRYPOINT2");
}

TEST(PlugInResourceParser, TakesOnlySoundFilterLists)
{
    struct Case {
        const char* what;
        Bytes list;
        bool taken;
    };
    Bytes cut = Filter("Cut", "ENTRYPOINT1").Build();
    cut.resize(cut.size() - 6);
    Bytes overlong = Filter("Overlong", "ENTRYPOINT1").Build();
    overlong[overlong.size() - 16] = 200; // the entry's length runs past the list
    Bytes version2 = Filter("Version 2", "ENTRYPOINT1").Build();
    version2[0] = 2;
    const Case cases[] = {
        {"a sound list", Filter("Sound", "ENTRYPOINT1").Build(), true},
        {"kind in other letter case", PropertyList().Kind("8bfm").Pascal("name", "x").CString("wx86", "E").Build(), true},
        {"not a filter", PropertyList().Kind("8BFX").Pascal("name", "x").CString("wx86", "E").Build(), false},
        {"no kind", PropertyList().Pascal("name", "x").CString("wx86", "E").Build(), false},
        {"no entry", PropertyList().Kind("8BFM").Pascal("name", "x").Build(), false},
        {"cut short", cut, false},
        {"a length past its end", overlong, false},
        {"another version", version2, false},
        {"another vendor ends the list", Filter("Vendor", "E").Add("catg", {3, 'A', 'B', 'C'}, "ADBE").Build(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReadModulePiPL(Table({{"PiPL", 16000, c.list}})).size(), c.taken ? 1u : 0u);
    }
}

TEST(PlugInResourceParser, AListThatIsNoFilterEndsTheModule)
{
    const auto table = Table({
        {"PiPL", 16000, PropertyList().Kind("8BFX").CString("wx86", "ENTRYPOINT1").Build()},
        {"PiPL", 16001, Filter("Later", "ENTRYPOINT2").Build()},
    });
    EXPECT_TRUE(ReadModulePiPL(table).empty());
}

Bytes OldFilter(const std::string& name)
{
    Bytes b{3, 0};
    Append(b, name);
    b.push_back(0);
    return b;
}

Bytes OldInfo(const std::string& category, uint16_t w0 = 4, uint32_t signature = 0x20202020)
{
    Bytes b{3, 0};
    Append(b, category);
    b.push_back(0);
    for (uint16_t w : {w0, uint16_t(0), uint16_t(0), uint16_t(16), uint16_t(1), uint16_t(0x10)}) {
        b.push_back(uint8_t(w));
        b.push_back(uint8_t(w >> 8));
    }
    for (int i = 0; i < 4; ++i)
        b.push_back(uint8_t(signature >> (8 * i)));
    return b;
}

TEST(PlugInResourceParser, ReadsTheOlderResourcePair)
{
    // Info 1 and 2, but a filter resource only for 2.
    auto found = ReadModuleOldForm(Table({
        {"PiMI", 1, OldInfo("Old")},
        {"PiMI", 2, OldInfo("Old")},
        {"_8BFM", 2, OldFilter("Second")},
    }));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_STREQ(found[0].record.entry, "ENTRYPOINT2");
    EXPECT_STREQ(found[0].record.aboutEntry, "");
    EXPECT_STREQ(found[0].record.name, "Second");
    EXPECT_EQ(found[0].category, "Old");
    EXPECT_EQ(found[0].record.modes, 0x10);

    found = ReadModuleOldForm(Table({
        {"PiMI", 1, OldInfo("Mine", 4, 0x4F564853)}, // 'OVHS'
        {"_8BFM", 1, OldFilter("First")},
        {"PiMI", 2, OldInfo("Other host", 4, 0x3842494D)},
        {"_8BFM", 2, OldFilter("Skipped")},
        {"PiMI", 3, OldInfo("Bad", 5)},
        {"_8BFM", 3, OldFilter("Skipped too")},
    }));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_STREQ(found[0].record.aboutEntry, "ENTRYPOINT1");
}

// The older pair is looked up by id, two lookups per plug-in, in a module
// of 3.5 MB with 100 000 other resources before the pairs: each lookup must
// not walk the table.
TEST(PlugInResourceParser, ManyResourcesAreFoundWithoutWalkingTheTableEachTime)
{
    platform::ResourceSectionWriter writer;
    for (uint32_t i = 1; i <= 100000; ++i)
        writer.Add(platform::ResourceType::RcData, i, {});
    for (uint32_t i = 1; i <= 32766; ++i) {
        writer.Add("PiMI", i, OldInfo("Old"));
        writer.Add("_8BFM", i, OldFilter("Filter " + std::to_string(i)));
    }
    const auto table = platform::ResourceTable::FromBytes(writer.Bytes());
    std::vector<ParsedPlugIn> found;
    const double took = ThreadSeconds([&] { found = ReadModuleOldForm(table); });
    ASSERT_EQ(found.size(), 32766u);
    EXPECT_STREQ(found.back().record.entry, "ENTRYPOINT32766");
    // A fraction of a second even with sanitizers; walking the table for
    // every lookup took half a minute.
    EXPECT_LT(took, 8.0);
}

} // namespace
