// Fillers loaded from bitmap and metafile files, through the file dialog,
// and the errors of files that hold no such picture.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "framework/Exception.h"
#include "framework/FileDialog.h"
#include "tasks/sketch/CVFiller_Bitmap.h"
#include "tasks/sketch/CVFiller_Meta.h"
#include "tasks/sketch/CVShape_Line.h"
#include "tasks/sketch/CVSketch.h"
#include "tasks/sketch/tests/SketchTestSupport.h"

namespace {

using namespace sketchtest;

class FillerFile : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const Bytes& bytes)
    {
        const std::string path = ::testing::TempDir() + "sketch_" + name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
        paths_.push_back(path);
        return path;
    }
    void TearDown() override
    {
        for (const auto& p : paths_)
            std::remove(p.c_str());
        fw::SetFileDialogHook({});
    }

private:
    std::vector<std::string> paths_;
};

TEST_F(FillerFile, BitmapFileIsReadAfterItsFileHeader)
{
    const Bytes dib = MakeDib24({{0xFF0000, 0x00FF00}});
    const std::string path = Write("ok.bmp", ByteWriter().raw("BM").u32(0).u32(0).u32(0).raw(dib).bytes);

    // Only a shape without a filler asks; the dialog offers bitmaps.
    std::vector<fw::FileDialogRequest> asked;
    fw::SetFileDialogHook([&](const fw::FileDialogRequest& r) {
        asked.push_back(r);
        return std::optional<std::string>(path);
    });
    CVShape_Line frame(CVSketch::kModeRect, {0, 0}, {10, 10});
    frame.ChooseBitmapFill();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].open);
    EXPECT_EQ(asked[0].filters, std::vector<std::string>{"Bitmap Files (*.bmp)"});
    EXPECT_EQ(asked[0].defaultExtension, ".bmp");
    auto* bitmap = dynamic_cast<CVFiller_Bitmap*>(frame.filler.get());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_TRUE(bitmap->Owns());
    EXPECT_EQ(bitmap->GetSize(), dib.size());
    EXPECT_EQ(Bytes(bitmap->GetDib(), bitmap->GetDib() + dib.size()), dib);
    frame.ChooseBitmapFill();
    EXPECT_EQ(asked.size(), 1u);

    // Edit replaces an owned picture; Cancel keeps it.
    const Bytes other = MakeDib24({{0x0000FF}});
    const std::string otherPath = Write("other.bmp", ByteWriter().raw("BM").u32(0).u32(0).u32(0).raw(other).bytes);
    fw::SetFileDialogHook([&](const fw::FileDialogRequest&) { return std::optional<std::string>(otherPath); });
    bitmap->Edit();
    EXPECT_EQ(bitmap->GetSize(), other.size());
    fw::SetFileDialogHook([](const fw::FileDialogRequest&) { return std::optional<std::string>(); });
    bitmap->Edit();
    EXPECT_EQ(bitmap->GetSize(), other.size());
}

TEST_F(FillerFile, FilesWithoutABitmapRaiseAndLeaveTheFillerEmpty)
{
    const Bytes dib = MakeDib24({{0xFF0000}});
    struct Case {
        const char* name;
        Bytes bytes;
    };
    const Case cases[] = {
        {"short.bmp", Bytes{'B', 'M', 1, 2}},
        {"text.bmp", ByteWriter().raw("this is no picture at all, only words").bytes},
        {"header.bmp", ByteWriter().raw("BM").u32(0).u32(0).u32(0).u32(40).bytes},
    };
    for (const Case& c : cases) {
        CVFiller_Bitmap filler(std::string(Write("good.bmp", ByteWriter().raw("BM").u32(0).u32(0).u32(0).raw(dib).bytes)));
        EXPECT_THROW(filler.LoadFile(Write(c.name, c.bytes)), fw::ArchiveException) << c.name;
        EXPECT_EQ(filler.GetDib(), nullptr);
        EXPECT_EQ(filler.GetSize(), 0u);
    }
    CVFiller_Bitmap missing;
    EXPECT_THROW(missing.LoadFile(::testing::TempDir() + "sketch_absent.bmp"), fw::FileException);
}

TEST_F(FillerFile, MetafilesByKind)
{
    Bytes emf(100, 0);
    emf[0] = 1;
    emf[40] = 0x20, emf[41] = 0x45, emf[42] = 0x4D, emf[43] = 0x46;
    Bytes wmf = ByteWriter().u16(1).u16(9).u16(0x300).u32(9).u16(0).u32(3).u16(0).bytes;
    wmf.insert(wmf.end(), {3, 0, 0, 0, 0, 0});
    const Bytes placeable = ByteWriter().u32(0x9AC6CDD7).raw(Bytes(18, 0)).raw(wmf).bytes;

    CVFiller_Meta meta;
    meta.LoadFile(Write("a.emf", emf));
    EXPECT_EQ(meta.GetEnhanced(), emf);
    EXPECT_TRUE(meta.GetBits().empty());
    meta.LoadFile(Write("a.wmf", wmf));
    EXPECT_EQ(meta.GetBits(), wmf);
    EXPECT_TRUE(meta.GetEnhanced().empty());
    meta.LoadFile(Write("p.wmf", placeable));
    EXPECT_EQ(meta.GetBits(), wmf);

    EXPECT_THROW(meta.LoadFile(Write("tiny.wmf", Bytes{1, 0, 9})), fw::ArchiveException);
    EXPECT_TRUE(meta.GetBits().empty());
    EXPECT_THROW(meta.LoadFile(Write("bad.wmf", ByteWriter().u16(1).u16(4).raw(Bytes(20, 0)).bytes)),
                 fw::ArchiveException);

    // Stored and read back as the archive's metafile form.
    meta.LoadFile(Write("b.wmf", wmf));
    const Bytes form = StoreObject(&meta);
    EXPECT_EQ(form, ByteWriter().newClass("CVFiller_Meta").u32(uint32_t(wmf.size())).u32(0).raw(wmf).bytes);
    EXPECT_EQ(LoadObject<CVFiller_Meta>(form)->GetBits(), wmf);
}

}  // namespace
