// The settings tools keep for themselves: ranges, starting values, copies,
// and their archive form byte for byte.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

#include "framework/Archive.h"
#include "framework/Exception.h"
#include "framework/MemFile.h"
#include "tasks/module/LdBoolParam.h"
#include "tasks/module/LdColParam.h"
#include "tasks/module/LdIntParam.h"

using Bytes = std::vector<uint8_t>;

namespace {

Bytes Stored(const fw::Object& object)
{
    fw::MemFile file;
    fw::Archive ar(file, fw::Archive::store);
    ar << &object;
    ar.Close();
    return file.data();
}

std::unique_ptr<fw::Object> Loaded(const Bytes& bytes)
{
    fw::MemFile file(bytes);
    fw::Archive ar(file, fw::Archive::load);
    return std::unique_ptr<fw::Object>(ar.ReadObject(FW_RUNTIME_CLASS(CLdParam)));
}

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

// What the archive writes ahead of an object of a class it has not seen:
// the new-class tag, the schema (1) and the class name.
Bytes ClassHeader(const std::string& className)
{
    return Cat({{0xFF, 0xFF, 0x01, 0x00, uint8_t(className.size()), 0x00}, Text(className)});
}

CLdIntParam HandParameter()
{
    CLdIntParam p(0, 10);
    p.SetName("Hand parameter");
    p.SetValue(5);
    return p;
}

}  // namespace

TEST(LdParam, RecordsAreSerialClassesOfOneFamily)
{
    const struct {
        const fw::RuntimeClass* record;
        const char* name;
        const char* base;
        size_t numberBytes;  // after the name
    } cases[] = {
        {FW_RUNTIME_CLASS(CLdParam), "CLdParam", "CObject", 0},
        {FW_RUNTIME_CLASS(CLdIntParam), "CLdIntParam", "CLdParam", 12},
        {FW_RUNTIME_CLASS(CLdBoolParam), "CLdBoolParam", "CLdParam", 4},
        {FW_RUNTIME_CLASS(CLdColParam), "CLdColParam", "CLdParam", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(c.record->className, c.name);
        EXPECT_STREQ(c.record->GetBaseClass()->className, c.base);
        EXPECT_EQ(c.record->schema, 1u);
        EXPECT_TRUE(c.record->IsSerializable());
        EXPECT_EQ(fw::RuntimeClass::FromName(c.name), c.record);
        // The creatable form: empty name, every number 0.
        std::unique_ptr<fw::Object> object(c.record->CreateObject());
        auto* param = dynamic_cast<CLdParam*>(object.get());
        ASSERT_NE(param, nullptr);
        EXPECT_EQ(param->GetRuntimeClass(), c.record);
        EXPECT_EQ(param->GetName(), "");
        EXPECT_EQ(Stored(*param), Cat({ClassHeader(c.name), {0x00}, Bytes(c.numberBytes, 0x00)}));
    }
}

TEST(LdIntParam, StartsAtTheBottomOfItsRangeAndKeepsValuesInIt)
{
    const struct {
        int32_t min, max, set, held;
    } cases[] = {
        {0, 10, 5, 5},
        {0, 10, 11, 10},
        {0, 10, -3, 0},
        {0, 10, 0, 0},
        {0, 10, 10, 10},
        {0, 360, 45, 45},
        {-100, 100, INT_MAX, 100},
        {-100, 100, INT_MIN, -100},
        {7, 7, 3, 7},
        // A range upside down: the limit to max comes first, then min wins.
        {10, 0, 5, 10},
        {10, 0, -5, 10},
    };
    for (const auto& c : cases) {
        CLdIntParam p(c.min, c.max);
        EXPECT_EQ(p.GetValue(), c.min);
        EXPECT_EQ(p.GetMin(), c.min);
        EXPECT_EQ(p.GetMax(), c.max);
        p.SetValue(c.set);
        EXPECT_EQ(p.GetValue(), c.held) << c.min << ".." << c.max << " set " << c.set;
    }
}

TEST(LdParam, AssignmentCopiesNameAndEveryField)
{
    // As an option panel takes the tool's parameter: a copy over its own.
    CLdIntParam panel(-100, 100);
    panel = HandParameter();
    EXPECT_EQ(panel.GetName(), "Hand parameter");
    EXPECT_EQ(panel.GetMin(), 0);
    EXPECT_EQ(panel.GetMax(), 10);
    EXPECT_EQ(panel.GetValue(), 5);
    CLdIntParam& same = panel;
    panel = same;
    EXPECT_EQ(panel.GetName(), "Hand parameter");
    EXPECT_EQ(panel.GetValue(), 5);

    CLdColParam light;
    light.SetName("Light");
    light.SetValue(0x808080);
    CLdColParam colourCopy;
    colourCopy = light;
    EXPECT_EQ(colourCopy.GetName(), "Light");
    EXPECT_EQ(colourCopy.GetValue(), 0x808080u);

    CLdBoolParam flag;
    flag.SetName("Invert");
    flag.SetValue(1);
    CLdBoolParam flagCopy;
    flagCopy = flag;
    EXPECT_EQ(flagCopy.GetName(), "Invert");
    EXPECT_EQ(flagCopy.GetValue(), 1);
    // The copy is its own: changing it leaves the original alone.
    panel.SetValue(9);
    EXPECT_EQ(HandParameter().GetValue(), 5);
}

TEST(LdParam, ArchiveFormByteForByte)
{
    const CLdIntParam hand = HandParameter();
    CLdBoolParam on;
    on.SetName("On");
    on.SetValue(1);
    CLdColParam colour;
    colour.SetName("Light");
    colour.SetValue(platform::MakeColorRef(0x12, 0x34, 0x56));  // 0x00BBGGRR
    EXPECT_EQ(colour.GetValue(), 0x00563412u);
    CLdIntParam negative(-100, 100);
    negative.SetName(std::string(300, 'n'));  // past 254 characters: a longer length prefix

    const struct {
        const char* what;
        const fw::Object& object;
        Bytes fields;
    } cases[] = {
        // The name as a length byte and its characters, then min, max, value:
        // 27 bytes after the class header.
        {"int", hand,
         Cat({{14}, Text("Hand parameter"), {0, 0, 0, 0, 10, 0, 0, 0, 5, 0, 0, 0}})},
        {"bool", on, Cat({{2}, Text("On"), {1, 0, 0, 0}})},
        {"colour", colour, Cat({{5}, Text("Light"), {0x12, 0x34, 0x56, 0x00}})},
        {"long name", negative,
         Cat({{0xFF, 0x2C, 0x01}, Text(std::string(300, 'n')),
              {0x9C, 0xFF, 0xFF, 0xFF, 100, 0, 0, 0, 0x9C, 0xFF, 0xFF, 0xFF}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes expected = Cat({ClassHeader(c.object.GetRuntimeClass()->className), c.fields});
        EXPECT_EQ(Stored(c.object), expected);
        // And back: the same class and fields, stored again to the same bytes.
        std::unique_ptr<fw::Object> back = Loaded(expected);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->GetRuntimeClass(), c.object.GetRuntimeClass());
        EXPECT_EQ(Stored(*back), expected);
    }
    EXPECT_EQ(Stored(hand).size() - ClassHeader("CLdIntParam").size(), 27u);
}

TEST(LdIntParam, LoadTakesTheStoredValueAsItStands)
{
    // min 0, max 10, value 50: kept on load, clamped by the next SetValue.
    const Bytes stored =
        Cat({ClassHeader("CLdIntParam"), {1}, Text("x"), {0, 0, 0, 0, 10, 0, 0, 0, 50, 0, 0, 0}});
    std::unique_ptr<fw::Object> object = Loaded(stored);
    auto* p = dynamic_cast<CLdIntParam*>(object.get());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->GetName(), "x");
    EXPECT_EQ(p->GetValue(), 50);
    p->SetValue(p->GetValue());
    EXPECT_EQ(p->GetValue(), 10);
}

TEST(LdParam, CutArchiveIsAnErrorNotAnObject)
{
    const Bytes whole = Stored(HandParameter());
    for (size_t length = 0; length < whole.size(); ++length) {
        const Bytes cut(whole.begin(), whole.begin() + std::ptrdiff_t(length));
        EXPECT_THROW(Loaded(cut), fw::ArchiveException) << length;
    }
    // A parameter where another class is stored is refused too.
    CLdColParam colour;
    fw::MemFile file(Stored(colour));
    fw::Archive ar(file, fw::Archive::load);
    EXPECT_THROW(ar.ReadObject(FW_RUNTIME_CLASS(CLdIntParam)), fw::ArchiveException);
}
