// The archive's encoding, byte for byte, and its refusal of damaged input.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/Archive.h"
#include "framework/ArchiveCollections.h"
#include "framework/Exception.h"
#include "framework/MemFile.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A record like a palette item: a dword and a string.
class CTestItem : public fw::Object {
    FW_DECLARE_SERIAL(CTestItem)
public:
    uint32_t command = 0;
    std::string name;
    void Serialize(fw::Archive& ar) override
    {
        if (ar.IsStoring())
            ar << command << name;
        else
            ar >> command >> name;
    }
};
FW_IMPLEMENT_SERIAL(CTestItem, fw::Object, 1)

// A second class with one byte, to see class tags of two classes.
class CTestMark : public fw::Object {
    FW_DECLARE_SERIAL(CTestMark)
public:
    uint8_t mark = 0;
    void Serialize(fw::Archive& ar) override
    {
        if (ar.IsStoring())
            ar << mark;
        else
            ar >> mark;
    }
};
FW_IMPLEMENT_SERIAL(CTestMark, fw::Object, 0)

// An object that owns an optional object of its own class, as a group owns
// its members: chains of any depth, and objects owned inside objects.
class CTestNest : public fw::Object {
    FW_DECLARE_SERIAL(CTestNest)
public:
    std::unique_ptr<CTestNest> child;
    void Serialize(fw::Archive& ar) override
    {
        if (ar.IsStoring())
            ar << child.get();
        else
            child = ar.ReadOwnedObjectAs<CTestNest>();
    }
};
FW_IMPLEMENT_SERIAL(CTestNest, fw::Object, 1)

template <class F>
Bytes Store(F write)
{
    fw::MemFile file;
    fw::Archive ar(file, fw::Archive::store);
    write(ar);
    ar.Close();
    return file.data();
}

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

TEST(Archive, StringLengthPrefixes)
{
    struct Case {
        size_t length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        std::string s(c.length, 'x');
        for (size_t i = 0; i < s.size(); ++i)
            s[i] = static_cast<char>('a' + i % 26);
        const Bytes stored = Store([&](fw::Archive& ar) { ar << s; });
        EXPECT_EQ(stored, Cat({c.prefix, Text(s)}));

        fw::MemFile file{Bytes(stored)};
        fw::Archive in(file, fw::Archive::load);
        EXPECT_EQ(in.ReadString(), s);
        EXPECT_EQ(file.GetPosition(), file.GetLength());
    }
}

TEST(Archive, CountsAndNumbersAreLittleEndian)
{
    const Bytes stored = Store([](fw::Archive& ar) {
        ar.WriteCount(3);
        ar.WriteCount(65534);
        ar.WriteCount(65535);
        ar << uint32_t(0x11223344) << int32_t(-2) << uint16_t(0xABCD);
    });
    EXPECT_EQ(stored, (Bytes{0x03, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x44, 0x33, 0x22, 0x11,
                             0xFE, 0xFF, 0xFF, 0xFF, 0xCD, 0xAB}));
    fw::MemFile file{Bytes(stored)};
    fw::Archive in(file, fw::Archive::load);
    EXPECT_EQ(in.ReadCount(), 3u);
    EXPECT_EQ(in.ReadCount(), 65534u);
    EXPECT_EQ(in.ReadCount(), 65535u);
    uint32_t a;
    int32_t b;
    uint16_t c;
    in >> a >> b >> c;
    EXPECT_EQ(a, 0x11223344u);
    EXPECT_EQ(b, -2);
    EXPECT_EQ(c, 0xABCD);
}

TEST(Archive, ClassTagsOnFirstAndRepeatedUse)
{
    CTestItem first, second;
    first.command = 32811;
    first.name = "Mosaic";
    second.command = 32812;
    second.name = "Brush";
    CTestMark mark;
    mark.mark = 7;

    const Bytes stored = Store([&](fw::Archive& ar) {
        ar << &first << &second << &mark << static_cast<const fw::Object*>(nullptr) << &first << &second;
    });
    const Bytes expected = Cat({
        // new class: tag, schema 1, name length 9, name; class 1, object 2
        {0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CTestItem"), {0x2B, 0x80, 0x00, 0x00, 0x06}, Text("Mosaic"),
        // known class 1; object 3
        {0x01, 0x80, 0x2C, 0x80, 0x00, 0x00, 0x05}, Text("Brush"),
        // second class: index 4, object 5
        {0xFF, 0xFF, 0x00, 0x00, 0x09, 0x00}, Text("CTestMark"), {0x07},
        // null, then the first two objects again by index
        {0x00, 0x00, 0x02, 0x00, 0x03, 0x00},
    });
    EXPECT_EQ(stored, expected);

    fw::MemFile file{Bytes(stored)};
    fw::Archive in(file, fw::Archive::load);
    std::unique_ptr<CTestItem> a(in.ReadObjectAs<CTestItem>());
    std::unique_ptr<CTestItem> b(in.ReadObjectAs<CTestItem>());
    std::unique_ptr<fw::Object> m(in.ReadObject());
    EXPECT_EQ(in.ReadObject(), nullptr);
    EXPECT_EQ(in.ReadObject(), a.get());
    EXPECT_EQ(in.ReadObject(), b.get());
    ASSERT_TRUE(a && b && m);
    EXPECT_EQ(a->name, "Mosaic");
    EXPECT_EQ(b->command, 32812u);
    ASSERT_TRUE(m->IsKindOf(FW_RUNTIME_CLASS(CTestMark)));
    EXPECT_EQ(static_cast<CTestMark*>(m.get())->mark, 7);
}

TEST(Archive, BigIndexesUseTheEscapeAndADword)
{
    // 0x7FFE marks take indexes 2..0x7FFF (class 1), then a new class takes
    // 0x8000 and its object 0x8001: both can only be referred to by the escape.
    std::vector<std::unique_ptr<CTestMark>> marks;
    for (int i = 0; i < 0x7FFE; ++i)
        marks.push_back(std::make_unique<CTestMark>());
    CTestItem late, later;
    const Bytes stored = Store([&](fw::Archive& ar) {
        for (auto& m : marks)
            ar << m.get();
        ar << &late << &later << marks.back().get() << &late;
    });
    const Bytes tail = Cat({
        {0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CTestItem"), {0, 0, 0, 0, 0},
        {0xFF, 0x7F, 0x00, 0x80, 0x00, 0x80}, {0, 0, 0, 0, 0},   // class 0x8000 with the class bit
        {0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x00},                    // object 0x7FFF
        {0xFF, 0x7F, 0x01, 0x80, 0x00, 0x00},                    // object 0x8001
    });
    ASSERT_GE(stored.size(), tail.size());
    EXPECT_EQ(Bytes(stored.end() - static_cast<std::ptrdiff_t>(tail.size()), stored.end()), tail);

    fw::MemFile file{Bytes(stored)};
    fw::Archive in(file, fw::Archive::load);
    std::vector<std::unique_ptr<fw::Object>> read;
    for (int i = 0; i < 0x7FFE + 2; ++i)
        read.emplace_back(in.ReadObject());
    EXPECT_EQ(in.ReadObject(), read[0x7FFE - 1].get());
    EXPECT_EQ(in.ReadObject(), read[0x7FFE].get());
}

TEST(Archive, CollectionsOfStringsAndObjects)
{
    std::vector<std::string> tabs{"Artwork", "Deformations", "Textures", "Custom"};
    std::vector<std::unique_ptr<CTestItem>> items;
    items.push_back(std::make_unique<CTestItem>());
    items.push_back(std::make_unique<CTestItem>());
    items[1]->name = "Oil paint";
    const Bytes stored = Store([&](fw::Archive& ar) {
        fw::SerializeStrings(ar, tabs);
        fw::SerializeObjects(ar, items);
    });
    EXPECT_EQ(Bytes(stored.begin(), stored.begin() + 3), (Bytes{0x04, 0x00, 0x07}));

    std::vector<std::string> tabsBack;
    std::vector<std::unique_ptr<CTestItem>> itemsBack;
    fw::MemFile file{Bytes(stored)};
    fw::Archive in(file, fw::Archive::load);
    fw::SerializeStrings(in, tabsBack);
    fw::SerializeObjects(in, itemsBack);
    EXPECT_EQ(tabsBack, tabs);
    ASSERT_EQ(itemsBack.size(), 2u);
    EXPECT_EQ(itemsBack[1]->name, "Oil paint");
}

// CTestNest objects nested depth deep: the class once, then the class index.
Bytes NestedChain(int depth)
{
    Bytes bytes = Cat({{0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CTestNest")});
    for (int i = 1; i < depth; ++i)
        bytes.insert(bytes.end(), {0x01, 0x80});
    bytes.insert(bytes.end(), {0x00, 0x00});
    return bytes;
}

TEST(Archive, EveryObjectReadHasOneOwner)
{
    // Element 1 owns a child (object 3); element 2 refers back to that child.
    const Bytes sharedChild = Cat({{0x02, 0x00}, NestedChain(2), {0x03, 0x00}});
    // Element 2 refers back to element 1 itself (object 2).
    const Bytes sharedElement = Cat({{0x02, 0x00}, NestedChain(1), {0x02, 0x00}});
    for (const Bytes& bytes : {sharedChild, sharedElement}) {
        std::vector<std::unique_ptr<CTestNest>> items;
        items.push_back(std::make_unique<CTestNest>());
        fw::MemFile file{Bytes(bytes)};
        fw::Archive in(file, fw::Archive::load);
        try {
            fw::SerializeObjects(in, items);
            ADD_FAILURE() << "a shared element was taken";
        } catch (const fw::ArchiveException& e) {
            EXPECT_EQ(e.cause(), fw::ArchiveException::badIndex);
        }
        EXPECT_EQ(items.size(), 1u);  // left as it was
    }

    // An owner reading a reference back gets the error; null and new objects
    // are its own.
    const Bytes stored = Cat({NestedChain(1), {0x00, 0x00, 0x02, 0x00}});
    fw::MemFile file{Bytes(stored)};
    fw::Archive in(file, fw::Archive::load);
    EXPECT_NE(in.ReadOwnedObjectAs<CTestNest>(), nullptr);
    EXPECT_EQ(in.ReadOwnedObjectAs<CTestNest>(), nullptr);
    EXPECT_THROW(in.ReadOwnedObjectAs<CTestNest>(), fw::ArchiveException);
}

TEST(Archive, NestingIsBoundedAndDeeperFilesAreDamaged)
{
    for (int depth : {1, fw::Archive::kMaxObjectDepth}) {
        fw::MemFile file{NestedChain(depth)};
        fw::Archive in(file, fw::Archive::load);
        std::unique_ptr<CTestNest> top = in.ReadOwnedObjectAs<CTestNest>();
        int read = 0;
        for (const CTestNest* n = top.get(); n; n = n->child.get())
            ++read;
        EXPECT_EQ(read, depth);
    }
    // Deep enough to run out of stack when read by recursion.
    for (int depth : {fw::Archive::kMaxObjectDepth + 1, 100000}) {
        SCOPED_TRACE(depth);
        fw::MemFile file{NestedChain(depth)};
        fw::Archive in(file, fw::Archive::load);
        try {
            in.ReadOwnedObjectAs<CTestNest>();
            ADD_FAILURE() << "no error";
        } catch (const fw::ArchiveException& e) {
            EXPECT_EQ(e.cause(), fw::ArchiveException::badIndex);
        }
    }
}

TEST(Archive, WideStringsAreReadAsUtf8)
{
    const Bytes stored = {0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0xE9, 0x00};
    fw::MemFile file{Bytes(stored)};
    fw::Archive in(file, fw::Archive::load);
    EXPECT_EQ(in.ReadString(), "A\xC3\xA9");
}

TEST(Archive, DamagedInputGivesClearErrors)
{
    struct Case {
        const char* what;
        bool object;  // read an object reference, else a string
        Bytes bytes;
        fw::ArchiveException::Cause cause;
    };
    const Case cases[] = {
        {"string cut short", false, {0x05, 'a', 'b'}, fw::ArchiveException::endOfFile},
        {"length beyond the file", false, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, fw::ArchiveException::endOfFile},
        // 2^63 + 1 wide characters: doubled, the byte count wraps to 2.
        {"wide length that wraps", false,
         {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0, 0, 0, 0, 0, 0, 0x80, 'a', 0},
         fw::ArchiveException::endOfFile},
        {"unknown class", true, Cat({{0xFF, 0xFF, 0x01, 0x00, 0x05, 0x00}, Text("CNone")}),
         fw::ArchiveException::badClass},
        {"other schema", true, Cat({{0xFF, 0xFF, 0x02, 0x00, 0x09, 0x00}, Text("CTestItem")}),
         fw::ArchiveException::badSchema},
        {"record cut short", true, Cat({{0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CTestItem"), {0x01}}),
         fw::ArchiveException::endOfFile},
        {"class index never given", true, {0x01, 0x80}, fw::ArchiveException::badIndex},
        {"object index never given", true, {0x05, 0x00}, fw::ArchiveException::badIndex},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fw::MemFile file{Bytes(c.bytes)};
        fw::Archive in(file, fw::Archive::load);
        try {
            if (c.object)
                delete in.ReadObject();
            else
                in.ReadString();
            ADD_FAILURE() << "no error";
        } catch (const fw::ArchiveException& e) {
            EXPECT_EQ(e.cause(), c.cause);
            EXPECT_FALSE(e.GetErrorMessage().empty());
        }
    }
}

TEST(Archive, ExpectedClassIsChecked)
{
    CTestMark mark;
    const Bytes stored = Store([&](fw::Archive& ar) { ar << &mark; });
    fw::MemFile file{Bytes(stored)};
    fw::Archive in(file, fw::Archive::load);
    EXPECT_THROW(in.ReadObjectAs<CTestItem>(), fw::ArchiveException);
}

}  // namespace
