// What a reader promises the work area and the progress: the order of the
// calls, bottom-up rows, progress that can stop it, the sink's refusals
// and the pixel limit.
#include <gtest/gtest.h>

#include "MemoryPicture.h"
#include "base/QnExcept.h"
#include "imexp/ImExp.h"
#include "platform/tests/TestFolder.h"

#include <algorithm>
#include <cstdlib>

namespace {

class Recorder : public CProgress {
public:
    void Start() override { log += 'S'; }
    void End() override { log += 'E'; }
    int Step(int32_t done, int32_t total) override
    {
        EXPECT_GT(done, last);
        EXPECT_LE(done, total);
        last = done;
        return stopAt < 0 || done < stopAt;
    }
    std::string log;
    int32_t last = 0;
    int32_t stopAt = -1;
};

// A work area that takes no pictures of a given type, as a picture does
// with types it does not know.
class Picky : public MemoryPicture {
public:
    int SetType(int image, int layer, int t) override
    {
        if (t == WA_RGB24)
            QnExcept("Unsupported WA type", "Picture", 1).raise();
        if (t == WA_GRAY)
            return 1;
        return MemoryPicture::SetType(image, layer, t);
    }
};

std::string Saved(const TestFolder& folder, const char* name, int type, int32_t w = 50, int32_t h = 40)
{
    const std::string path = folder / name;
    EXPECT_TRUE(imexp::WritePicture(path, MemoryPicture(w, h, type)));
    return path;
}

TEST(ReadContract, AnnouncesThenHandsEveryRowOnceNumberedFromTheBottom)
{
    TestFolder folder;
    for (const char* name : {"a.png", "a.jpg", "a.bmp", "a.tif"}) {
        MemoryPicture p;
        Recorder progress;
        ASSERT_TRUE(imexp::ReadPicture(Saved(folder, name, WA_RGB24), p, &progress));
        EXPECT_EQ(p.calls, "ILSTR") << name;
        EXPECT_EQ(progress.log, "SE");
        EXPECT_EQ(progress.last, 40);
        std::vector<int> rows = p.rowsSeen;
        std::sort(rows.begin(), rows.end());
        for (int i = 0; i < 40; ++i)
            EXPECT_EQ(rows[size_t(i)], i);
        // Top-down files hand the top line first: that is row height - 1.
        if (std::string(name) != "a.bmp") {
            EXPECT_EQ(p.rowsSeen.front(), 39);
        }
    }
    MemoryPicture paletted;
    ASSERT_TRUE(imexp::ReadPicture(Saved(folder, "b.png", WA_8BIT), paletted));
    EXPECT_EQ(paletted.calls, "ILSTPR");
}

TEST(ReadContract, AReducedReadStartsAndEndsItsProgressOnce)
{
    TestFolder folder;
    MemoryPicture full;
    MemoryPicture preview;
    Recorder progress;
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(imexp::ReadPictureOrPreview(Saved(folder, "a.jpg", WA_RGB24, 64, 48), full, preview,
                                            [](int32_t, int32_t) { return 2; }, bytes, &progress));
    EXPECT_FALSE(bytes.empty());
    EXPECT_EQ(progress.log, "SE");
    EXPECT_EQ(progress.last, 24);
}

TEST(ReadContract, ProgressStopsTheRead)
{
    TestFolder folder;
    MemoryPicture p;
    Recorder progress;
    progress.stopAt = 10;
    const imexp::Status status = imexp::ReadPicture(Saved(folder, "a.png", WA_GRAY), p, &progress);
    EXPECT_FALSE(status);
    EXPECT_NE(status.error.find("cancelled"), std::string::npos) << status.error;
    EXPECT_EQ(progress.log, "SE");
    EXPECT_LT(p.rowsSeen.size(), 40u);
}

TEST(ReadContract, TheSinksRefusalIsTheReason)
{
    TestFolder folder;
    Picky picky;
    imexp::Status status = imexp::ReadPicture(Saved(folder, "a.bmp", WA_RGB24), picky);
    EXPECT_FALSE(status);
    EXPECT_NE(status.error.find("Unsupported WA type"), std::string::npos) << status.error;
    status = imexp::ReadPicture(Saved(folder, "b.bmp", WA_GRAY), picky);
    EXPECT_FALSE(status);
    EXPECT_NE(status.error.find("pixel type"), std::string::npos) << status.error;
    // The C entry point says the same through its last error.
    std::string path = folder / "a.bmp";
    EXPECT_EQ(ImExp_ReadFile(&picky, nullptr, path.data(), -1, nullptr, nullptr, 0), 0);
    EXPECT_NE(std::string(ImExp_GetLastError()).find("Unsupported WA type"), std::string::npos);
}

TEST(ReadContract, MissingEmptyAndUnknownFiles)
{
    TestFolder folder;
    MemoryPicture p;
    TestFolder::Write(folder / "empty", "");
    TestFolder::Write(folder / "text", "this is not a picture at all");
    for (const char* name : {"missing.png", "empty", "text"}) {
        const imexp::Status status = imexp::ReadPicture(folder / name, p);
        EXPECT_FALSE(status);
        EXPECT_NE(status.error.find(name), std::string::npos) << status.error;
    }
    EXPECT_NE(imexp::ReadPicture(folder / "missing.png", p).error.find("No such file"), std::string::npos);
}

TEST(PixelLimit, RefusesLargerPicturesBothWays)
{
    TestFolder folder;
    const std::string path = Saved(folder, "a.png", WA_GRAY);
    imexp::SetPixelLimit(1999);
    MemoryPicture p;
    const imexp::Status read = imexp::ReadPicture(path, p);
    EXPECT_FALSE(read);
    EXPECT_NE(read.error.find("too large"), std::string::npos) << read.error;
    EXPECT_TRUE(p.calls.empty());
    EXPECT_FALSE(imexp::WritePicture(folder / "b.png", MemoryPicture(50, 40, WA_GRAY)));
    imexp::SetPixelLimit(2000);
    EXPECT_TRUE(imexp::ReadPicture(path, p));
    imexp::SetPixelLimit(0);
    EXPECT_EQ(imexp::PixelLimit(), imexp::kDefaultPixelLimit);
}

TEST(PixelLimit, DefaultComesFromTheEnvironment)
{
    // Each test runs in a process of its own, so the default is read here.
    setenv("QNIMEXP_MAX_PIXELS", "1234", 1);
    EXPECT_EQ(imexp::PixelLimit(), 1234u);
}

} // namespace
