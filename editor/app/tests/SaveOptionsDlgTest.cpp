// The save options dialog: it shows the options it is given and hands back
// what the user set.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QSpinBox>

#include "editor/app/SaveOptionsDlg.h"

TEST(SaveOptionsDlg, ShowsAndReturnsTheFormatsOptions)
{
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    QApplication app(argc, argv);
    imexp::WriteOptions given;
    given.jpegQuality = 85;
    given.tiffCompression = "deflate";

    CSaveOptionsDlg jpeg(imexp::Format::Jpeg, given);
    ASSERT_NE(jpeg.Quality(), nullptr);
    EXPECT_EQ(jpeg.Compression(), nullptr);
    EXPECT_EQ(jpeg.Quality()->value(), 85);
    jpeg.Quality()->setValue(40);
    EXPECT_EQ(jpeg.Options().jpegQuality, 40);
    EXPECT_EQ(jpeg.Options().tiffCompression, "deflate");

    CSaveOptionsDlg tiff(imexp::Format::Tiff, given);
    ASSERT_NE(tiff.Compression(), nullptr);
    EXPECT_EQ(tiff.Compression()->currentData().toString(), "deflate");
    tiff.Compression()->setCurrentIndex(0);
    EXPECT_EQ(tiff.Options().tiffCompression, "none");
    EXPECT_EQ(tiff.Options().jpegQuality, 85);
}
