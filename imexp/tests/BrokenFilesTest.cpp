// Damaged files of every format: cut short at many places, with header
// bytes flipped, with absurd sizes, and a decompression bomb. Each gives an
// error text and no picture; none may crash, hang or allocate without bound
// (the suite also runs under AddressSanitizer).
#include <gtest/gtest.h>

#include "MemoryPicture.h"
#include "imexp/ImExp.h"
#include "platform/tests/TestFolder.h"

#include <cstdlib>
#include <cstring>
#include <random>
#include <zlib.h>

namespace {

using Bytes = std::vector<uint8_t>;

struct Sample {
    const char* name;
    const char* file;     // our writer picks the format from the name
    int type;
    const char* options;
    const char* convert;  // or made by ImageMagick from our BMP
    size_t keepAtEnd;     // trailing bytes a reader may do without
};

const Sample kSamples[] = {
    {"bmp24", "s.bmp", WA_RGB24, "", nullptr, 0},
    {"bmp8", "s.bmp", WA_8BIT, "", nullptr, 0},
    {"bmp1", "s.bmp", WA_1BIT, "", nullptr, 1},                   // the last row's padding
    {"bmpRle8", "s.bmp", WA_8BIT, "", "-compress RLE BMP3:", 2},  // end of picture after the last row
    {"jpg", "s.jpg", WA_RGB24, "", nullptr, 0},
    {"jpgProgressive", "s.bmp", WA_RGB24, "", "-interlace Plane JPEG:", 0},
    {"png", "s.png", WA_4BIT, "", nullptr, 0},
    {"pngInterlaced", "s.bmp", WA_RGB24, "", "-interlace PNG PNG:", 0},
    {"tifLzw", "s.tif", WA_RGB24, "compression=lzw", nullptr, 0},
    {"tifJpeg", "s.tif", WA_GRAY, "compression=jpeg", nullptr, 0},
    {"tifPackBits", "s.tif", WA_1BIT, "compression=packbits", nullptr, 0},
    {"gif", "s.bmp", WA_8BIT, "", "GIF:", 1},  // the trailer after the first frame
};

Bytes Make(const Sample& s, const TestFolder& folder)
{
    const std::string path = folder / s.file;
    EXPECT_TRUE(imexp::WritePicture(path, MemoryPicture(24, 16, s.type), imexp::WriteOptions::FromText(s.options)));
    std::string made = path;
    if (s.convert) {
        made = folder / "converted";
        EXPECT_EQ(std::system(("convert " + path + " " + s.convert + made).c_str()), 0);
    }
    const std::string text = TestFolder::Read(made);
    return Bytes(text.begin(), text.end());
}

imexp::Status Read(const Bytes& bytes)
{
    MemoryPicture picture;
    return imexp::ReadPictureFromMemory(bytes, picture);
}

class Broken : public testing::TestWithParam<Sample> {};

TEST_P(Broken, EveryCutIsAnError)
{
    TestFolder folder;
    const Bytes good = Make(GetParam(), folder);
    ASSERT_TRUE(Read(good));
    const size_t end = good.size() - GetParam().keepAtEnd;
    std::vector<size_t> cuts;
    for (size_t at = 0; at < std::min<size_t>(end, 80); ++at)
        cuts.push_back(at);
    for (size_t i = 1; i <= 60; ++i)
        cuts.push_back(end * i / 61);
    cuts.push_back(end - 1);
    for (size_t at : cuts) {
        const imexp::Status status = Read(Bytes(good.begin(), good.begin() + std::ptrdiff_t(at)));
        EXPECT_FALSE(status) << "cut at " << at << " of " << good.size();
        EXPECT_FALSE(status.error.empty());
    }
}

TEST_P(Broken, FlippedBytesNeverCrash)
{
    TestFolder folder;
    const Bytes good = Make(GetParam(), folder);
    std::mt19937 random(7);
    std::vector<size_t> spots;
    for (size_t at = 0; at < std::min<size_t>(good.size(), 120); ++at)
        spots.push_back(at);
    for (int i = 0; i < 80; ++i)
        spots.push_back(random() % good.size());
    for (size_t at : spots) {
        for (uint8_t mask : {uint8_t(0xFF), uint8_t(0x80), uint8_t(0x01)}) {
            Bytes bad = good;
            bad[at] ^= mask;
            const imexp::Status status = Read(bad);
            EXPECT_TRUE(status || !status.error.empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, Broken, testing::ValuesIn(kSamples),
                         [](const auto& info) { return std::string(info.param.name); });

void PutBE32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (24 - 8 * i));
}

// A PNG chunk with its length and CRC.
void AppendChunk(Bytes& png, const char* type, const Bytes& data)
{
    uint8_t head[8];
    PutBE32(head, uint32_t(data.size()));
    std::memcpy(head + 4, type, 4);
    png.insert(png.end(), head, head + 8);
    png.insert(png.end(), data.begin(), data.end());
    uLong crc = crc32(0, head + 4, 4);
    crc = crc32(crc, data.data(), uInt(data.size()));
    uint8_t tail[4];
    PutBE32(tail, uint32_t(crc));
    png.insert(png.end(), tail, tail + 4);
}

Bytes PngOfSize(uint32_t width, uint32_t height, const Bytes& idat)
{
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes ihdr(13, 0);
    PutBE32(ihdr.data(), width);
    PutBE32(ihdr.data() + 4, height);
    ihdr[8] = 8;  // 8-bit grey
    AppendChunk(png, "IHDR", ihdr);
    AppendChunk(png, "IDAT", idat);
    AppendChunk(png, "IEND", {});
    return png;
}

TEST(Broken, AbsurdSizesAreRefusedBeforeAnythingIsMade)
{
    TestFolder folder;
    const auto expectTooLarge = [](const Bytes& bytes, const char* what) {
        MemoryPicture picture;
        const imexp::Status status = imexp::ReadPictureFromMemory(bytes, picture);
        EXPECT_FALSE(status) << what;
        EXPECT_NE(status.error.find("too large"), std::string::npos) << what << ": " << status.error;
        EXPECT_TRUE(picture.calls.empty()) << what;
    };
    Bytes bmp = Make(kSamples[0], folder);
    bmp[21] = 0x7F;  // width 0x7F000018
    expectTooLarge(bmp, "BMP width");
    bmp = Make(kSamples[0], folder);
    bmp[24] = 0x01;  // height 16 + 2^16... still small: make it huge instead
    bmp[25] = 0x40;
    expectTooLarge(bmp, "BMP height");

    expectTooLarge(PngOfSize(100000, 100000, {}), "PNG");

    Bytes jpg = Make(kSamples[4], folder);
    for (size_t i = 2; i + 8 < jpg.size(); ++i) {
        if (jpg[i] == 0xFF && jpg[i + 1] == 0xC0) {
            jpg[i + 5] = jpg[i + 7] = 0xEA;  // 60000 x 60000
            jpg[i + 6] = jpg[i + 8] = 0x60;
            break;
        }
    }
    expectTooLarge(jpg, "JPEG");

    Bytes gif = Make(kSamples[11], folder);
    for (size_t i = 13; i + 9 < gif.size(); ++i) {
        if (gif[i] == 0x2C && gif[i + 5] == 24 && gif[i + 7] == 16) {  // the image descriptor
            gif[i + 5] = gif[i + 6] = gif[i + 7] = gif[i + 8] = 0xFF;
            break;
        }
    }
    expectTooLarge(gif, "GIF");

    // TIFF: the width entry (tag 256) of the first directory; the height
    // stays, so the strip table still matches what the header promises.
    Bytes tif = Make(kSamples[8], folder);
    const uint32_t ifd = tif[4] | tif[5] << 8 | tif[6] << 16 | uint32_t(tif[7]) << 24;
    const unsigned entries = tif[ifd] | tif[ifd + 1] << 8;
    for (unsigned e = 0; e < entries; ++e) {
        uint8_t* entry = tif.data() + ifd + 2 + 12 * e;
        if ((entry[0] | entry[1] << 8) == 256) {
            entry[2] = 4;  // LONG
            entry[8] = entry[9] = entry[10] = 0xFF;
            entry[11] = 0x7F;
        }
    }
    expectTooLarge(tif, "TIFF");
}

TEST(Broken, AStripShorterThanItsRowsIsAnError)
{
    // Uncompressed strips of 29 rows whose byte counts say 100 bytes less,
    // each strip followed by the next: read from memory and from the file.
    // (libtiff itself corrects a single strip, or a first two that differ.)
    TestFolder folder;
    const std::string path = folder / "short.tif";
    const MemoryPicture original(3000, 90, WA_RGB24);
    ASSERT_TRUE(imexp::WritePicture(path, original, imexp::WriteOptions::FromText("compression=none")));
    const std::string text = TestFolder::Read(path);
    Bytes tif(text.begin(), text.end());
    const auto u32 = [&](size_t at) {
        return tif[at] | tif[at + 1] << 8 | tif[at + 2] << 16 | uint32_t(tif[at + 3]) << 24;
    };
    const uint32_t ifd = u32(4);
    const unsigned entries = tif[ifd] | tif[ifd + 1] << 8;
    bool patched = false;
    for (unsigned e = 0; e < entries; ++e) {
        const size_t entry = ifd + 2 + 12 * e;
        if ((tif[entry] | tif[entry + 1] << 8) == 279 && (tif[entry + 2] | tif[entry + 3] << 8) == 4) {
            ASSERT_EQ(u32(entry + 4), 4u);  // StripByteCounts: 4 LONGs behind the entry
            for (uint32_t strip = 0, at = u32(entry + 8); strip < 3; ++strip, at += 4) {
                ASSERT_EQ(u32(at), 29u * 3 * 3000);
                const uint32_t shorter = 29u * 3 * 3000 - 100;
                for (int i = 0; i < 4; ++i)
                    tif[at + size_t(i)] = uint8_t(shorter >> (8 * i));
            }
            patched = true;
        }
    }
    ASSERT_TRUE(patched);
    TestFolder::Write(path, std::string(tif.begin(), tif.end()));
    EXPECT_FALSE(Read(tif));
    MemoryPicture picture;
    const imexp::Status fromFile = imexp::ReadPicture(path, picture);
    EXPECT_FALSE(fromFile);
    EXPECT_NE(fromFile.error.find("damaged"), std::string::npos) << fromFile.error;
}

TEST(Broken, DecompressionBombIsRefused)
{
    // 30000 x 30000 grey pixels of 0 deflate to well under a megabyte.
    const uint32_t side = 30000;
    z_stream z{};
    ASSERT_EQ(deflateInit(&z, 9), Z_OK);
    Bytes row(side + 1, 0), idat(1 << 20);
    z.next_out = idat.data();
    z.avail_out = uInt(idat.size());
    for (uint32_t y = 0; y < 2000; ++y) {  // enough to be a real stream; the rest is missing
        z.next_in = row.data();
        z.avail_in = uInt(row.size());
        ASSERT_EQ(deflate(&z, Z_NO_FLUSH), Z_OK);
    }
    deflate(&z, Z_FINISH);
    idat.resize(z.total_out);
    deflateEnd(&z);
    MemoryPicture picture;
    const imexp::Status status = imexp::ReadPictureFromMemory(PngOfSize(side, side, idat), picture);
    EXPECT_FALSE(status);
    EXPECT_NE(status.error.find("too large"), std::string::npos) << status.error;

    // Within the limit, the same stream cut short is an error, not a picture
    // of made-up rows.
    const imexp::Status cut = imexp::ReadPictureFromMemory(PngOfSize(side, 4000, idat), picture);
    EXPECT_FALSE(cut);
}

} // namespace
