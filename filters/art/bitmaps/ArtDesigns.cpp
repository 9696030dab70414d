#include "filters/art/bitmaps/ArtDesigns.h"

#include "platform/WinRand.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

uint8_t Byte(double v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); }

// Ink 0..1 at the centre of each pixel, as a brush: 255 is full paint.
ArtDesign Brush(const std::string& name, const std::function<double(double x, double y)>& ink)
{
    ArtDesign d{name, kBrushSide, kBrushSide, 8, {}};
    for (int32_t y = 0; y < kBrushSide; ++y)
        for (int32_t x = 0; x < kBrushSide; ++x) {
            // Centred coordinates, -1 .. 1 across the brush.
            const double u = (x + 0.5) / 16.0 - 1.0, v = (y + 0.5) / 16.0 - 1.0;
            d.pixels.push_back(Byte(255.0 * std::clamp(ink(u, v), 0.0, 1.0)));
        }
    return d;
}

// 1 inside, 0 outside, a soft rim of width w across the edge at distance 0.
double Soft(double inside, double w) { return std::clamp(0.5 + inside / w, 0.0, 1.0); }

double Star(double u, double v)
{
    const double r = std::hypot(u, v);
    const double a = std::atan2(v, u) + kPi / 2;
    // Five points: the radius swings between the inner and outer one.
    const double t = std::fabs(std::fmod(a * 5 / (2 * kPi) + 100.5, 1.0) - 0.5) * 2; // 0 at a point
    const double edge = 0.38 + (0.92 - 0.38) * (1 - t);
    return Soft(edge - r, 0.12);
}

// A grey value 0..255 per pixel, wrapped in x and y, as a texture.
ArtDesign Texture(const std::string& name, int32_t w, int32_t h,
                  const std::function<double(int32_t x, int32_t y)>& grey, double blue, double green)
{
    ArtDesign d{name, w, h, 24, {}};
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const double g = grey(x, y);
            d.pixels.push_back(Byte(g * blue));
            d.pixels.push_back(Byte(g * green));
            d.pixels.push_back(Byte(g));
        }
    return d;
}

} // namespace

std::vector<ArtDesign> BrushDesigns()
{
    std::vector<ArtDesign> brushes;
    // A flat brush: a wide band with ragged bristle ends.
    brushes.push_back(Brush("THICK", [](double u, double v) {
        const double ragged = 0.08 * std::sin(v * 23.0) + 0.05 * std::sin(v * 41.0 + 1.0);
        return Soft(0.85 + ragged - std::fabs(u), 0.15) * Soft(0.42 - std::fabs(v), 0.12) *
               (0.8 + 0.2 * std::cos(v * 30.0));
    }));
    // A finger's smear: an elongated blot, dense at one end and fading.
    brushes.push_back(Brush("FINGER", [](double u, double v) {
        const double r = std::hypot(u / 0.9, v / 0.45);
        return Soft(1.0 - r, 0.3) * std::clamp(0.35 + 0.65 * (1.0 - u) / 1.6, 0.0, 1.0);
    }));
    // Rays from the centre.
    brushes.push_back(Brush("RADIANT", [](double u, double v) {
        const double r = std::hypot(u, v);
        const double a = std::atan2(v, u);
        const double ray = std::pow(std::fabs(std::cos(a * 6.0)), 6.0);
        return Soft(0.95 - r, 0.1) * std::max(ray * (1.0 - 0.5 * r), Soft(0.2 - r, 0.1));
    }));
    // Five dots as on a die.
    brushes.push_back(Brush("FIVE", [](double u, double v) {
        const double centres[5][2] = {{-0.55, -0.55}, {0.55, -0.55}, {0.0, 0.0}, {-0.55, 0.55}, {0.55, 0.55}};
        double ink = 0;
        for (const auto& c : centres)
            ink = std::max(ink, Soft(0.3 - std::hypot(u - c[0], v - c[1]), 0.12));
        return ink;
    }));
    // Speckles over a disc, the same every build.
    {
        ArtDesign d = Brush("RANDOM", [](double, double) { return 0.0; });
        platform::WinRand rand(7);
        for (int32_t i = 0; i < 70; ++i) {
            const int32_t x = rand.Next() % kBrushSide, y = rand.Next() % kBrushSide;
            const double u = (x + 0.5) / 16.0 - 1.0, v = (y + 0.5) / 16.0 - 1.0;
            if (std::hypot(u, v) > 0.95)
                continue;
            const int32_t level = 128 + rand.Next() % 128;
            for (int32_t dy = 0; dy < 2; ++dy)
                for (int32_t dx = 0; dx < 2; ++dx) {
                    uint8_t& p = d.pixels[size_t(std::min(y + dy, kBrushSide - 1) * kBrushSide +
                                                 std::min(x + dx, kBrushSide - 1))];
                    p = uint8_t(std::max<int32_t>(p, level));
                }
        }
        brushes.push_back(std::move(d));
    }
    // A wavy band.
    brushes.push_back(Brush("WAVE", [](double u, double v) {
        const double centre = 0.35 * std::sin(u * kPi * 1.5);
        return Soft(0.22 - std::fabs(v - centre), 0.12) * Soft(0.92 - std::fabs(u), 0.1);
    }));
    brushes.push_back(Brush("STAR", Star));
    return brushes;
}

std::vector<ArtDesign> TextureDesigns()
{
    std::vector<ArtDesign> textures;
    // A small tile: a bright face with a lit top-left and a dark grout line.
    textures.push_back(Texture(
        "MOSAIC", 8, 8,
        [](int32_t x, int32_t y) {
            if (x == 7 || y == 7)
                return 60.0;
            if (x == 0 || y == 0)
                return 230.0;
            return 180.0 - 4.0 * (x + y);
        },
        0.8, 0.9));
    // Woven threads: the warp over the weft in one half of the cell, under
    // it in the other, each thread rounded across.
    textures.push_back(Texture(
        "CANVAS", 20, 20,
        [](int32_t x, int32_t y) {
            const bool warpOver = (x / 5 + y / 10) % 2 == 0;
            const double across = warpOver ? std::sin(kPi * ((x % 5) + 0.5) / 5) : std::sin(kPi * ((y % 5) + 0.5) / 5);
            return 110.0 + 110.0 * across;
        },
        0.75, 0.88));
    // Cracked varnish: a light ground cut by a few dark crack lines that
    // wander across the tile and wrap round its edges.
    {
        const int32_t w = 27, h = 33;
        std::vector<double> grey(size_t(w * h), 200.0);
        platform::WinRand rand(11);
        for (int32_t crack = 0; crack < 5; ++crack) {
            int32_t x = rand.Next() % w, y = rand.Next() % h;
            const bool down = crack % 2 == 0;
            for (int32_t step = 0; step < (down ? h : w); ++step) {
                grey[size_t(((y % h + h) % h) * w + (x % w + w) % w)] = 50.0;
                if (down) {
                    ++y;
                    x += rand.Next() % 3 - 1;
                } else {
                    ++x;
                    y += rand.Next() % 3 - 1;
                }
            }
        }
        for (int32_t i = 0; i < w * h; ++i)
            grey[size_t(i)] += rand.Next() % 21 - 10;
        textures.push_back(Texture(
            "OLD", w, h, [&](int32_t x, int32_t y) { return grey[size_t(y * w + x)]; }, 0.7, 0.85));
    }
    // Quilted padding: cushions between stitched seams.
    textures.push_back(Texture(
        "PADD", 50, 37,
        [](int32_t x, int32_t y) {
            const double cx = std::sin(kPi * (x + 0.5) / 25), cy = std::sin(kPi * (y + 0.5) / 37);
            return 40.0 + 200.0 * std::sqrt(std::fabs(cx * cy));
        },
        0.9, 0.9));
    return textures;
}
