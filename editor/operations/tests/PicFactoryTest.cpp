// The frame and mat catalogue: the walk of the folders, the tint of a mat,
// how a piece is turned and shaded for each side and light, how pixels are
// classed, that the sides are tiled exactly and the whole band is painted
// for every option, and that missing or damaged pictures are refused.
#include "editor/operations/FrameGeometry.h"
#include "editor/operations/PicFactory.h"

#include "FrameFixture.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Names = std::vector<std::string>;

uint32_t Flat(int32_t, int32_t) { return 0x808080; }

// Distinct bytes for every pixel of a small picture.
uint32_t Numbered(int32_t x, int32_t y) { return uint32_t(10 * y + x) * 0x010101u; }

}  // namespace

TEST(PicFactory, CatalogueWalksStylesDepthFirstAndListsMats)
{
    FrameFixture f;
    EXPECT_EQ(CPicFactory(f.Root()).StyleNames(), Names{"None"});
    EXPECT_TRUE(CPicFactory(f.Root()).MatNames().empty());

    const FramePicture p = FrameFixture::Picture(4, 4, Flat);
    f.Write("Frame/Frame/Loose.bmp", p);
    f.Write("Frame/Frame/Wood/Oak.bmp", p);
    f.Write("Frame/Frame/Wood/Ash.bmp", p);
    f.Write("Frame/Frame/Metal/Dark/Iron.bmp", p);
    f.Write("Frame/Frame/Metal/Silver.bmp", p);
    f.Write("Frame/Mat/Linen.bmp", p);
    f.Write("Frame/Mat/Cream.bmp", p);
    std::filesystem::create_directories(std::filesystem::path(f.Root()) / "Frame/Mat/Folder");

    const CPicFactory catalogue(f.Root());
    EXPECT_EQ(catalogue.StyleNames(), (Names{"None", "Metal", "Dark", "Wood"}));
    // A file goes to the style appended last: Silver comes after Dark's walk.
    const std::vector<Names> bitmaps{{"Loose"}, {}, {"Iron", "Silver"}, {"Ash", "Oak"}};
    EXPECT_EQ(catalogue.BitmapNames(), bitmaps);
    EXPECT_EQ(catalogue.MatNames(), (Names{"Cream", "Linen"}));
    EXPECT_TRUE(catalogue.LoadFramePiece("Oak", 0, 0, 0).has_value());
    EXPECT_TRUE(catalogue.LoadFramePiece("Iron", 0, 0, 0).has_value());
    EXPECT_FALSE(catalogue.LoadFramePiece("Elm", 0, 0, 0).has_value());
    EXPECT_FALSE(catalogue.LoadMat("Silk", 0).has_value());
}

TEST(PicFactory, MatIsTintedByItsGreyLevel)
{
    FrameFixture f;
    f.Write("Frame/Mat/M.bmp", FrameFixture::Picture(2, 2, [](int32_t x, int32_t) { return x ? 0u : 0xFFFFFFu; }));
    // Colour word: blue 0xFF, green 0x80, red 0x40.
    const std::optional<FramePicture> mat = CPicFactory(f.Root()).LoadMat("M", 0x00FF8040u);
    ASSERT_TRUE(mat);
    const uint8_t* white = mat->Pixel(0, 0);
    EXPECT_EQ((std::vector<int>{white[0], white[1], white[2]}), (std::vector<int>{255, 128, 64}));
    const uint8_t* black = mat->Pixel(1, 0);  // grey 0 counts as 1
    EXPECT_EQ((std::vector<int>{black[0], black[1], black[2]}), (std::vector<int>{1, 1, 0}));
}

TEST(PicFactory, BevelProfiles)
{
    struct Case {
        int32_t profile, n;
        std::vector<int32_t> d;
    };
    const Case cases[] = {
        {0, 12, {-80, -80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 80}},
        {1, 12, {-40, -40, -80, 80, -80, -40, 0, 40, -80, -80, 80, 40}},
        {2, 10, {-80, -64, -48, -32, -16, 0, 16, 32, 48, 64}},
        {5, 3, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        std::vector<int32_t> d;
        for (int32_t t = 0; t < c.n; ++t)
            d.push_back(BevelOffset(c.profile, t, c.n));
        EXPECT_EQ(d, c.d) << "profile " << c.profile;
    }
}

TEST(PicFactory, PiecesAreTurnedPerSide)
{
    FrameFixture f;
    f.Write("Frame/Frame/S/P.bmp", FrameFixture::Picture(3, 3, Numbered));
    const CPicFactory catalogue(f.Root());
    // Stored pixel (column c, row r) lands at these (column, row) per side.
    struct Case {
        int32_t side;
        int32_t c, r, x, y;
    };
    for (const Case k : {Case{0, 2, 0, 2, 0}, Case{1, 2, 0, 0, 2}, Case{2, 2, 0, 2, 2}, Case{3, 2, 0, 2, 2},
                         Case{3, 0, 1, 1, 0}}) {
        const std::optional<FramePicture> piece = catalogue.LoadFramePiece("P", k.side, 0, 3);  // 3: no shading
        ASSERT_TRUE(piece);
        EXPECT_EQ(piece->Pixel(k.x, k.y)[0], Numbered(k.c, k.r) & 0xFF) << "side " << k.side;
    }
}

TEST(PicFactory, BevelRunsAcrossEachSideTowardTheLight)
{
    FrameFixture f;
    f.Write("Frame/Frame/S/P.bmp", FrameFixture::Picture(10, 10, Flat));
    const CPicFactory catalogue(f.Root());
    // Per side: whether the shade runs across rows, and the lights for which
    // it counts from the first row or column (else from the last).
    struct Case {
        int32_t side;
        bool rows;
        std::set<int32_t> forward;
    };
    for (const Case& k : {Case{0, true, {0, 1, 4}}, Case{1, false, {1, 2}}, Case{2, true, {0, 1}},
                          Case{3, false, {1, 2, 4}}})
        for (int32_t light = 0; light < 5; ++light) {
            const std::optional<FramePicture> piece = catalogue.LoadFramePiece("P", k.side, light, 2);
            ASSERT_TRUE(piece);
            for (int32_t t = 0; t < 10; ++t) {
                const int32_t u = k.forward.count(light) ? t : 9 - t;
                const uint8_t* p = k.rows ? piece->Pixel(3, t) : piece->Pixel(t, 3);
                ASSERT_EQ(p[1], 128 + BevelOffset(2, u, 10)) << "side " << k.side << " light " << light;
            }
        }
}

TEST(PicFactory, TilingFillsEverySideExactly)
{
    const FrameTiling example = FrameTiling::For(10, 4);
    EXPECT_EQ(example.tile, 5);
    EXPECT_EQ(example.widening, 14);  // two tiles of 5, none widened
    for (int32_t F = 1; F <= 9; ++F)
        for (int32_t L = F; L <= 60; ++L) {
            const FrameTiling t = FrameTiling::For(L, F);
            ASSERT_GE(t.tile, F);
            ASSERT_GE(t.widening, F);
            ASSERT_LE(t.widening, F + L);
            ASSERT_EQ((t.widening - F) % t.tile, 0) << L << " " << F;
            ASSERT_EQ((F + L - t.widening) % (t.tile + 1), 0) << L << " " << F;
            // Every tile shows the whole piece from its first column to its last.
            const int32_t size = F;
            for (int32_t p = F; p < F + L; ++p) {
                const bool first = p == F || (p < t.widening ? (p - F) % t.tile == 0 : (p - t.widening) % (t.tile + 1) == 0);
                const bool last = p + 1 == F + L || p + 1 == t.widening ||
                                  (p < t.widening ? (p + 1 - F) % t.tile == 0 : (p + 1 - t.widening) % (t.tile + 1) == 0);
                if (first) {
                    ASSERT_EQ(t.PieceOffset(p, F, size), 0);
                }
                if (last) {
                    ASSERT_EQ(t.PieceOffset(p, F, size), size - 1);
                }
            }
        }
}

TEST(PicFactory, PixelsAreClassedIntoCornersSidesMatAndInside)
{
    using K = FramePixelClass;
    const int32_t W = 40, H = 30, F = 4, M = 3, E = F + M;
    struct Case {
        int32_t x, y;
        FramePixelClass c;
    };
    const Case cases[] = {
        {1, 2, {K::Corner, kSideLeft}},      // below the diagonal of the first corner
        {2, 1, {K::Corner, kSideTop}},
        {W - 2, 1, {K::Corner, kSideTop}},
        {W - 1, 1, {K::Corner, kSideRight}},  // x >= W - y
        {20, 0, {K::Side, kSideTop}},
        {0, 15, {K::Side, kSideLeft}},
        {W - 1, 15, {K::Side, kSideRight}},
        {20, H - 1, {K::Side, kSideBottom}},
        {0, H - 1, {K::Corner, kSideLeft}},
        {1, H - 1, {K::Corner, kSideBottom}},
        {W - 2, H - 1, {K::Corner, kSideBottom}},
        {W - 1, H - 1, {K::Corner, kSideRight}},
        {E - 1, 15, {K::Mat}},
        {E, 15, {K::Inside}},
        {W - E, 15, {K::Inside}},
        {W - E + 1, 15, {K::Mat}},
        {20, F, {K::Mat}},
        {20, H - E, {K::Inside}},
        {20, H - F - 1, {K::Mat}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyFramePixel(c.x, c.y, W, H, F, M), c.c) << c.x << "," << c.y;

    // The left and top mat bands are M wide, the right and bottom M - 1.
    int32_t left = 0, right = 0, top = 0, bottom = 0;
    for (int32_t x = 0; x < W; ++x)
        if (ClassifyFramePixel(x, 15, W, H, F, M).kind == K::Mat)
            ++(x < W / 2 ? left : right);
    for (int32_t y = 0; y < H; ++y)
        if (ClassifyFramePixel(20, y, W, H, F, M).kind == K::Mat)
            ++(y < H / 2 ? top : bottom);
    EXPECT_EQ((std::vector<int32_t>{left, right, top, bottom}), (std::vector<int32_t>{M, M - 1, M, M - 1}));
}

TEST(PicFactory, PaintsTheWholeBandForEveryOption)
{
    FrameFixture f;
    f.Write("Frame/Frame/S/P.bmp", FrameFixture::Picture(16, 16, [](int32_t x, int32_t y) { return uint32_t(x * 9 + y * 5 + 40) * 0x010203u; }));
    f.Write("Frame/Mat/M.bmp", FrameFixture::Picture(5, 7, [](int32_t x, int32_t y) { return uint32_t(180 + x + y) * 0x010101u; }));
    CPicFactory catalogue(f.Root());
    const int32_t W = 53, H = 41;
    for (const bool grey : {false, true})
        for (const int32_t F : {0, 5, 7})
            for (const int32_t M : {0, 3})
                for (int32_t light = 0; light < 5; ++light)
                    for (int32_t profile = 0; profile < 3; ++profile) {
                        const int fits = catalogue.PrepareFrame(grey, W, H, 0x00C0A080u, F, M, light, profile, "P", "M");
                        ASSERT_EQ(fits, 2 * (F + M) < H ? 1 : 0);
                        ASSERT_TRUE(catalogue.HasAllPictures());
                        const int32_t bytes = grey ? 1 : 3;
                        for (int32_t y = 0; y < H; ++y) {
                            // A pixel painted over both 0 and 255 was painted.
                            std::vector<uint8_t> low(size_t(W * bytes), 0), high(size_t(W * bytes), 255);
                            catalogue.RenderRow(low.data(), y);
                            catalogue.RenderRow(high.data(), y);
                            for (int32_t x = 0; x < W; ++x) {
                                const bool inside = ClassifyFramePixel(x, y, W, H, F, M).kind == FramePixelClass::Inside;
                                const bool painted = low[size_t(x * bytes)] == high[size_t(x * bytes)];
                                ASSERT_EQ(painted, !inside) << x << "," << y << " F " << F << " M " << M;
                            }
                        }
                    }
    catalogue.RenderRow(nullptr, 0);
}

TEST(PicFactory, MatEdgeIsLitOrShadedByTheLight)
{
    FrameFixture f;
    f.Write("Frame/Mat/M.bmp", FrameFixture::Picture(4, 4, [](int32_t, int32_t) { return 0x808080u; }));
    CPicFactory catalogue(f.Root());
    const int32_t W = 40, H = 40, M = 8;
    std::vector<uint8_t> row(W);
    // Row M - 1 touches the inside along the first edge: lit by one step,
    // except for lights 2 and 3, which put it in shadow by four.
    for (int32_t light = 0; light < 5; ++light) {
        catalogue.PrepareFrame(true, W, H, 0x00FFFFFFu, 0, M, light, 0, "", "M");
        catalogue.RenderRow(row.data(), M - 1);
        const int32_t steps = light == 2 || light == 3 ? -4 : 1;
        EXPECT_EQ(row[20], 128 + 32 * steps) << "light " << light;
        catalogue.RenderRow(row.data(), 2);
        EXPECT_EQ(row[20], 128);  // away from the edge: the mat itself
    }
}

TEST(PicFactory, MissingOrDamagedPicturesAreRefused)
{
    FrameFixture f;
    const FramePicture square = FrameFixture::Picture(8, 8, Flat);
    const std::vector<uint8_t> good = EncodeFramePicture(square);
    f.Write("Frame/Frame/S/Good.bmp", square);
    f.Write("Frame/Frame/S/Wide.bmp", FrameFixture::Picture(8, 4, Flat));
    f.WriteBytes("Frame/Frame/S/Cut.bmp", std::vector<uint8_t>(good.begin(), good.end() - 10));
    f.WriteBytes("Frame/Frame/S/Junk.bmp", std::vector<uint8_t>(100, 0x42));
    f.WriteBytes("Frame/Mat/Empty.bmp", {});
    std::filesystem::create_directories(std::filesystem::path(f.Root()) / "Frame/Frame/S/Gone.bmp");
    CPicFactory catalogue(f.Root());
    for (const char* name : {"Wide", "Cut", "Junk", "Nothing"})
        EXPECT_FALSE(catalogue.LoadFramePiece(name, 0, 0, 0).has_value()) << name;
    EXPECT_FALSE(catalogue.LoadMat("Empty", 0).has_value());

    // Every truncation of a good file is refused without reading past it.
    for (size_t n = 0; n < good.size(); ++n)
        ASSERT_FALSE(DecodeFramePicture(std::span(good.data(), n)).has_value()) << n;
    EXPECT_TRUE(DecodeFramePicture(good).has_value());

    // A frame whose picture is damaged paints none of its pixels.
    const int32_t W = 30, H = 30;
    catalogue.PrepareFrame(false, W, H, 0, 4, 2, 0, 0, "Cut", "Empty");
    EXPECT_FALSE(catalogue.HasAllPictures());
    std::vector<uint8_t> row(size_t(3 * W), 7);
    for (int32_t y = 0; y < H; ++y)
        catalogue.RenderRow(row.data(), y);
    EXPECT_EQ(row, std::vector<uint8_t>(size_t(3 * W), 7));
}

TEST(PicFactory, PicturesThatComeWithTheProgramOfferRealChoices)
{
    const CPicFactory catalogue(QN_PROGRAM_FOLDER);
    ASSERT_GE(catalogue.StyleNames().size(), 4u);
    for (size_t i = 1; i < catalogue.StyleNames().size(); ++i) {
        const Names& bitmaps = catalogue.BitmapNames()[i];
        EXPECT_GE(bitmaps.size(), 2u) << catalogue.StyleNames()[i];
        for (const std::string& name : bitmaps)
            for (int32_t side = 0; side < 4; ++side)
                ASSERT_TRUE(catalogue.LoadFramePiece(name, side, 4, 1).has_value()) << name;
    }
    ASSERT_GE(catalogue.MatNames().size(), 2u);
    for (const std::string& name : catalogue.MatNames())
        EXPECT_TRUE(catalogue.LoadMat(name, 0x00FFFFFFu).has_value()) << name;
}

TEST(PicFactory, FramesWiderThanTheResultStayInsideThePictures)
{
    FrameFixture f;
    f.Write("Frame/Frame/S/P.bmp", FrameFixture::Picture(6, 6, Numbered));
    f.Write("Frame/Mat/M.bmp", FrameFixture::Picture(3, 2, Flat));
    CPicFactory catalogue(f.Root());
    for (int32_t W = 1; W <= 12; W += 3)
        for (int32_t H = 1; H <= 12; H += 4)
            for (int32_t F = 0; F <= 9; F += 3)
                for (int32_t M = 0; M <= 4; M += 2) {
                    EXPECT_EQ(catalogue.PrepareFrame(false, W, H, 0x00FFFFFFu, F, M, 4, 1, "P", "M"),
                              2 * (F + M) < W && 2 * (F + M) < H ? 1 : 0);
                    std::vector<uint8_t> row(size_t(3 * W));
                    for (int32_t y = 0; y < H; ++y)
                        catalogue.RenderRow(row.data(), y);
                }
}
