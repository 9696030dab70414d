// Pictures as packed DIBs for the clipboard and the scanner, and the names
// scanned pictures are stored under.
#include <gtest/gtest.h>

#include <cstring>

#include "AlbumPictures.h"
#include "AlbumTestSupport.h"
#include "album/doc/AlbumDib.h"
#include "album/doc/AlbumScanStore.h"

namespace albumtest {
namespace {

TEST(AlbumDib, EveryPictureTypeGoesOutAndComesBackWhole)
{
    const struct {
        int type;
        int bits;
        size_t colours;
    } cases[] = {{WA_TYPE_1BIT, 1, 2}, {WA_TYPE_4BIT, 4, 16}, {WA_TYPE_8BIT, 8, 256}, {WA_TYPE_GRAY, 8, 256},
                 {WA_TYPE_RGB, 24, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        WA* picture = new WA(c.type, 13, 5, static_cast<char*>(nullptr));
        for (int32_t row = 0; row < 5; ++row)
            for (size_t i = 0; i < picture->RowBytes(); ++i)
                picture->Row(row)[i] = uint8_t(row * 31 + i * 7);
        const std::vector<uint8_t> dib = PackedDibOf(*picture);
        const auto layout = platform::ReadDibLayout(dib, nullptr);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->header.biBitCount, c.bits);
        EXPECT_EQ(layout->palette.size(), c.colours);
        EXPECT_EQ(dib.size(), 40 + 4 * c.colours + picture->RowBytes() * 5);

        WA* back = WorkAreaFromDib(dib);
        ASSERT_NE(back, nullptr);
        // Grey pictures come back as 256-colour ones with a grey palette.
        EXPECT_EQ(back->type, c.type == WA_TYPE_GRAY ? WA_TYPE_8BIT : c.type);
        for (int32_t row = 0; row < 5; ++row)
            EXPECT_EQ(std::memcmp(back->Row(row), picture->Row(row), picture->RowBytes()), 0);
        WARelease(back);
        WARelease(picture);
    }
}

TEST(AlbumDib, OtherBitmapsAreRefused)
{
    WA* picture = MakePicture(4, 4);
    std::vector<uint8_t> dib = PackedDibOf(*picture);
    WARelease(picture);
    std::vector<uint8_t> cut(dib.begin(), dib.end() - 1);
    EXPECT_EQ(WorkAreaFromDib(cut), nullptr);
    dib[14] = 32;  // bit count
    EXPECT_EQ(WorkAreaFromDib(dib), nullptr);
    dib[14] = 16;
    EXPECT_EQ(WorkAreaFromDib(dib), nullptr);
    EXPECT_EQ(WorkAreaFromDib(std::vector<uint8_t>(10)), nullptr);
}

using AlbumScanStore = AlbumFixture;

TEST_F(AlbumScanStore, TheFirstFreeNameInTheFolder)
{
    EXPECT_EQ(ScanStoreFolder("scans", "/alb/"), "/alb/scans/");
    EXPECT_EQ(ScanStoreFolder("/abs/scans/", "/alb/"), "/abs/scans/");
    EXPECT_EQ(FreeScanFileName(Folder(), "JPG"), Folder() + "TW_0.JPG");
    WriteBytes(Folder() + "TW_0.JPG", {1});
    WriteBytes(Folder() + "TW_1.JPG", {1});
    EXPECT_EQ(FreeScanFileName(Folder(), "JPG"), Folder() + "TW_2.JPG");
    EXPECT_EQ(FreeScanFileName(Folder(), "TIF"), Folder() + "TW_0.TIF");
    EXPECT_EQ(FreeScanFileName(Folder(), "JPG", 2), "");
}

} // namespace
} // namespace albumtest
