// A record's file state: missing, changed since the record was made, or as
// recorded.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include "AlbumTestSupport.h"

namespace albumtest {
namespace {

void SetModificationTime(const std::string& path, time_t seconds)
{
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

using RecordFileState = AlbumFixture;

TEST_F(RecordFileState, MissingChangedOrUnchanged)
{
    COvalbumRec record;
    record.path = PathOf("pic.bmp");
    EXPECT_EQ(record.GetFileState(), COvalbumRec::fileMissing);
    EXPECT_FALSE(record.ReadFileTimes());

    WriteBytes(record.path, {1, 2, 3});
    SetModificationTime(record.path, 1000000000);
    ASSERT_TRUE(record.ReadFileTimes());
    EXPECT_EQ(record.modificationTime, 1000000000);
    EXPECT_GT(record.creationTime, 0);
    EXPECT_EQ(record.GetFileState(), COvalbumRec::fileUnchanged);

    SetModificationTime(record.path, 1000000001);
    EXPECT_EQ(record.GetFileState(), COvalbumRec::fileChanged);
}

} // namespace
} // namespace albumtest
