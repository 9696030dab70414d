// Every pixel type saved in every format that holds it and read back.
#include <gtest/gtest.h>

#include "MemoryPicture.h"
#include "imexp/ImExp.h"
#include "platform/tests/TestFolder.h"

#include <cstdlib>

namespace {

struct Case {
    const char* name;
    int type;
    const char* file;
    const char* options;  // option text
    int typeBack;         // type read back
    double tolerance;     // largest mean difference of a colour channel; 0: exact
};

const Case kCases[] = {
    {"bmp1", WA_1BIT, "p.bmp", "", WA_1BIT, 0},
    {"bmp4", WA_4BIT, "p.bmp", "", WA_4BIT, 0},
    {"bmp8", WA_8BIT, "p.bmp", "", WA_8BIT, 0},
    {"bmpGrey", WA_GRAY, "p.bmp", "", WA_GRAY, 0},
    {"bmp24", WA_RGB24, "p.bmp", "", WA_RGB24, 0},
    {"png1", WA_1BIT, "p.png", "", WA_1BIT, 0},
    {"png4", WA_4BIT, "p.png", "", WA_4BIT, 0},
    {"png8", WA_8BIT, "p.png", "", WA_8BIT, 0},
    {"pngGrey", WA_GRAY, "p.png", "", WA_GRAY, 0},
    {"png24", WA_RGB24, "p.PNG", "", WA_RGB24, 0},
    {"tif1", WA_1BIT, "p.tif", "compression=packbits", WA_1BIT, 0},
    {"tif4", WA_4BIT, "p.tif", "compression=lzw", WA_4BIT, 0},
    {"tif8", WA_8BIT, "p.tiff", "compression=deflate", WA_8BIT, 0},
    {"tifGrey", WA_GRAY, "p.tif", "compression=none", WA_GRAY, 0},
    {"tif24", WA_RGB24, "p.tif", "", WA_RGB24, 0},
    {"tif24Jpeg", WA_RGB24, "p.tif", "compression=jpeg quality=95", WA_RGB24, 2},
    {"tifGreyJpeg", WA_GRAY, "p.tif", "compression=jpeg,quality=95", WA_GRAY, 2},
    {"jpgGrey", WA_GRAY, "p.jpg", "quality=95", WA_GRAY, 2},
    {"jpg24", WA_RGB24, "p.JPEG", "quality=95", WA_RGB24, 2},
    {"jpg1", WA_1BIT, "p.jpg", "quality=100", WA_GRAY, 4},
};

class RoundTrip : public testing::TestWithParam<Case> {};

TEST_P(RoundTrip, PixelsTypeAndResolutionComeBack)
{
    const Case& c = GetParam();
    TestFolder folder;
    // Odd sizes: partial bytes at the end of 1 and 4-bit rows, row padding.
    const MemoryPicture original(37, 21, c.type);
    const std::string path = folder / c.file;
    const imexp::Status saved = imexp::WritePicture(path, original, imexp::WriteOptions::FromText(c.options));
    ASSERT_TRUE(saved) << saved.error;

    MemoryPicture back;
    const imexp::Status read = imexp::ReadPicture(path, back);
    ASSERT_TRUE(read) << read.error;
    EXPECT_EQ(back.calls.substr(0, 4), "ILST");
    EXPECT_EQ(back.type, c.typeBack);
    ASSERT_EQ(back.width, original.width);
    ASSERT_EQ(back.height, original.height);
    EXPECT_EQ(back.hdpi, 300);
    EXPECT_EQ(back.vdpi, 150);
    EXPECT_EQ(back.rowsSeen.size(), size_t(original.height));

    double sum = 0;
    const auto a = original.Colours(), b = back.Colours();
    for (size_t i = 0; i < a.size(); ++i)
        sum += std::abs(a[i].r - b[i].r) + std::abs(a[i].g - b[i].g) + std::abs(a[i].b - b[i].b);
    EXPECT_LE(sum / double(3 * a.size()), c.tolerance);
    if (c.tolerance == 0 && c.type == c.typeBack) {
        EXPECT_EQ(back.bits, original.bits);  // the very bytes, padding included
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RoundTrip, TallPicturesComeBackAcrossManyStrips)
{
    // Wide enough for strips of a few dozen rows, with a short last strip
    // and an odd width, so that whole strips and their edges are both read
    // and written.
    struct Tall {
        int type;
        const char* options;
    };
    TestFolder folder;
    for (const Tall& c : {Tall{WA_RGB24, "compression=none"}, Tall{WA_RGB24, "compression=lzw"},
                          Tall{WA_GRAY, "compression=deflate"}, Tall{WA_4BIT, "compression=packbits"}}) {
        const MemoryPicture original(3001, 97 * 2, c.type);
        const std::string path = folder / "tall.tif";
        ASSERT_TRUE(imexp::WritePicture(path, original, imexp::WriteOptions::FromText(c.options)));
        MemoryPicture back;
        const imexp::Status read = imexp::ReadPicture(path, back);
        ASSERT_TRUE(read) << read.error;
        EXPECT_EQ(back.type, c.type) << c.options;
        EXPECT_EQ(back.rowsSeen.size(), size_t(original.height)) << c.options;
        EXPECT_EQ(back.bits, original.bits) << c.type << " " << c.options;
    }
}

TEST(WriteFormat, PalettedPicturesGoToJpegAsTheirColours)
{
    TestFolder folder;
    for (int type : {WA_4BIT, WA_8BIT}) {
        MemoryPicture picture(16, 16, type);
        std::fill(picture.bits.begin(), picture.bits.end(), type == WA_4BIT ? 0x55 : 5);
        ASSERT_TRUE(imexp::WritePicture(folder / "p.jpg", picture));
        MemoryPicture back;
        ASSERT_TRUE(imexp::ReadPicture(folder / "p.jpg", back));
        EXPECT_EQ(back.type, WA_RGB24);
        const PALETTEENTRY& e = picture.palette[5];
        const Rgb c = back.ColourAt(7, 9);
        EXPECT_NEAR(c.r, e.peRed, 2);
        EXPECT_NEAR(c.g, e.peGreen, 2);
        EXPECT_NEAR(c.b, e.peBlue, 2);
    }
}

TEST(WriteFormat, NameDecidesAndUnknownNamesAreRefused)
{
    TestFolder folder;
    const MemoryPicture picture(8, 8, WA_RGB24);
    for (const char* name : {"p.gif", "p.xyz", "noextension"}) {
        const imexp::Status status = imexp::WritePicture(folder / name, picture);
        EXPECT_FALSE(status);
        EXPECT_NE(status.error.find(folder / name), std::string::npos) << status.error;
    }
    EXPECT_EQ(folder.Count(), 0u);

    // The C entry point reports the format written and the reason of a failure.
    std::string path = folder / "q.png";
    int format = 0;
    ASSERT_EQ(ImExp_WriteFile(&picture, nullptr, path.data(), &format, nullptr, nullptr, 0), 1);
    EXPECT_EQ(format, int(imexp::Format::Png));
    std::string bad = folder / "q.xyz";
    EXPECT_EQ(ImExp_WriteFile(&picture, nullptr, bad.data(), &format, nullptr, nullptr, 0), 0);
    EXPECT_NE(std::string(ImExp_GetLastError()).find("q.xyz"), std::string::npos);
    MemoryPicture back;
    EXPECT_EQ(ImExp_ReadFile(&back, nullptr, path.data(), IMEXP_ANY_FORMAT, nullptr, nullptr, 0), 1);
    EXPECT_EQ(back.Colours(), picture.Colours());
}

} // namespace

TEST(ReadReduced, AJpegWantedSmallComesSmallerOtherFormatsWhole)
{
    // 640 x 480 wanted at least 160 x 120: a JPEG comes a quarter of its
    // size each way (an eighth would be too small); at least 161 x 120 keeps
    // it at a half; a PNG comes whole.
    const std::string folder = ::testing::TempDir();
    const MemoryPicture source(640, 480, WA_RGB24);
    struct Case {
        const char* name;
        int32_t minWidth, minHeight, width, height;
    };
    const Case cases[] = {
        {"reduced.jpg", 160, 120, 160, 120},
        {"reduced.jpg", 161, 120, 320, 240},
        {"reduced.jpg", 0, 0, 640, 480},
        {"reduced.png", 160, 120, 640, 480},
    };
    for (const Case& c : cases) {
        const std::string path = folder + "/" + c.name;
        ASSERT_TRUE(imexp::WritePicture(path, source));
        MemoryPicture read;
        ASSERT_TRUE(imexp::ReadPictureAtLeast(path, read, c.minWidth, c.minHeight));
        EXPECT_EQ(read.width, c.width) << c.name << " " << c.minWidth;
        EXPECT_EQ(read.height, c.height) << c.name << " " << c.minWidth;
    }
}
