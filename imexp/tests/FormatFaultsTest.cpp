// Files that other programs write and that once went wrong here: chunks that
// declare more than they hold, progress on interlaced files, and the pixel
// limit given in the environment.
#include <gtest/gtest.h>

#include "MemoryPicture.h"
#include "imexp/ImExp.h"
#include "platform/tests/TestFolder.h"

#include <sys/resource.h>
#include <zlib.h>

namespace {

void PutChunk(std::string& png, const char* type, const std::string& data, uint32_t declared)
{
    const uint8_t length[4] = {uint8_t(declared >> 24), uint8_t(declared >> 16), uint8_t(declared >> 8),
                               uint8_t(declared)};
    png.append(reinterpret_cast<const char*>(length), 4);
    const std::string body = type + data;
    png += body;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()));
    for (int shift = 24; shift >= 0; shift -= 8)
        png += char(uint8_t(crc >> shift));
}

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(PngReader, AChunkDeclaringGigabytesCostsNothing)
{
    // A one-pixel grey picture whose text chunk says it holds 2 GB.
    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", std::string("\0\0\0\1\0\0\0\1\x08\0\0\0\0", 13), 13);
    PutChunk(png, "tEXt", "Comment", 0x7FFFFFF0u);
    const long before = PeakKilobytes();
    MemoryPicture picture;
    const imexp::Status status = imexp::ReadPictureFromMemory(
        std::span(reinterpret_cast<const uint8_t*>(png.data()), png.size()), picture);
    EXPECT_FALSE(status);
    EXPECT_NE(status.error.find("cut short"), std::string::npos) << status.error;
    EXPECT_LT(PeakKilobytes() - before, 64 * 1024) << "kilobytes more at the peak";
}

class Steps : public CProgress {
public:
    void Start() override {}
    void End() override {}
    int Step(int32_t done, int32_t total) override
    {
        steps.push_back(double(done) / total);
        return 1;
    }
    std::vector<double> steps;
};

TEST(PngReader, ProgressOfAnInterlacedFileNeverGoesBack)
{
    TestFolder folder;
    std::string ppm = "P6\n40 300\n255\n";
    for (int i = 0; i < 40 * 300; ++i)
        ppm += {char(i), char(i / 40), char(7)};
    TestFolder::Write(folder / "in.ppm", ppm);
    ASSERT_EQ(std::system(("pnmtopng -interlace " + folder / "in.ppm" + " > " + folder / "in.png").c_str()), 0);
    MemoryPicture picture;
    Steps progress;
    ASSERT_TRUE(imexp::ReadPicture(folder / "in.png", picture, &progress));
    ASSERT_FALSE(progress.steps.empty());
    for (size_t i = 1; i < progress.steps.size(); ++i)
        ASSERT_GE(progress.steps[i], progress.steps[i - 1]) << "step " << i;
    EXPECT_DOUBLE_EQ(progress.steps.back(), 1.0);
}

TEST(TiffReader, AbsurdSampleSizesAreRefusedAtOnce)
{
    // A 12 x 9 picture of 65533-bit samples, found by fuzzing: its line
    // alone would take gigabytes.
    const uint8_t tiff[] = {
        0x49, 0x49, 0x2a, 0x00, 0x20, 0x00, 0x00, 0x00, 0x01, 0xff, 0xf0, 0x01, 0xff, 0xf0, 0x01, 0xff,
        0xf0, 0x01, 0xff, 0x50, 0x01, 0x74, 0x10, 0x01, 0x1a, 0x00, 0xff, 0x00, 0xff, 0x00, 0xff, 0x00,
        0x0d, 0x00, 0x00, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x0c, 0x00, 0x00, 0x00, 0x01, 0x01,
        0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00, 0x02, 0x01, 0x03, 0x00, 0x01, 0x00,
        0x00, 0x00, 0xfd, 0xff, 0x00, 0x00, 0x03, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x05, 0x80,
        0x00, 0x00, 0x06, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x0a, 0x01,
        0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x11, 0x01, 0x04, 0x00, 0x01, 0x00,
        0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x12, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00,
        0x00, 0x00, 0x15, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0xfb, 0x09, 0x00, 0x16, 0x01,
        0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00, 0x17, 0x01, 0x04, 0x00, 0x01, 0x00,
        0x00, 0x00, 0x18, 0x00, 0x00, 0x00, 0x1c, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00,
        0x00, 0x00, 0x29, 0x01, 0x03, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
        0x00, 0x00,
    };
    MemoryPicture picture;
    const imexp::Status status = imexp::ReadPictureFromMemory(tiff, picture);
    EXPECT_FALSE(status);
    EXPECT_NE(status.error.find("not supported"), std::string::npos) << status.error;
}

TEST(PixelLimit, OnlyAPlainPositiveNumberIsALimit)
{
    const struct {
        const char* text;
        std::optional<uint64_t> limit;
    } cases[] = {
        {"20000", 20000},  {"1", 1},       {"18446744073709551615", UINT64_MAX},
        {"-1", {}},        {"0", {}},      {"1e6", {}},
        {"20000x", {}},    {" 5", {}},     {"", {}},
        {"18446744073709551616", {}},      {"+5", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(imexp::ParsePixelLimit(c.text), c.limit) << '"' << c.text << '"';
}

} // namespace

namespace {

struct AskerOff {
    ~AskerOff() { imexp::SetSaveOptionsAsker(nullptr); }
};

} // namespace

TEST(SaveOptions, TheProgramIsAskedWhenTheFlagSaysSo)
{
    AskerOff off;
    TestFolder folder;
    const MemoryPicture picture(64, 48, WA_RGB24);
    std::vector<imexp::Format> asked;
    int quality = 20;
    imexp::SetSaveOptionsAsker([&](imexp::Format format, imexp::WriteOptions& options) {
        asked.push_back(format);
        options.jpegQuality = quality;
        options.tiffCompression = "none";
        return quality > 0;
    });
    const auto save = [&](const std::string& name, int flag, std::string& options) {
        std::string file = folder / name;
        char* block = nullptr;
        const int ok = ImExp_WriteFile(&picture, nullptr, file.data(), nullptr, nullptr, &block, flag);
        options = block ? block : "";
        return ok;
    };
    std::string options;
    // Without the flag nobody is asked; BMP has no options to ask for.
    ASSERT_TRUE(save("quiet.jpg", 0, options));
    ASSERT_TRUE(save("plain.bmp", 1, options));
    EXPECT_TRUE(asked.empty());
    // The answer is written and handed back as the picture's options.
    ASSERT_TRUE(save("asked.jpg", 1, options));
    EXPECT_EQ(options, "quality=20 compression=none");
    EXPECT_LT(TestFolder::Read(folder / "asked.jpg").size(), TestFolder::Read(folder / "quiet.jpg").size());
    ASSERT_TRUE(save("asked.tif", 1, options));
    EXPECT_EQ(asked, (std::vector<imexp::Format>{imexp::Format::Jpeg, imexp::Format::Tiff}));
    // Cancel: nothing is written, and the failure says it was the user's.
    quality = 0;
    EXPECT_FALSE(save("cancelled.jpg", 1, options));
    EXPECT_TRUE(ImExp_LastErrorIsCancel());
    EXPECT_EQ(folder.Count(), 4u);
}
