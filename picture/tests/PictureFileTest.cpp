// Pictures under file descriptors: saved in the format the name asks for
// and read back whole, damaged files refused with the library's reason and
// nothing bound, failed saves leaving the old file as it was, and the
// progress display driven through the library.
#include "PictureTestSupport.h"

#include "imexp/ImExp.h"
#include "imexp/OutputFile.h"
#include "picture/FileDescriptor.h"
#include "picture/PictureFileExcept.h"
#include "platform/tests/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using pictest::Noise;
using pictest::StoredForm;

namespace {

using Fd = QnFileDescriptor;

// A control whose one display records what it was told and asks to stop
// once it has shown abortAfter steps (never when negative).
class RecordingControl : public QnProcessControl {
public:
    std::vector<std::string> texts;
    int shows = 0, hides = 0, steps = 0;
    int abortAfter = -1;

    int TestAbort() const override { return Stop(); }
    QnProgressIndicator* CreateProgressIndicator(int) override { return new Indicator(*this); }

private:
    bool Stop() const { return abortAfter >= 0 && steps >= abortAfter; }

    class Indicator : public QnProgressIndicator {
    public:
        explicit Indicator(RecordingControl& owner) : owner_(owner) {}
        int TestAbort() const override { return owner_.Stop(); }
        int Show(int on) override
        {
            ++(on ? owner_.shows : owner_.hides);
            return 0;
        }
        void SetText(const char* text) override { owner_.texts.push_back(text); }
        void SetProgress(uint32_t, uint32_t) override { ++owner_.steps; }
        void qn_delete() override { delete this; }

    private:
        RecordingControl& owner_;
    };
};

// A picture of type over several tiles each way: noise pixels, a noise
// palette for the free-palette types, unusual resolutions.
PpQnPicture NoisePicture(int type, int32_t width = 130, int32_t height = 70)
{
    PALETTEENTRY pal[256];
    for (int i = 0; i < 256; ++i)
        pal[i] = PALETTEENTRY{Noise(i), Noise(i + 300), Noise(i + 600), 0};
    PpQnPicture pic(width, height, type, pal);
    pic->SetHRes(72);
    pic->SetVRes(150);
    const int32_t bpp = type == WA_RGB24 ? 3 : 1;
    const uint8_t mask = type == WA_1BIT ? 1 : type == WA_4BIT ? 15 : 255;
    std::vector<uint8_t> line(size_t(width * bpp));
    for (int32_t y = 0; y < height; ++y) {
        for (size_t i = 0; i < line.size(); ++i)
            line[i] = uint8_t(Noise(uint32_t(y * 7919 + int32_t(i))) & mask);
        pic->WriteToRow(0, y, QnRange{0, width}, line.data());
    }
    return pic;
}

// A smooth picture that JPEG keeps close to what it was.
PpQnPicture SmoothPicture(int type)
{
    PpQnPicture pic(96, 80, type, nullptr);
    const int32_t bpp = type == WA_RGB24 ? 3 : 1;
    std::vector<uint8_t> line(size_t(96 * bpp));
    for (int32_t y = 0; y < 80; ++y) {
        for (int32_t i = 0; i < 96 * bpp; ++i)
            line[size_t(i)] = uint8_t(20 + y + i / bpp / 2 + 30 * (i % bpp));
        pic->WriteToRow(0, y, QnRange{0, 96}, line.data());
    }
    return pic;
}

PpQnFileDescriptor Dsc(const std::string& path, Fd::fd_type kind) { return PpQnFileDescriptor(path.c_str(), kind); }

int SaveAs(const PpQnPicture& pic, const std::string& path, QnProcessControl* control = nullptr)
{
    return pic->Save(PpQnLsmDsc(Dsc(path, Fd::FD_NEW)), control);
}

PpQnPicture Load(const std::string& path, QnProcessControl* control = nullptr)
{
    return PpQnPicture(PpQnLsmDsc(Dsc(path, Fd::FD_EXISTING)), control);
}

// Runs f, which must raise the picture's file exception, and hands it back.
template <class F>
QnPictureFileExcept FileError(F f)
{
    try {
        f();
    } catch (const QnPictureFileExcept& e) {
        return e;
    } catch (const QnExcept& e) {
        ADD_FAILURE() << "raised \"" << e.what() << "\" instead";
    }
    ADD_FAILURE() << "nothing raised";
    return QnPictureFileExcept("", false);
}

class PictureFile : public ::testing::Test {
protected:
    // Drops every bound picture and registered descriptor nothing holds, so
    // the next load reads the file.
    static void DropCaches() { QnObj::CollectGarbage(QnObj::DF_DISCARD, -1); }

    TestFolder folder;
};

} // namespace

// Every type through every format that keeps pixels exactly: the file
// loaded back holds the same type, size, resolutions, palette and pixels.
TEST_F(PictureFile, ExactFormatsGiveTheSamePictureBack)
{
    for (const char* ext : {"bmp", "png", "tif"}) {
        for (int type : {WA_1BIT, WA_4BIT, WA_8BIT, WA_GRAY, WA_RGB24}) {
            SCOPED_TRACE(std::string(ext) + " type " + std::to_string(type));
            const std::string path = folder / ("pic" + std::to_string(type) + "." + ext);
            std::vector<uint8_t> expected;
            {
                PpQnPicture pic = NoisePicture(type);
                expected = StoredForm(pic);
                ASSERT_EQ(SaveAs(pic, path), 0);
            }
            DropCaches();
            RecordingControl control;
            PpQnPicture back = Load(path, &control);
            ASSERT_EQ(control.texts, std::vector<std::string>{"Loading file " + path + "..."});
            EXPECT_EQ(back->Type(), type);
            EXPECT_EQ(back->GetPaletteSize(), WaPaletteSize(type));
            EXPECT_EQ(StoredForm(back), expected);
        }
    }
}

// JPEG keeps colour and grey close but not exact, turns paletted pictures
// to colour and black and white to grey, and is lossy whatever its
// extension is spelled: the descriptor that saved does not claim the file.
TEST_F(PictureFile, JpegIsLossyAndGivesContinuousTone)
{
    struct Case {
        int type;
        const char* name;
        int loadedType;
    };
    const Case cases[] = {
        {WA_RGB24, "a.jpg", WA_RGB24},
        {WA_GRAY, "b.JPG", WA_GRAY},
        {WA_8BIT, "c.jpeg", WA_RGB24},
        {WA_1BIT, "d.jpe", WA_GRAY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder / c.name;
        PpQnPicture pic = c.type == WA_8BIT || c.type == WA_1BIT ? NoisePicture(c.type, 40, 30) : SmoothPicture(c.type);
        PpQnFileDescriptor dsc = Dsc(path, Fd::FD_NEW);
        EXPECT_EQ(pic->Save(PpQnLsmDsc(dsc), nullptr), 1);
        EXPECT_FALSE(dsc->IsAssociated());
        EXPECT_NE(Dsc(path, Fd::FD_EXISTING).Get(), dsc.Get());

        PpQnPicture back = Load(path);
        EXPECT_EQ(back->Type(), c.loadedType);
        ASSERT_EQ(std::make_pair(back->GetWidth(), back->GetHeight()), std::make_pair(pic->GetWidth(), pic->GetHeight()));
        if (c.type != c.loadedType)
            continue;
        const int32_t bpp = pic->GetBytesPerPixel();
        const QnRect all{0, 0, pic->GetWidth(), pic->GetHeight()};
        const std::vector<uint8_t> a = pictest::RenderRect(PpQnRenderObj(pic), 0, all, bpp);
        const std::vector<uint8_t> b = pictest::RenderRect(PpQnRenderObj(back), 0, all, bpp);
        int worst = 0;
        for (size_t i = 0; i < a.size(); ++i)
            worst = std::max(worst, std::abs(int(a[i]) - int(b[i])));
        EXPECT_LE(worst, 8);
    }
}

// An exact save binds the saved picture to its file: asking for the file
// again gives that picture without reading anything.
TEST_F(PictureFile, AnExactSaveBindsThePicture)
{
    const std::string path = folder / "bound.png";
    PpQnPicture pic = NoisePicture(WA_8BIT);
    RecordingControl control;
    ASSERT_EQ(SaveAs(pic, path, &control), 0);
    // The save names the file the user chose, not the temporary one written.
    EXPECT_EQ(control.texts, std::vector<std::string>{"Saving to file " + path + "..."});
    EXPECT_GT(control.steps, 0);
    EXPECT_EQ(control.shows, control.hides);
    RecordingControl again;
    EXPECT_EQ(Load(path, &again).Get(), pic.Get());
    EXPECT_TRUE(again.texts.empty());
}

// Damaged, empty, foreign and missing files are refused with a silent
// exception that keeps the library's reason, and the descriptor binds
// nothing: the next request reads the file again.
TEST_F(PictureFile, DamagedFilesAreRefusedWithTheReasonAndBindNothing)
{
    const std::string png = folder / "good.png";
    const std::string bmp = folder / "good.bmp";
    ASSERT_EQ(SaveAs(NoisePicture(WA_RGB24), png), 0);
    ASSERT_EQ(SaveAs(NoisePicture(WA_4BIT), bmp), 0);
    const std::string pngBytes = TestFolder::Read(png);
    const std::string bmpBytes = TestFolder::Read(bmp);

    struct Case {
        const char* name;
        std::string bytes;
        bool exists;
    };
    const Case cases[] = {
        {"cut.png", pngBytes.substr(0, pngBytes.size() / 2), true},
        {"cut.bmp", bmpBytes.substr(0, bmpBytes.size() - 100), true},
        {"empty.bmp", "", true},
        {"text.png", "this is not a picture at all", true},
        {"missing.png", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder / c.name;
        if (c.exists)
            TestFolder::Write(path, c.bytes);
        PpQnFileDescriptor dsc = Dsc(path, Fd::FD_EXISTING);
        const QnPictureFileExcept error = FileError([&] { Load(path); });
        EXPECT_STREQ(error.what(), "");
        EXPECT_STREQ(error.where(), "");
        EXPECT_NE(error.Reason().find(path), std::string::npos) << error.Reason();
        EXPECT_FALSE(error.IsUserAbort());
        EXPECT_FALSE(dsc->IsAssociated());
        EXPECT_FALSE(dsc->FindBound(typeid(QnPicture)));
    }
    // A handler that knows only the silent exception ends quietly on it.
    EXPECT_THROW(Load(folder / "text.png"), QnSilentExcept);
}

// A save that stops half-way, by a full disk or by the user, leaves the old
// file byte for byte as it was and nothing beside it.
TEST_F(PictureFile, AFailedSaveLeavesTheOldFileAsItWas)
{
    const std::string path = folder / "keep.tif";
    ASSERT_EQ(SaveAs(NoisePicture(WA_GRAY), path), 0);
    const std::string before = TestFolder::Read(path);
    DropCaches();

    struct Case {
        const char* what;
        int64_t failAfterBytes;
        int abortAfter;
        const char* reason;
    };
    const Case cases[] = {
        {"disk full", 3000, -1, "No space left on device"},
        {"user stop", -1, 20, "cancelled by the user"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingControl control;
        control.abortAfter = c.abortAfter;
        PpQnPicture pic = NoisePicture(WA_RGB24, 200, 300);
        PpQnFileDescriptor dsc = Dsc(path, Fd::FD_EXISTING);
        imexp::OutputFile::FailAfterBytesForTest(c.failAfterBytes);
        const QnPictureFileExcept error = FileError([&] { pic->Save(PpQnLsmDsc(dsc), &control); });
        imexp::OutputFile::FailAfterBytesForTest(-1);
        EXPECT_NE(error.Reason().find(c.reason), std::string::npos) << error.Reason();
        EXPECT_EQ(error.IsUserAbort(), c.abortAfter >= 0);
        EXPECT_EQ(TestFolder::Read(path), before);
        EXPECT_EQ(folder.Count(), 1u);
        EXPECT_FALSE(dsc->IsAssociated());
    }
}

// A load the user stops binds nothing and says it was the user.
TEST_F(PictureFile, AStoppedLoadBindsNothing)
{
    const std::string path = folder / "big.bmp";
    ASSERT_EQ(SaveAs(NoisePicture(WA_RGB24, 100, 400), path), 0);
    DropCaches();
    RecordingControl control;
    control.abortAfter = 10;
    PpQnFileDescriptor dsc = Dsc(path, Fd::FD_EXISTING);
    const QnPictureFileExcept error = FileError([&] { Load(path, &control); });
    EXPECT_TRUE(error.IsUserAbort());
    EXPECT_EQ(control.shows, control.hides);
    EXPECT_FALSE(dsc->FindBound(typeid(QnPicture)));
}

// The picture's save options are the library's option text.
TEST_F(PictureFile, TheSaveOptionsReachTheLibrary)
{
    PpQnPicture pic = NoisePicture(WA_RGB24);
    pic->SetSaveOptions(QnSaveOptions("quality=10"));
    ASSERT_EQ(SaveAs(pic, folder / "low.jpg"), 1);
    pic->SetSaveOptions(QnSaveOptions("quality=95"));
    ASSERT_EQ(SaveAs(pic, folder / "high.jpg"), 1);
    EXPECT_LT(2 * TestFolder::Read(folder / "low.jpg").size(), TestFolder::Read(folder / "high.jpg").size());
}

// A descriptor detached from its file reads its private copy: the load
// reads, and names, the file really read.
TEST_F(PictureFile, ADetachedDescriptorLoadsItsPrivateCopy)
{
    const std::string path = folder / "old.bmp";
    std::vector<uint8_t> oldForm;
    {
        PpQnPicture old = NoisePicture(WA_8BIT);
        oldForm = StoredForm(old);
        ASSERT_EQ(SaveAs(old, path), 0);
    }
    DropCaches();
    PpQnFileDescriptor reader = Dsc(path, Fd::FD_EXISTING);
    ASSERT_EQ(SaveAs(NoisePicture(WA_RGB24), path), 0);
    const std::string copy = reader->GetRealFileName();
    ASSERT_NE(copy, path);

    RecordingControl control;
    PpQnPicture back(PpQnLsmDsc(reader), &control);
    EXPECT_EQ(control.texts, std::vector<std::string>{"Loading file " + copy + "..."});
    EXPECT_EQ(StoredForm(back), oldForm);
}
