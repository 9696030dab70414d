// The ring filters of OVARTG.8bf (Emboss, Engrave, Facetted glass, Scatter,
// Graphic pen, Hand drawing, Buttonize, Relief, Strokes, Note paper) run
// under the scripted host on 24-bit and grey pictures, every pixel against
// the filter's rule worked out here from the picture in the ring's
// coordinates.
#include "ArtFilterFixture.h"

#include "platform/WinRand.h"

#include <cmath>
#include <cstdlib>

namespace {

using Picture = std::vector<int32_t>; // W x H x N samples of the area

struct Ref {
    const AreaView& a;
    const ArtParams& p;
    const FilterRecord& record;

    int32_t W() const { return a.W(); }
    int32_t H() const { return a.H(); }
    int32_t N() const { return a.N(); }
    Picture Blank() const { return Picture(size_t(W() * H() * N()), 0); }
    int32_t& At(Picture& out, int32_t x, int32_t y, int32_t k) const { return out[size_t((y * W() + x) * N() + k)]; }
};

Picture Emboss(const Ref& r)
{
    const double angle = r.p.Param(1) * 0.01745327777777778;
    const int32_t c = int32_t(std::cos(angle) * 4096), s = int32_t(std::sin(angle) * 4096);
    Picture out = r.Blank();
    for (int32_t y = 0; y < r.H(); ++y)
        for (int32_t x = 0; x < r.W(); ++x)
            for (int32_t k = 0; k < r.N(); ++k) {
                const auto R = [&](int32_t row, int32_t j) { return r.a.Ring(row, j, y, 3, 3, k); };
                const int32_t v = c * (R(1, x + 2) - R(1, x)) + s * (R(2, x + 1) - R(0, x + 1));
                r.At(out, x, y, k) = Clamp255(v / 4096 + r.record.foreColor[k]);
            }
    return out;
}

Picture Engrave(const Ref& r)
{
    Picture out = r.Blank();
    std::vector<int32_t> level(size_t(r.W()));
    for (int32_t y = 0; y < r.H(); ++y)
        for (int32_t x = r.W() - 1; x >= 0; --x) {
            const int32_t f = r.a.Mean(r.a.RingColumn(x, 1), y);
            int32_t v;
            if (y == 0) {
                v = f > 128 ? 255 : 0;
                level[size_t(x)] = f;
            } else {
                const int32_t e = x > 0 ? level[size_t(x - 1)] : f;
                const bool edge = std::abs(f - e) > r.p.Param(1);
                v = edge ? 0 : 255;
                level[size_t(x)] = edge ? f : e;
            }
            for (int32_t k = 0; k < r.N(); ++k)
                r.At(out, x, y, k) = v;
        }
    return out;
}

Picture FacettedGlass(const Ref& r)
{
    // Each cell of s columns (aligned to the record's left edge) shows
    // ring columns x + e, e the place in the cell; the ring row follows
    // the image row.
    const int32_t s = r.p.Param(1), left = r.record.filterRect.left, top = r.record.filterRect.top;
    Picture out = r.Blank();
    for (int32_t y = 0; y < r.H(); ++y)
        for (int32_t x = 0; x < r.W(); ++x)
            for (int32_t k = 0; k < r.N(); ++k)
                r.At(out, x, y, k) = r.a.Ring((y + top + s / 2) % s, x + (x + left) % s, y, s, s, k);
    return out;
}

Picture Scatter(const Ref& r)
{
    const int32_t s = r.p.Param(1);
    platform::WinRand rand;
    Picture out = r.Blank();
    for (int32_t y = 0; y < r.H(); ++y)
        for (int32_t x = 0; x < r.W(); ++x) {
            const int32_t j = std::clamp(x + rand.Next() % s, 0, r.W() - 1);
            const int32_t row = rand.Next() % s;
            for (int32_t k = 0; k < r.N(); ++k)
                r.At(out, x, y, k) = r.a.Ring(row, j, y, s, s, k);
        }
    return out;
}

Picture GraphicPen(const Ref& r)
{
    const double angle = r.p.Param(1) * 0.017444444444444446;
    const int32_t c = int32_t(std::cos(angle) * 4096), s = int32_t(std::sin(angle) * 4096);
    const int32_t m = std::abs(c * 16 / 4096) + 1, n = std::abs(s * 16 / 4096) + 1;
    const int32_t bytes = (r.W() + 2 * m) * r.N();
    platform::WinRand rand;
    // Noise rows, oldest first.
    std::vector<std::vector<int32_t>> ring;
    const auto noise = [&] {
        std::vector<int32_t> row;
        for (int32_t i = 0; i < bytes; ++i)
            row.push_back(rand.Next() % 256);
        return row;
    };
    Picture out = r.Blank();
    for (int32_t y = 0; y < r.H(); ++y) {
        if (y == 0) {
            for (int32_t k = 0; k < n; ++k)
                ring.push_back(noise());
        } else {
            ring.erase(ring.begin());
            ring.push_back({});
        }
        ring.back() = noise();
        for (int32_t x = 0; x < r.W(); ++x)
            for (int32_t k = 0; k < r.N(); ++k) {
                int32_t acc = 0;
                for (int32_t t = 0; t < 16; ++t)
                    acc += ring[size_t(t * s / 4096)][size_t((x + t * c / 4096 + (c < 0 ? m : 0)) * r.N() + k)];
                r.At(out, x, y, k) = acc / 16 < r.a.Px(x, y, k) ? 255 : 0;
            }
    }
    return out;
}

Picture HandDrawing(const Ref& r)
{
    Picture out = r.Blank();
    for (int32_t y = 0; y < r.H(); ++y)
        for (int32_t x = 0; x < r.W(); ++x)
            for (int32_t k = 0; k < r.N(); ++k) {
                int32_t mn = 255, mx = 0;
                for (int32_t row = 0; row < 3; ++row)
                    for (int32_t j = x; j <= x + 2; ++j) {
                        mn = std::min(mn, r.a.Ring(row, j, y, 3, 3, k));
                        mx = std::max(mx, r.a.Ring(row, j, y, 3, 3, k));
                    }
                const int32_t h = mn / 2, centre = r.a.Ring(1, x + 1, y, 3, 3, k);
                r.At(out, x, y, k) = mx == 0 ? 255 : (centre - h) * 255 / (mx - h);
            }
    return out;
}

Picture Buttonize(const Ref& r)
{
    const int32_t b = r.p.Param(1);
    const bool pressed = r.p.Param(2) != 0;
    Picture out = r.Blank();
    for (int32_t y = 0; y < r.H(); ++y)
        for (int32_t x = 0; x < r.W(); ++x) {
            const int32_t d[4] = {y, r.H() - 1 - y, x, r.W() - 1 - x}; // top, bottom, left, right
            int32_t offset = 0;
            if (*std::min_element(d, d + 4) <= b) {
                const int32_t m = *std::min_element(d, d + 4);
                int32_t side = 0;
                for (int32_t i = 0; i < 4; ++i)
                    if (d[i] == m)
                        side = i;
                const int32_t across = side == 0 ? d[2] : side == 1 ? d[3] : side == 2 ? d[0] : d[1];
                const bool seam = std::abs(across - m) < 2;
                const bool lit = (side == 0 || side == 2) != pressed;
                offset = lit ? (seam ? 150 : 100) : (seam ? -66 : -100);
            }
            for (int32_t k = 0; k < r.N(); ++k)
                r.At(out, x, y, k) = Clamp255(r.a.Ring(b, x, y, b + 1, b + 1, k) + offset);
        }
    return out;
}

Picture Relief(const Ref& r)
{
    const int32_t n = 2 * ((r.p.Param(2) + 1) / 2) + 1, half = n / 2;
    const int32_t b = (r.p.Param(1) * 32 - 32) / 99;
    int32_t s = 0;
    for (int32_t d = -half; d <= half; ++d)
        s += d * d;
    Picture out = r.Blank();
    for (int32_t y = 0; y < r.H(); ++y) {
        // The window centred on row y, rows beyond the area repeating its
        // edge rows.
        const auto sum = [&](int32_t i, int32_t j) {
            int32_t total = 0;
            for (int32_t k = 0; k < r.N(); ++k)
                total += r.a.Px(r.a.RingColumn(j, n), std::clamp(y - half + i, 0, r.H() - 1), k);
            return total;
        };
        for (int32_t x = 0; x < r.W(); ++x) {
            int64_t gx = 0, gy = 0;
            for (int32_t d = -half; d <= half; ++d)
                if (x + d >= 0 && x + d < r.W() + n)
                    gx += d * sum(half, x + d);
            for (int32_t i = 0; i < n; ++i)
                gy += (i - half) * sum(i, x);
            gx = gx * 16 / s;
            gy = gy * 16 / s;
            const double q = double(gx * gx + gy * gy + 256);
            const int32_t g = std::min(std::abs(int32_t(128 * (std::log10(25600.0 / q + 1) + (b - 4) / 16.0))), 255);
            int32_t m = 0;
            for (int32_t k = 0; k < r.N(); ++k)
                m = std::max(m, r.a.Px(r.a.RingColumn(x, n), y, k));
            for (int32_t k = 0; k < r.N(); ++k) {
                const int32_t c = r.a.Px(r.a.RingColumn(x, n), y, k);
                r.At(out, x, y, k) = Clamp255((c * g + (m + 1) / 2 + g / 2) / (m + 1));
            }
        }
    }
    return out;
}

Picture Strokes(const Ref& r)
{
    Picture out = r.Blank();
    const auto mean = [&](const std::vector<int32_t>& px) {
        int32_t sum = 0;
        for (int32_t v : px)
            sum += v;
        return sum / r.N();
    };
    for (int32_t y = 0; y < r.H(); ++y)
        for (int32_t x = 0; x < r.W(); ++x) {
            std::vector<int32_t> cur, prev;
            for (int32_t k = 0; k < r.N(); ++k) {
                cur.push_back(r.a.Px(y == 0 ? x : r.a.RingColumn(x + 1, 2), y, k));
                if (y > 0 && x > 0)
                    prev.push_back(r.At(out, x - 1, y - 1, k));
            }
            if (prev.empty())
                prev = cur;
            const bool similar = y > 0 && std::abs(mean(cur) - mean(prev)) < r.p.Param(1);
            for (int32_t k = 0; k < r.N(); ++k)
                r.At(out, x, y, k) = similar ? prev[size_t(k)] : cur[size_t(k)];
        }
    return out;
}

Picture NotePaper(const Ref& r)
{
    const int32_t levels = (r.p.Param(1) * 30 - 30) / 99 + 2, q = 255 / levels;
    const int32_t gain = 2 * ((r.p.Param(3) * 32 - 32) / 99), depth = (r.p.Param(2) * 16 - 16) / 99 + 3;
    platform::WinRand rand;
    Picture out = r.Blank();
    for (int32_t y = 0; y < r.H(); ++y) {
        // Levels of the row above at ring columns 0 .. W + 2.
        std::vector<int32_t> level, stepped;
        for (int32_t j = 0; j < r.W() + 3; ++j) {
            const int32_t b = ((((q + r.a.Mean(r.a.RingColumn(j, 2), std::max(y - 1, 0))) / q * q) >> 1) + 127) & 0xFF;
            level.push_back(b < 127 ? 255 : b);
            stepped.push_back(b < 127 ? 250 : b);
        }
        const auto L = [&](int32_t j) { return level[size_t(std::max(j, 0))]; };
        std::vector<int32_t> row(size_t(r.W()));
        int32_t previous = stepped[0];
        for (int32_t x = 0; x < r.W(); ++x) {
            const int32_t a = stepped[size_t(x + 1)] - (gain > 0 ? rand.Next() / 8000 : 0);
            const bool rises = L(x) - L(x - 1) > 8 || L(x + 1) - L(x) > 8 || L(x + 2) - L(x + 1) > 8;
            row[size_t(x)] = a - previous > 8 && rises ? 0 : previous & 0xFF;
            previous = a;
        }
        bool run = false;
        int32_t t = 0, shade = 0, count = 0;
        for (int32_t x = r.W() - 1; x >= 0; --x) {
            const int32_t value = row[size_t(x)], left = x > 0 ? row[size_t(x - 1)] : value;
            if (value == 0) {
                run = true;
                t = left;
                shade = 0;
                count = 5;
            } else if (run && count > 0 && value - t > 8) {
                run = false;
            }
            int32_t v;
            if (run && shade < 127) {
                shade += ((t * 24 - shade * 24) / depth) >> 3;
                --count;
                v = shade;
            } else {
                v = value + (value - left) * gain;
                if (v < 0 || v > 255)
                    v = 255;
            }
            row[size_t(x)] = v;
        }
        for (int32_t x = 0; x < r.W(); ++x)
            for (int32_t k = 0; k < r.N(); ++k)
                r.At(out, x, y, k) = row[size_t(x)];
    }
    return out;
}

using Rule = Picture (*)(const Ref&);

struct Case {
    const char* entry;
    Rule rule;
    std::initializer_list<int32_t> params;
    int16_t planes;
    bool deferred; // run as under the editor: rows delivered by Continue
    Rect filterRect;
    int32_t ringMargin, ringSize; // stored in the block by the run; -1: not stored
};

using ArtNeighbourRun = ArtFilterFixture;

TEST_F(ArtNeighbourRun, FiltersMatchTheirRulesAtEveryPixel)
{
    const Rect whole{0, 0, 0, 0};
    const Rect inner{3, 4, 25, 28}; // top, left, bottom, right
    const Case cases[] = {
        {"ENTRYPOINT3", Emboss, {0}, 3, false, whole, -1, -1},
        {"ENTRYPOINT3", Emboss, {135}, 1, true, inner, -1, -1},
        {"ENTRYPOINT3", Emboss, {290}, 3, true, whole, -1, -1},
        {"ENTRYPOINT4", Engrave, {50}, 3, false, whole, -1, -1},
        {"ENTRYPOINT4", Engrave, {12}, 1, true, inner, -1, -1},
        {"ENTRYPOINT5", FacettedGlass, {15}, 3, false, inner, 15, 15},
        {"ENTRYPOINT5", FacettedGlass, {4}, 1, true, inner, 4, 4},
        {"ENTRYPOINT5", FacettedGlass, {1}, 3, false, whole, 1, 1},
        {"ENTRYPOINT14", Scatter, {10}, 3, false, whole, 10, 10},
        {"ENTRYPOINT14", Scatter, {3}, 1, true, inner, 3, 3},
        {"ENTRYPOINT6", GraphicPen, {45}, 3, false, whole, -1, -1},
        {"ENTRYPOINT6", GraphicPen, {0}, 1, true, inner, -1, -1},
        {"ENTRYPOINT6", GraphicPen, {150}, 3, true, whole, -1, -1},
        {"ENTRYPOINT7", HandDrawing, {}, 3, false, whole, -1, -1},
        {"ENTRYPOINT7", HandDrawing, {}, 1, true, inner, -1, -1},
        {"ENTRYPOINT16", Buttonize, {10, 0}, 3, false, whole, 11, 11},
        {"ENTRYPOINT16", Buttonize, {3, 1}, 1, true, inner, 4, 4},
        {"ENTRYPOINT16", Buttonize, {30, 0}, 3, false, whole, 31, 31},
        {"ENTRYPOINT13", Relief, {50, 10}, 3, false, whole, -1, -1},
        {"ENTRYPOINT13", Relief, {100, 2}, 1, true, inner, -1, -1},
        {"ENTRYPOINT13", Relief, {1, 1}, 3, true, whole, -1, -1},
        {"ENTRYPOINT15", Strokes, {50}, 3, false, whole, -1, -1},
        {"ENTRYPOINT15", Strokes, {8}, 1, true, inner, -1, -1},
        {"ENTRYPOINT9", NotePaper, {50, 10, 10}, 3, false, whole, -1, -1},
        {"ENTRYPOINT9", NotePaper, {100, 100, 1}, 1, true, inner, -1, -1},
        {"ENTRYPOINT9", NotePaper, {1, 40, 100}, 3, false, whole, -1, -1},
    };
    RememberHost(0, PI_FOURCC('8', 'B', 'I', 'M'));
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.entry << " planes " << c.planes << (c.deferred ? " deferred" : ""));
        ScriptedHost::Options options;
        options.hostSig = PI_FOURCC('8', 'B', 'I', 'M');
        options.hasAdvanceState = !c.deferred; // without it the rows come by Continue
        options.planes = c.planes;
        options.width = 31;
        options.height = 27;
        options.filterRect = c.filterRect;
        options.foreColor[0] = 90;
        options.foreColor[1] = 20;
        options.foreColor[2] = 200;
        auto host = MakeHost(options, c.entry);
        PaintInput(*host, uint32_t(c.planes * 7 + c.filterRect.top));
        ArtParams params{};
        if (c.params.size() > 0) {
            PrepareBlock(*host, c.params);
            params = Params(*host);
        }
        ASSERT_EQ(host->Run(false), 0);
        const AreaView area{*host, host->FilterRect()};
        const Ref ref{area, params, host->record};
        const Picture want = c.rule(ref);
        ExpectPicture(*host, host->FilterRect(), [&](int32_t x, int32_t y, int32_t k) {
            return want[size_t((y * area.W() + x) * area.N() + k)];
        });
        if (c.ringMargin >= 0) {
            EXPECT_EQ(Params(*host).ringMargin, c.ringMargin);
            EXPECT_EQ(Params(*host).ringSize, c.ringSize);
        }
        if (c.deferred) {
            EXPECT_GT(host->continues, area.H() - 1);
        }
    }
    EXPECT_TRUE(filterTitles.empty());
}

} // namespace
