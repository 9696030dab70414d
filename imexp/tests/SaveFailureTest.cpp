// A save that fails at any point leaves the file it was to replace exactly
// as it was, and leaves no temporary file behind.
#include <gtest/gtest.h>

#include "MemoryPicture.h"
#include "imexp/ImExp.h"
#include "imexp/OutputFile.h"
#include "platform/tests/TestFolder.h"

namespace {

struct FaultOff {
    ~FaultOff() { imexp::OutputFile::FailAfterBytesForTest(-1); }
};

class CancelAt : public CProgress {
public:
    explicit CancelAt(int32_t at) : at_(at) {}
    void Start() override { ++starts; }
    void End() override { ++ends; }
    int Step(int32_t done, int32_t) override { return done < at_; }
    int starts = 0, ends = 0;

private:
    int32_t at_;
};

class FailedSave : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        target = folder / (std::string("picture.") + GetParam());
        ASSERT_TRUE(imexp::WritePicture(target, MemoryPicture(40, 30, WA_GRAY)));
        before = TestFolder::Read(target);
    }
    void ExpectUntouched(const imexp::Status& status, const char* reason)
    {
        EXPECT_FALSE(status);
        EXPECT_NE(status.error.find(reason), std::string::npos) << status.error;
        EXPECT_EQ(status.error.find("Maximum"), std::string::npos) << status.error;
        EXPECT_TRUE(TestFolder::Read(target) == before) << "the original changed";
        EXPECT_EQ(folder.Count(), 1u);
    }

    TestFolder folder;
    std::string target;
    std::string before;
    MemoryPicture picture{300, 200, WA_RGB24};
};

TEST_P(FailedSave, WriteErrorAtAnyPoint)
{
    FaultOff off;
    // Fail at the start, in the header, half-way and at the very last byte.
    TestFolder other;
    ASSERT_TRUE(imexp::WritePicture(other / target.substr(target.rfind('/') + 1), picture));
    const int64_t size = int64_t(TestFolder::Read(other / target.substr(target.rfind('/') + 1)).size());
    for (int64_t budget : {int64_t(0), int64_t(1), int64_t(100), size / 2, size - 1}) {
        imexp::OutputFile::FailAfterBytesForTest(budget);
        ExpectUntouched(imexp::WritePicture(target, picture), "No space left on device");
    }
}

TEST_P(FailedSave, PictureFailsHalfWay)
{
    picture.failGetRowAt = picture.height / 2;
    ExpectUntouched(imexp::WritePicture(target, picture), "rows");
}

TEST_P(FailedSave, UserCancels)
{
    CancelAt progress(100);
    ExpectUntouched(imexp::WritePicture(target, picture, {}, &progress), "cancelled");
    EXPECT_EQ(progress.starts, 1);
    EXPECT_EQ(progress.ends, 1);
}

INSTANTIATE_TEST_SUITE_P(Formats, FailedSave, testing::Values("bmp", "jpg", "png", "tif"));

TEST(Save, ReplacesTheTargetOnlyWhenComplete)
{
    TestFolder folder;
    const std::string target = folder / "picture.png";
    TestFolder::Write(target, "old");
    ASSERT_TRUE(imexp::WritePicture(target, MemoryPicture(5, 5, WA_4BIT)));
    EXPECT_NE(TestFolder::Read(target), "old");
    EXPECT_EQ(folder.Count(), 1u);
    const imexp::Status missing = imexp::WritePicture(folder / "no/such/folder.png", MemoryPicture(5, 5, WA_4BIT));
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.error.find("folder.png"), std::string::npos) << missing.error;
}

} // namespace
