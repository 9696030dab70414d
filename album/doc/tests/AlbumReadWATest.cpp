// Pictures read from files into work areas, and a record's thumbnail made
// from one.
#include <gtest/gtest.h>

#include "AlbumTestSupport.h"
#include "album/doc/AlbumReadWA.h"
#include "drawctx/zvwa/WA.h"

namespace albumtest {
namespace {

using AlbumReadWA = AlbumFixture;

TEST_F(AlbumReadWA, BitmapFileBecomesAWorkAreaAndAThumbnail)
{
    // A 2 by 1 true-colour BMP written out: red, then blue.
    const std::vector<uint8_t> bmp = {
        'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
        40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 255, 255, 0, 0, 0, 0};
    WriteBytes(PathOf("two.bmp"), bmp);

    WA* picture = ReadAlbumPicture(PathOf("two.bmp"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->refCount, 1);
    EXPECT_EQ(picture->type, WA_TYPE_RGB);
    EXPECT_EQ(picture->width, 2);
    EXPECT_EQ(picture->height, 1);
    EXPECT_EQ(std::vector<uint8_t>(picture->Row(0), picture->Row(0) + 6),
              (std::vector<uint8_t>{0, 0, 255, 255, 0, 0}));

    COvalbumRec record;
    record.path = PathOf("two.bmp");
    ASSERT_TRUE(record.SetThumbnail(*picture));
    ASSERT_TRUE(record.ReadFileTimes());
    WARelease(picture);
    EXPECT_EQ(record.hasThumbnail, 1);
    const auto layout = AlbumThumbnailLayout(record.thumbnail);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->header.biWidth, 80);
    EXPECT_EQ(layout->height, 40);
    EXPECT_EQ(record.GetFileState(), COvalbumRec::fileUnchanged);
}

TEST_F(AlbumReadWA, UnreadableFilesGiveNoPicture)
{
    WriteBytes(PathOf("junk.bmp"), {'B', 'M', 1, 2, 3});
    EXPECT_EQ(ReadAlbumPicture(PathOf("junk.bmp")), nullptr);
    EXPECT_EQ(ReadAlbumPicture(PathOf("absent.bmp")), nullptr);
}

} // namespace
} // namespace albumtest
