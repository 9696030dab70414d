// The archive forms of the sketch's classes, byte for byte, their round
// trips, and the refusal of damaged archives.
#include <gtest/gtest.h>

#include "framework/Exception.h"
#include "tasks/sketch/CVFiller_Bitmap.h"
#include "tasks/sketch/CVFiller_Color.h"
#include "tasks/sketch/CVFiller_Meta.h"
#include "tasks/sketch/CVOutliner_Line.h"
#include "tasks/sketch/CVShape_Cal.h"
#include "tasks/sketch/CVShape_Group.h"
#include "tasks/sketch/CVShape_Line.h"
#include "tasks/sketch/CVShape_Text.h"
#include "tasks/sketch/CVSketch.h"
#include "tasks/sketch/tests/SketchTestSupport.h"

namespace {

using namespace sketchtest;

std::unique_ptr<CVShape_Line> Rect(QnPoint a, QnPoint b) { return std::make_unique<CVShape_Line>(1, a, b); }

TEST(SketchArchive, SketchWithOutlinedFilledRectangleIsStoredByteForByte)
{
    CVSketch sketch;
    auto shape = Rect({30, 40}, {10, 20});
    shape->SetOutliner(std::make_unique<CVOutliner_Line>(0x00112233, 3));
    shape->SetFiller(std::make_unique<CVFiller_Color>(0x00445566));
    sketch.AddHead(std::move(shape));

    ByteWriter w;
    w.newClass("CVSketch").u16(1);
    w.newClass("CVShape_Line").u16(4);
    w.i32(10).i32(20).i32(30).i32(20).i32(30).i32(40).i32(10).i32(40);
    w.u32(1).newClass("CVOutliner_Line").u32(0x00112233).u32(3);
    w.u32(1).newClass("CVFiller_Color").u32(0x00445566);
    w.u32(1);  // closed
    EXPECT_EQ(StoreObject(&sketch), w.bytes);

    auto loaded = LoadObject<CVSketch>(w.bytes);
    ASSERT_EQ(loaded->GetShapes().size(), 1u);
    EXPECT_TRUE(loaded->GetSelection().empty());
    EXPECT_EQ(StoreObject(loaded.get()), w.bytes);
}

TEST(SketchArchive, LaterObjectsOfAClassReferToItByIndexAndShapesKeepTheirOrder)
{
    CVSketch sketch;
    sketch.AddHead(std::make_unique<CVShape_Line>(3, QnPoint{5, 6}, QnPoint{7, 8}));
    sketch.AddHead(Rect({0, 0}, {1, 1}));  // the head: stored first

    ByteWriter w;
    w.newClass("CVSketch").u16(2);
    w.newClass("CVShape_Line").u16(4).i32(0).i32(0).i32(1).i32(0).i32(1).i32(1).i32(0).i32(1).u32(0).u32(0).u32(1);
    // Indices: 1 CVSketch, 2 the sketch, 3 CVShape_Line, 4 the first shape.
    w.u16(0x8003).u16(2).i32(5).i32(6).i32(7).i32(8).u32(0).u32(0).u32(0);
    EXPECT_EQ(StoreObject(&sketch), w.bytes);

    auto loaded = LoadObject<CVSketch>(w.bytes);
    ASSERT_EQ(loaded->GetShapes().size(), 2u);
    EXPECT_EQ(loaded->GetShapes()[1]->points, (std::vector<QnPoint>{{5, 6}, {7, 8}}));
}

// Every class comes back as it went and is written again with the same bytes.
TEST(SketchArchive, EveryShapeAndFillerRoundTripsByteForByte)
{
    std::vector<std::unique_ptr<fw::Object>> objects;

    auto text = std::make_unique<CVShape_Text>(QnPoint{1, 2}, QnPoint{300, 40});
    text->SetText("September");
    text->SetFont("Times New Roman", 1, 0);
    objects.push_back(std::move(text));

    auto cal = std::make_unique<CVShape_Cal>(QnPoint{0, 50}, QnPoint{700, 350});
    cal->SetOutliner(std::make_unique<CVOutliner_Line>(0xFF, 2));
    objects.push_back(std::move(cal));

    auto group = std::make_unique<CVShape_Group>();
    group->AddChild(Rect({0, 0}, {10, 10}));
    group->AddChild(std::make_unique<CVShape_Text>(QnPoint{5, 5}, QnPoint{50, 20}));
    auto inner = std::make_unique<CVShape_Group>();
    inner->AddChild(std::make_unique<CVShape_Line>(3, QnPoint{-4, 9}, QnPoint{100000, -7}));
    group->AddChild(std::move(inner));
    objects.push_back(std::move(group));

    const Bytes dib = MakeDib24({{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFFFF}});
    auto owner = Rect({0, 0}, {20, 20});
    owner->filler = std::make_unique<CVFiller_Bitmap>();
    {
        // An owned picture, as an archive brings it.
        ByteWriter w;
        w.u32(uint32_t(dib.size())).raw(dib);
        fw::MemFile file(w.bytes);
        fw::Archive ar(file, fw::Archive::load);
        owner->filler->Serialize(ar);
    }
    objects.push_back(std::move(owner));

    auto metaBits = std::make_unique<CVFiller_Meta>();
    metaBits->SetBits({1, 0, 9, 0, 0, 3, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7});
    objects.push_back(std::move(metaBits));

    for (const auto& object : objects) {
        const Bytes first = StoreObject(object.get());
        auto back = LoadObject<fw::Object>(first);
        ASSERT_NE(back, nullptr);
        EXPECT_STREQ(back->GetRuntimeClass()->className, object->GetRuntimeClass()->className);
        EXPECT_EQ(StoreObject(back.get()), first) << object->GetRuntimeClass()->className;
    }
}

TEST(SketchArchive, TextFormOrdersBoldBeforeItalicAndDropsTheColour)
{
    CVShape_Text text({0, 0}, {4, 2});
    text.SetText("1999");
    text.SetFont("Arial", 0, 1);
    text.color = 0x0000FF;

    ByteWriter w;
    w.newClass("CVShape_Text").u16(4).i32(0).i32(0).i32(4).i32(0).i32(4).i32(2).i32(0).i32(2).u32(0).u32(0);
    w.str("1999").str("Arial").u32(1).u32(0);
    EXPECT_EQ(StoreObject(&text), w.bytes);
    auto back = LoadObject<CVShape_Text>(w.bytes);
    EXPECT_EQ(back->text, "1999");
    EXPECT_EQ(back->bold, 1);
    EXPECT_EQ(back->italic, 0);
    EXPECT_EQ(back->color, 0u);
}

TEST(SketchArchive, FillerForms)
{
    // A borrowed picture is stored as size 0 and comes back empty.
    const Bytes dib = MakeDib24({{0xFF0000}});
    CVFiller_Bitmap borrowed(dib.data(), dib.size());
    EXPECT_FALSE(borrowed.Owns());
    const Bytes stored = StoreObject(&borrowed);
    EXPECT_EQ(stored, ByteWriter().newClass("CVFiller_Bitmap").u32(0).bytes);
    auto back = LoadObject<CVFiller_Bitmap>(stored);
    EXPECT_EQ(back->GetDib(), nullptr);
    EXPECT_TRUE(back->Owns());

    // An empty metafile filler stores two zero dwords and reads nothing more.
    CVFiller_Meta empty;
    const Bytes emptyForm = ByteWriter().newClass("CVFiller_Meta").u32(0).u32(0).bytes;
    EXPECT_EQ(StoreObject(&empty), emptyForm);
    ByteWriter trailing;
    trailing.raw(emptyForm).u32(0xDEADBEEF);
    fw::MemFile file(trailing.bytes);
    fw::Archive ar(file, fw::Archive::load);
    std::unique_ptr<fw::Object> meta(ar.ReadObject());
    EXPECT_EQ(file.GetPosition(), emptyForm.size());

    // An enhanced metafile: flag 1, then its byte count and bytes.
    Bytes emf(88, 0);
    emf[0] = 1;
    emf[40] = 0x20, emf[41] = 0x45, emf[42] = 0x4D, emf[43] = 0x46;
    CVFiller_Meta enhanced;
    ASSERT_TRUE(enhanced.SetEnhanced(emf));
    const Bytes emfForm = ByteWriter().newClass("CVFiller_Meta").u32(0).u32(1).u32(88).raw(emf).bytes;
    EXPECT_EQ(StoreObject(&enhanced), emfForm);
    EXPECT_EQ(LoadObject<CVFiller_Meta>(emfForm)->GetEnhanced(), emf);

    CVOutliner_Line line;
    EXPECT_EQ(line.colour, 0u);
    EXPECT_EQ(line.width, 1);
    EXPECT_EQ(StoreObject(&line), ByteWriter().newClass("CVOutliner_Line").u32(0).u32(1).bytes);
}

TEST(SketchArchive, DamagedArchivesAreRefused)
{
    const Bytes good = [] {
        CVSketch sketch;
        sketch.AddHead(Rect({0, 0}, {10, 10}));
        return StoreObject(&sketch);
    }();
    // Every cut through a stored sketch is an end-of-file error, not a crash.
    for (size_t cut = 1; cut < good.size(); ++cut) {
        Bytes part(good.begin(), good.begin() + long(cut));
        EXPECT_THROW(LoadObject<CVSketch>(part), fw::ArchiveException) << cut;
    }

    struct Case {
        const char* what;
        Bytes bytes;
    };
    const Case cases[] = {
        {"point count beyond the file", ByteWriter().newClass("CVShape").u16(0xFFFF).u32(0x10000000).bytes},
        {"picture size beyond the file", ByteWriter().newClass("CVFiller_Bitmap").u32(0x7FFFFFFF).bytes},
        {"shape count beyond the file", ByteWriter().newClass("CVSketch").u16(0xFFFF).u32(0x40000000).bytes},
        // The second child refers back to the first (object index 4): it
        // would be owned, and deleted, twice.
        {"owned object read twice", ByteWriter()
                                        .newClass("CVShape_Group").u16(0).u32(0).u32(0).u16(2)
                                        .newClass("CVShape").u16(0).u32(0).u32(0)
                                        .u16(4).bytes},
        // Counts whose byte size wraps when multiplied out: 2^61 + 1 points
        // of 8 bytes "need" 8 bytes, 2^63 + 1 shapes of 2 bytes need 2.
        {"point count that wraps",
         ByteWriter().newClass("CVShape").u16(0xFFFF).u32(0xFFFFFFFF).u64((uint64_t{1} << 61) + 1).u32(0).u32(0).bytes},
        {"shape count that wraps",
         ByteWriter().newClass("CVSketch").u16(0xFFFF).u32(0xFFFFFFFF).u64((uint64_t{1} << 63) + 1).u16(0).bytes},
        {"filler that is no filler",
         ByteWriter().newClass("CVShape").u16(0).u32(0).u32(1).newClass("CVOutliner").bytes},
    };
    for (const Case& c : cases)
        EXPECT_THROW(LoadObject<fw::Object>(c.bytes), fw::ArchiveException) << c.what;
}

// A sketch of one group holding one group, and so on depth groups deep.
Bytes NestedGroups(int depth)
{
    ByteWriter w;
    w.newClass("CVSketch").u16(1);
    w.newClass("CVShape_Group");
    for (int i = 0; i < depth; ++i) {
        if (i > 0)
            w.u16(0x8003);  // the group class, index 3
        w.u16(0).u32(0).u32(0).u16(i + 1 < depth ? 1 : 0);
    }
    return w.bytes;
}

TEST(SketchArchive, GroupNestingIsBounded)
{
    // The sketch and its groups are the objects read inside one another.
    const int deepest = fw::Archive::kMaxObjectDepth - 1;
    auto sketch = LoadObject<CVSketch>(NestedGroups(deepest));
    int depth = 0;
    for (const CVShape* s = sketch->GetShapes().front().get(); s;) {
        ++depth;
        const auto& children = static_cast<const CVShape_Group*>(s)->children;
        s = children.empty() ? nullptr : children.front().get();
    }
    EXPECT_EQ(depth, deepest);
    EXPECT_EQ(StoreObject(sketch.get()), NestedGroups(deepest));

    // Hostile files of 110 and 260 KB, deep enough to run out of stack.
    for (int tooDeep : {deepest + 1, 8000, 18500})
        EXPECT_THROW(LoadObject<CVSketch>(NestedGroups(tooDeep)), fw::ArchiveException) << tooDeep;
}

}  // namespace
