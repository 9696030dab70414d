// The scan folder, extension and format as the options dialog leaves them.
#include <gtest/gtest.h>

#include "album/app/AlbumScanSettings.h"

namespace {

TEST(ScanSettings, ChoiceGetsATrailingSlashAndTheFormatsExtension)
{
    struct Case {
        std::string folder;
        int32_t format;
        std::string wantFolder, wantExtension;
    } const cases[] = {
        {"/home/ann/scans", 0, "/home/ann/scans/", "JPG"},
        {"scans/", 1, "scans/", "TIF"},
        {"scans", 2, "scans/", "BMP"},
        {"scans", 7, "scans/", "OLD"},  // no such format: the extension stays
        {"", 0, "", "JPG"},             // never "/", the root
    };
    for (const Case& c : cases) {
        AlbumScanSettings settings;
        settings.extension = "OLD";
        settings.TakeChoice(c.folder, c.format);
        EXPECT_EQ(settings.folder, c.wantFolder) << c.folder;
        EXPECT_EQ(settings.extension, c.wantExtension) << c.format;
        EXPECT_EQ(settings.format, c.format);
    }
}

TEST(ScanSettings, DialogStartsInThePicturesFolderWhileThereIsNoScanFolder)
{
    AlbumScanSettings settings;
    EXPECT_EQ(settings.InitialFolder("/home/ann/Pictures/", "/opt/qn/"), "/home/ann/Pictures/");
    EXPECT_EQ(settings.InitialFolder("", "/opt/qn/"), "/opt/qn/");
    settings.folder = "scans/";
    EXPECT_EQ(settings.InitialFolder("/home/ann/Pictures/", "/opt/qn/"), "scans/");
}

}  // namespace
