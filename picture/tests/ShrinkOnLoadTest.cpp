// Pictures opened shrunk: the reduction an area asks for; the picture's
// size, type and palette known at once while its full pixels wait; every
// reader and writer of pixels decoding them first and seeing what a whole
// read gives; files that are not shrunk; damaged files refused at the open.
#include "PictureTestSupport.h"
#include "ShrunkJpeg.h"

#include "picture/PictureFileExcept.h"
#include "platform/tests/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using pictest::RenderRect;
using pictest::StoredForm;
using shrunktest::OpenShrunk;
using shrunktest::ReadWhole;
using shrunktest::WriteJpeg;

namespace {

// A grey picture as smooth as PhotoLike.
PpQnPicture GreyPhotoLike(int32_t width, int32_t height)
{
    PpQnPicture picture(width, height, WA_GRAY, nullptr);
    std::vector<uint8_t> line(static_cast<size_t>(width));
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x)
            line[size_t(x)] = uint8_t((x + y) / 3 % 256);
        picture->WriteToRow(0, y, QnRange{0, width}, line.data());
    }
    return picture;
}

// stem, n and ".jpg" (built step by step: g++ 12 warns wrongly about a sum).
std::string JpegName(const char* stem, int n)
{
    std::string name = stem;
    name += std::to_string(n);
    name += ".jpg";
    return name;
}

std::vector<uint8_t> Rows(const PpQnPicture& picture)
{
    const size_t rowBytes = (size_t(picture->GetWidth()) * size_t(picture->GetBytesPerPixel()) + 3) / 4 * 4;
    std::vector<uint8_t> all(rowBytes * size_t(picture->GetHeight()));
    for (int32_t row = 0; row < picture->GetHeight(); ++row)
        picture->GetRow(0, 0, row, all.data() + rowBytes * size_t(row));
    return all;
}

class ShrinkOnLoad : public ::testing::Test {
protected:
    // A copy of the picture's JPEG under a name of its own: a file once
    // opened stays bound to its picture.
    std::string Copy(const std::string& path)
    {
        const std::string copy = folder / JpegName("copy", ++copies);
        std::filesystem::copy_file(path, copy);
        return copy;
    }

    TestFolder folder;
    int copies = 0;
};

} // namespace

TEST(ShrinkOnLoadArea, ReducesByThePowerOfTwoTheFitReducesByAtLeast)
{
    struct Case {
        int32_t areaW, areaH, width, height, by;
    };
    const Case cases[] = {
        {1920, 1080, 6000, 4000, 4}, // the fit reduces by 4
        {1920, 1080, 1920, 1080, 1}, // fits as it is
        {1920, 1080, 1921, 100, 2},  // one column too wide
        {1920, 1080, 5000, 2200, 2}, // a fit by 3 is served by 2
        {1920, 1080, 100, 3300, 4},  // the height decides
        {1920, 1080, 40000, 500, 8}, // never more than 8
        {0, 1080, 6000, 4000, 1},    // no area: no shrinking
    };
    for (const Case& c : cases) {
        const QnShrinkOnLoad area(c.areaW, c.areaH);
        EXPECT_EQ(QnShrinkOnLoad::ReductionFor(c.width, c.height), c.by) << c.width << "x" << c.height;
    }
    EXPECT_FALSE(QnShrinkOnLoad::Active());
}

// While the full pixels wait, everything but the pixels is known: the size,
// type, resolutions and palette of the whole read.
TEST_F(ShrinkOnLoad, KnowsThePictureBeforeItsPixels)
{
    for (const PpQnPicture& source : {shrunktest::PhotoLike(300, 200), GreyPhotoLike(300, 200)}) {
        SCOPED_TRACE(source->Type());
        const std::string path = folder / JpegName("p", source->Type());
        WriteJpeg(source, path);
        const PpQnPicture whole = ReadWhole(path);
        const PpQnPicture shrunk = OpenShrunk(path, 100, 100);
        ASSERT_TRUE(shrunk->PixelsPending());
        EXPECT_EQ(shrunk->GetWidth(), whole->GetWidth());
        EXPECT_EQ(shrunk->GetHeight(), whole->GetHeight());
        EXPECT_EQ(shrunk->Type(), whole->Type());
        EXPECT_EQ(shrunk->GetBytesPerPixel(), whole->GetBytesPerPixel());
        EXPECT_EQ(shrunk->GetPaletteSize(), whole->GetPaletteSize());
        EXPECT_EQ(shrunk->GetHRes(), whole->GetHRes());
        EXPECT_EQ(shrunk->GetVRes(), whole->GetVRes());
        EXPECT_TRUE(shrunk->PixelsPending());
    }
}

// Whatever first reads or writes pixels gets the full picture: the same
// bytes as a whole read, and the picture no longer waits.
TEST_F(ShrinkOnLoad, EveryUseOfPixelsDecodesTheFullPicture)
{
    const std::string path = folder / "p.jpg";
    WriteJpeg(shrunktest::PhotoLike(301, 203), path);
    const PpQnPicture whole = ReadWhole(path);
    const QnRect all{0, 0, 301, 203};
    const QnXFormXY half(QnXForm(1, 0, 2), QnXForm(1, 0, 2));
    using Use = std::function<std::vector<uint8_t>(const PpQnPicture&)>;
    const std::pair<const char*, Use> uses[] = {
        {"rows", [](const PpQnPicture& p) { return Rows(p); }},
        {"stored form", [](const PpQnPicture& p) { return StoredForm(p); }},
        {"render", [&](const PpQnPicture& p) { return RenderRect(PpQnRenderObj(p), 0, all, 3); }},
        // An operation rendering at a reduction computes with the full
        // pixels, never with the reduced copy.
        {"render at half", [&](const PpQnPicture& p) {
             return RenderRect(PpQnRenderObj(p), 0, half.XForm(all, QN_XF_SORTED), 3, half);
         }},
        {"copy", [](const PpQnPicture& p) { return Rows(PpQnPicture(p, 1)); }},
        // A resolution set while the pixels wait is not undone by them.
        {"resolution", [](const PpQnPicture& p) {
             p->SetHRes(123);
             std::vector<uint8_t> got = Rows(p);
             got.push_back(uint8_t(p->GetHRes()));
             return got;
         }},
        {"write", [](const PpQnPicture& p) {
             QnRect tile;
             const PpQnPixBuf buf = p->GetAccessToBuffer(0, QnPoint{70, 130}, &tile);
             buf->Row(0)[0] ^= 0xFF;
             return Rows(p);
         }},
    };
    for (const auto& [name, use] : uses) {
        SCOPED_TRACE(name);
        const PpQnPicture shrunk = OpenShrunk(Copy(path), 100, 100);
        ASSERT_TRUE(shrunk->PixelsPending());
        const std::vector<uint8_t> got = use(shrunk);
        EXPECT_FALSE(shrunk->PixelsPending());
        EXPECT_TRUE(got == use(PpQnPicture(whole, 1)));
    }
}

TEST_F(ShrinkOnLoad, PicturesThatNeedNoShrinkingAreReadWhole)
{
    const PpQnPicture source = shrunktest::PhotoLike(300, 200);
    const std::string jpeg = folder / "p.jpg", png = folder / "p.png";
    WriteJpeg(source, jpeg);
    ASSERT_TRUE(imexp::WritePicture(png, *source));
    struct Case {
        const char* what;
        std::string path;
        int32_t areaW, areaH;
    };
    const Case cases[] = {
        {"a JPEG that fits", jpeg, 300, 200},
        {"no area", jpeg, 0, 0},
        {"not a JPEG", png, 100, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PpQnPicture opened = OpenShrunk(Copy(c.path), c.areaW, c.areaH);
        EXPECT_FALSE(opened->PixelsPending());
        EXPECT_TRUE(Rows(opened) == Rows(ReadWhole(c.path)));
    }
}

// The reduced decode reads the whole file: a damaged JPEG fails at the
// open, with the reason a whole read gives, and nothing is bound.
TEST_F(ShrinkOnLoad, ADamagedJpegFailsAtTheOpen)
{
    const std::string path = folder / "p.jpg";
    WriteJpeg(shrunktest::PhotoLike(300, 200), path);
    std::filesystem::resize_file(path, std::filesystem::file_size(path) * 2 / 3);
    const imexp::Status whole = imexp::ReadPicture(path, *PpQnPicture::Empty());
    ASSERT_FALSE(whole);
    try {
        OpenShrunk(path, 100, 100);
        ADD_FAILURE() << "the open succeeded";
    } catch (const QnPictureFileExcept& e) {
        EXPECT_EQ(e.Reason(), whole.error);
    }
}
