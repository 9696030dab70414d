// 3D Mosaic and the four texture filters of OVARTG.8bf under the scripted
// host, every pixel against their rules worked out here: the bevelled
// tiles band by band, and the textures (read from the module's own
// resources) bent by the displacement generator.
#include "ArtFilterFixture.h"

#include "platform/Dib.h"
#include "platform/ResourceTable.h"
#include "platform/WinRand.h"

#include <cstdlib>
#include <optional>

namespace {

using ArtTileRun = ArtFilterFixture;

std::vector<int32_t> Mosaic3D(const AreaView& a, const ArtParams& p)
{
    const int32_t w = p.Param(1), h = p.Param(2), b = p.Param(3), relief = p.Param(4);
    const int32_t defect = b * p.Param(5) / 100;
    platform::WinRand rand;
    std::vector<int32_t> out(size_t(a.W() * a.H() * a.N()));
    for (int32_t top = 0; top < a.H(); top += h) {
        const int32_t rows = std::min(h, a.H() - top);
        for (int32_t left = 0; left < a.W(); left += w) {
            const int32_t tw = std::min(w, a.W() - left);
            std::vector<int32_t> avg;
            int32_t mean = 0;
            for (int32_t k = 0; k < a.N(); ++k) {
                int32_t sum = 0;
                for (int32_t y = 0; y < rows; ++y)
                    for (int32_t x = 0; x < tw; ++x)
                        sum += a.Px(left + x, top + y, k);
                avg.push_back((sum + tw * rows / 2) / (tw * rows));
                mean += avg.back();
            }
            mean /= a.N();
            const int32_t u = rand.Next() % (defect + 1) * 2 - defect;
            const int32_t v = rand.Next() % (defect + 1) * 2 - defect;
            const int32_t bl = b + u, br = b - u, bt = b + v, bb = b - v;
            const int32_t e = (mean - 64) * relief / 16, f = e / 5;
            for (int32_t r = 0; r < rows; ++r)
                for (int32_t c = 0; c < tw; ++c) {
                    int32_t shade;
                    if (c >= bl && c <= tw - br && r >= bt && r <= rows - bb)
                        shade = 0;
                    else if (c < bl && c * bt <= r * bl && (rows - r) * bl > bb * c)
                        shade = -e; // left
                    else if (r < bt && c * bt > r * bl && r * br < (tw - c) * bt)
                        shade = -e + f; // top
                    else if (r > rows - bb && (rows - r) * bl <= bb * c && (rows - r) * br <= (tw - c) * bb)
                        shade = e; // bottom
                    else
                        shade = e + f; // right
                    for (int32_t k = 0; k < a.N(); ++k)
                        out[size_t(((top + r) * a.W() + left + c) * a.N() + k)] = Clamp255(avg[size_t(k)] + shade);
                }
        }
    }
    return out;
}

TEST_F(ArtTileRun, Mosaic3DTilesMatchTheirRule)
{
    struct Case {
        std::initializer_list<int32_t> params;
        int16_t planes;
        bool deferred;
        Rect filterRect;
    };
    const Case cases[] = {
        {{16, 16, 4, 50, 0}, 3, false, {0, 0, 0, 0}},
        {{5, 7, 3, 80, 100}, 1, true, {2, 3, 29, 33}},
        {{2, 32, 8, 1, 60}, 3, true, {0, 0, 0, 0}},
        {{9, 4, 0, 100, 0}, 3, false, {1, 1, 30, 36}},
    };
    RememberHost(0, PI_FOURCC('8', 'B', 'I', 'M'));
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "planes " << c.planes << " first " << *c.params.begin());
        ScriptedHost::Options options;
        options.hostSig = PI_FOURCC('8', 'B', 'I', 'M');
        options.hasAdvanceState = !c.deferred;
        options.planes = c.planes;
        options.width = 37;
        options.height = 31;
        options.filterRect = c.filterRect;
        auto host = MakeHost(options, "ENTRYPOINT");
        PaintInput(*host, 3);
        PrepareBlock(*host, c.params);
        const ArtParams params = Params(*host);
        ASSERT_EQ(host->Run(false), 0);
        const AreaView area{*host, host->FilterRect()};
        const auto want = Mosaic3D(area, params);
        ExpectPicture(*host, host->FilterRect(), [&](int32_t x, int32_t y, int32_t k) {
            return want[size_t((y * area.W() + x) * area.N() + k)];
        });
    }
}

// A texture as the module keeps it, read from the built module's file.
struct Texture {
    int32_t width = 0, height = 0, rowBytes = 0;
    std::vector<uint8_t> pixels; // stored rows, blue green red
    int32_t Red(int32_t x, int32_t y) const { return pixels[size_t(y * rowBytes + x * 3 + 2)]; }
    int32_t Mean() const
    {
        int64_t sum = 0;
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x) {
                const uint8_t* p = &pixels[size_t(y * rowBytes + x * 3)];
                sum += std::max({p[0], p[1], p[2]});
            }
        return int32_t(sum / (width * height));
    }
};

std::optional<Texture> LoadTexture(const char* name)
{
    const platform::ResourceTable table = platform::ResourceTable::FromFile(OVARTG_MODULE);
    const auto bytes = table.Find(platform::ResourceType::Bitmap, platform::ResourceName(name));
    if (!bytes)
        return std::nullopt;
    std::string error;
    const auto layout = platform::ReadDibLayout(*bytes, &error);
    if (!layout || layout->header.biBitCount != 24)
        return std::nullopt;
    Texture t;
    t.width = layout->header.biWidth;
    t.height = layout->height;
    t.rowBytes = int32_t(platform::DibRowBytes(uint64_t(t.width), 24));
    t.pixels.assign(bytes->begin() + ptrdiff_t(layout->bitsOffset), bytes->end());
    return t;
}

struct TextureCase {
    const char* entry;
    const char* name;
    int32_t width, height; // of the texture
    int32_t a, d, c;
};

std::vector<int32_t> Textured(const AreaView& area, const Texture& t, const TextureCase& v)
{
    const int32_t count = area.W() + 10;
    platform::WinRand rand;
    const auto draw = [&] { return rand.Next() % (2 * v.a + 1) - v.a; };
    const size_t controls = size_t(count / std::min(v.d, v.c) + 1);
    // One more control value than drawn: the blend past the last one finds
    // no displacement.
    std::vector<int32_t> xp(controls + 1, 0), xn(controls + 1, 0), yp(controls + 1, 0), yn(controls + 1, 0);
    for (int32_t i = 0; i < 2 * count; ++i)
        draw();
    for (size_t i = 0; i < controls; ++i) {
        xp[i] = draw();
        xn[i] = draw();
        yp[i] = draw();
        yn[i] = draw();
    }
    const auto wrap = [](int32_t value, int32_t n) { return value > 0 ? value % n : n - 1 - (-value % n); };
    const auto split = [](int32_t value, int32_t& whole, int32_t& part) {
        whole = value > 0 ? value / 16 : value / 16 - 1;
        part = value - 16 * whole;
    };
    const int32_t mean = t.Mean();
    const Rect& f = area.f;
    std::vector<int32_t> out;
    for (int32_t y = 0; y < area.H(); ++y) {
        const int32_t b = y % v.c;
        if (b == 0) {
            xp = xn;
            yp = yn;
            for (size_t i = 0; i < size_t(count / v.d + 1); ++i)
                xn[i] = draw();
            for (size_t i = 0; i < size_t(count / v.d + 1); ++i)
                yn[i] = draw();
        }
        for (int32_t x = 0; x < area.W(); ++x) {
            const int32_t e = x % v.d;
            const size_t g = size_t(x / v.d);
            const int32_t dx = ((v.d - e) * ((v.c - b) * xp[g] + b * xn[g]) + e * ((v.c - b) * xp[g + 1] + b * xn[g + 1])) /
                               v.d / v.c;
            const int32_t dy = ((v.d - e) * ((v.c - b) * yp[g] + b * yn[g]) + e * ((v.c - b) * yp[g + 1] + b * yn[g + 1])) /
                               v.d / v.c;
            int32_t kx, fx, ky, fy;
            split(dx, kx, fx);
            split(dy, ky, fy);
            const int32_t x0 = wrap(f.right + x + kx, t.width), x1 = wrap(f.right + x + kx + 1, t.width);
            const int32_t y0 = wrap(f.top + y + ky, t.height), y1 = wrap(f.top + y + ky + 1, t.height);
            const int32_t m = ((t.Red(x1, y1) * fy * fx + (16 - fy) * t.Red(x0, y0) * (16 - fx) +
                                t.Red(x0, y1) * fy * (16 - fx) + t.Red(x1, y0) * fx * (16 - fy)) >>
                               8) -
                              mean;
            int32_t o = 0;
            for (int32_t k = 0; k < area.N(); ++k)
                o = std::max(o, area.Px(x, y, k));
            for (int32_t k = 0; k < area.N(); ++k)
                out.push_back(Clamp255(area.Px(x, y, k) + ((o * m) >> 8)));
        }
    }
    return out;
}

TEST_F(ArtTileRun, TexturesFollowTheirRuleAndTheAreasRightEdge)
{
    const TextureCase variants[] = {{"ENTRYPOINT12", "MOSAIC", 8, 8, 50, 20, 20},
                                    {"ENTRYPOINT2", "CANVAS", 20, 20, 32, 32, 32},
                                    {"ENTRYPOINT10", "OLD", 27, 33, 64, 32, 32},
                                    {"ENTRYPOINT11", "PADD", 50, 37, 16, 16, 16}};
    RememberHost(5, PI_HOST_SIG_EDITOR);
    int32_t run = 0;
    for (const TextureCase& v : variants) {
        const std::optional<Texture> texture = LoadTexture(v.name);
        ASSERT_TRUE(texture) << v.name;
        EXPECT_EQ(texture->width, v.width);
        EXPECT_EQ(texture->height, v.height);
        for (int16_t planes : {3, 1}) {
            SCOPED_TRACE(::testing::Message() << v.name << " planes " << planes);
            ScriptedHost::Options options;
            options.planes = planes;
            options.width = 45;
            options.height = 41;
            options.filterRect = ++run % 2 ? Rect{0, 0, 0, 0} : Rect{3, 2, 40, 38};
            auto host = MakeHost(options, v.entry);
            PaintInput(*host, uint32_t(run));
            // White keeps nearly the texture's full strength, black stays.
            host->input[0] = host->input[1] = host->input[2] = 0;
            host->output = host->input;
            ASSERT_EQ(host->Run(false), 0);
            EXPECT_EQ(host->parameters, nullptr); // no parameters, no dialog
            const AreaView area{*host, host->FilterRect()};
            const auto want = Textured(area, *texture, v);
            ExpectPicture(*host, host->FilterRect(), [&](int32_t x, int32_t y, int32_t k) {
                return want[size_t((y * area.W() + x) * area.N() + k)];
            });
        }
    }
    EXPECT_TRUE(filterTitles.empty());
}

} // namespace
