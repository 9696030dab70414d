#include "filters/edges/masks/MaskDesigns.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>

namespace {

constexpr double kPi = 3.14159265358979;

// A repeatable pseudo-random value in [0, 1) for a lattice point.
double Hash(int32_t x, int32_t y, uint32_t seed)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return double(h & 0xFFFFFF) / double(0x1000000);
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

double ValueNoise(double x, double y, uint32_t seed)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = int32_t(fx), iy = int32_t(fy);
    const double tx = Smooth(x - fx), ty = Smooth(y - fy);
    const double a = Hash(ix, iy, seed), b = Hash(ix + 1, iy, seed);
    const double c = Hash(ix, iy + 1, seed), d = Hash(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

// Fractal noise in [0, 1).
double Fbm(double x, double y, uint32_t seed, int octaves = 4)
{
    double sum = 0, amplitude = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * ValueNoise(x, y, seed + uint32_t(i) * 101u);
        total += amplitude;
        amplitude *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / total;
}

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
double Step(double edge0, double edge1, double v) { return Smooth(Clamp01((v - edge0) / (edge1 - edge0))); }

// Distance from the picture's border in half-widths: 0 at the border,
// 1 at the centre; and the place along the nearest side.
double Border(double u, double v) { return std::min(1 - std::abs(u), 1 - std::abs(v)); }
double Along(double u, double v) { return 1 - std::abs(u) < 1 - std::abs(v) ? v + (u < 0 ? 0 : 7) : u + (v < 0 ? 3 : 11); }

// A frame whose inner edge lies at width, moved by noise of amplitude
// amp (frequencies along and across the side), softened by soft.
struct FrameStyle {
    double width, amp, along, across, soft, grain;
    uint32_t seed;
};

double RoughFrame(double u, double v, const FrameStyle& s)
{
    const double b = Border(u, v);
    const double n = Fbm(Along(u, v) * s.along, b * s.across, s.seed);
    const double edge = s.width + s.amp * (n - 0.5);
    double m = 1 - Step(edge - s.soft, edge + s.soft, b);
    if (s.grain > 0)
        m = Clamp01(m - s.grain * Hash(int32_t((u + 1) * 400), int32_t((v + 1) * 400), s.seed) * (1 - m) * 2);
    return m;
}

// Pencil strokes across the frame: gaps where the brush ran dry.
double DryFrame(double u, double v, const FrameStyle& s, double gaps)
{
    const double m = RoughFrame(u, v, s);
    const double streak = Fbm(Along(u, v) * 40, Border(u, v) * 2, s.seed + 7, 2);
    return m * (streak > gaps ? 1.0 : 0.25);
}

double Hatch(double u, double v, double angle, double period)
{
    const double t = (u * std::cos(angle) + v * std::sin(angle)) / period;
    return t - std::floor(t) < 0.5 ? 1.0 : 0.0;
}

// An opening: 0 inside (the picture), 1 outside, with the edge softened.
double Opening(double distance, double soft) { return Step(-soft, soft, distance); }

bool InPolygon(double x, double y, const std::vector<std::pair<double, double>>& p)
{
    bool inside = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        if ((p[i].second > y) != (p[j].second > y) &&
            x < (p[j].first - p[i].first) * (y - p[i].second) / (p[j].second - p[i].second) + p[i].first)
            inside = !inside;
    }
    return inside;
}

std::vector<std::pair<double, double>> StarPoints(int points, double outer, double inner)
{
    std::vector<std::pair<double, double>> p;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = -kPi / 2 + i * kPi / points;
        const double r = i % 2 ? inner : outer;
        p.emplace_back(r * std::cos(a), r * std::sin(a));
    }
    return p;
}

double Radius(double u, double v) { return std::sqrt(u * u + v * v); }
double Angle(double u, double v) { return std::atan2(v, u); }

constexpr double kHard = 0.012;

// The weight of the design at (u, v), both -1..1 with v downwards; blur
// names a soft version made by smoothing the drawn one.
using Design = std::function<double(double u, double v)>;

struct Drawn {
    Design design;
    int32_t blur = 0; // smoothing radius in pixels of a 160-pixel mask
};

Drawn DesignOf(int32_t resource)
{
    switch (resource) {
    // Artistic: frames with a textured edge.
    case 131: return {[](double u, double v) { return RoughFrame(u, v, {0.16, 0.16, 3, 30, 0.02, 0.6, 131}); }};
    case 132: return {[](double u, double v) { return RoughFrame(u, v, {0.22, 0.22, 6, 45, 0.015, 0.8, 132}); }};
    case 771: return {[](double u, double v) { return RoughFrame(u, v, {0.14, 0.12, 12, 12, 0.01, 0.9, 771}); }};
    case 772:
    case 773:
    case 176:
    case 774:
        return {[resource](double u, double v) {
            const double angle = (resource % 4) * kPi / 4 + 0.3;
            const double m = RoughFrame(u, v, {0.18, 0.14, 4, 8, 0.01, 0, uint32_t(resource)});
            return std::max(m, Hatch(u, v, angle, 0.05) * (1 - Step(0.1, 0.32, Border(u, v))));
        }};
    case 775:
        return {[](double u, double v) {
            const double b = Border(u, v);
            const double loop = std::abs(std::sin(Along(u, v) * 18 + b * 60));
            return std::max(RoughFrame(u, v, {0.08, 0.06, 4, 4, 0.01, 0, 775}), loop < 0.12 && b < 0.25 ? 1.0 : 0.0);
        }};
    case 776:
    case 777:
        return {[resource](double u, double v) {
            const double b = Border(u, v);
            const double blot = Fbm(u * 14, v * 14, uint32_t(resource), 3);
            return 1 - Step(0.0, 0.08, b - 0.25 * (blot > 0.5 ? blot : 0) - (resource == 777 ? 0.1 : 0.05));
        }};
    case 778:
        return {[](double u, double v) {
            const double r = Radius(u, v), a = Angle(u, v);
            const double edge = 0.78 + 0.1 * std::sin(a * 9 + r * 14);
            return Opening(std::max(std::abs(u), std::abs(v)) * 0.5 + r * 0.5 - edge, 0.02);
        }};
    case 779: return {[](double u, double v) { return RoughFrame(u, v, {0.2, 0.25, 2, 4, 0.08, 0, 779}); }};
    // Strokes: brush strokes along the sides.
    case 143: return {[](double u, double v) { return RoughFrame(u, v, {0.12, 0.10, 2, 60, 0.01, 0, 143}); }};
    case 144: return {[](double u, double v) { return RoughFrame(u, v, {0.15, 0.14, 3, 80, 0.01, 0, 144}); }};
    case 145: return {[](double u, double v) { return RoughFrame(u, v, {0.10, 0.08, 8, 50, 0.01, 0, 145}); }};
    case 146: return {[](double u, double v) { return RoughFrame(u, v, {0.18, 0.18, 1.5, 90, 0.01, 0, 146}); }};
    case 147: return {[](double u, double v) { return RoughFrame(u, v, {0.14, 0.2, 5, 120, 0.005, 0, 147}); }};
    case 151: return {[](double u, double v) { return DryFrame(u, v, {0.14, 0.12, 3, 60, 0.01, 0, 151}, 0.45); }};
    case 142: return {[](double u, double v) { return DryFrame(u, v, {0.18, 0.16, 2, 40, 0.01, 0, 142}, 0.55); }};
    case 148: return {[](double u, double v) { return RoughFrame(u, v, {0.14, 0.12, 3, 40, 0.06, 0, 148}); }};
    case 149: return {[](double u, double v) { return RoughFrame(u, v, {0.18, 0.18, 2, 30, 0.09, 0, 149}); }};
    case 150: return {[](double u, double v) { return RoughFrame(u, v, {0.26, 0.2, 2, 60, 0.01, 0, 150}); }};
    case 141: return {[](double u, double v) { return RoughFrame(u, v, {0.32, 0.24, 1.5, 70, 0.015, 0, 141}); }};
    // Vignette: openings of a shape, hard or blurred.
    case 165:
    case 153:
        return {[](double u, double v) {
                    const double rect = std::max({std::abs(u) - 0.72, v - 0.82, -0.1 - v});
                    const double arch = Radius(u, v + 0.1) - 0.72;
                    return Opening(std::min(rect, std::max(arch, v - 0.82)), kHard);
                },
                resource == 153 ? 10 : 0};
    case 164:
    case 152:
        return {[](double u, double v) { return Opening(std::max(std::abs(u), std::abs(v)) - 0.8, kHard); },
                resource == 152 ? 10 : 0};
    case 154:
    case 155: return {[](double u, double v) { return Opening(Radius(u, v) - 0.82, kHard); }, resource == 155 ? 12 : 0};
    case 156:
        return {[](double u, double v) {
            return Opening(std::max(std::abs(u) - 0.78 - 0.07 * std::sin(v * kPi * 3),
                                    std::abs(v) - 0.78 - 0.07 * std::sin(u * kPi * 3)),
                           kHard);
        }};
    case 157: return {[](double, double v) { return Step(-0.3, 1.0, v); }};
    case 158: return {[](double u, double) { return Step(-0.3, 1.0, -u); }};
    case 159: return {[](double u, double) { return Step(-0.3, 1.0, u); }};
    case 160: return {[](double, double v) { return Step(-0.3, 1.0, -v); }};
    case 161:
        return {[](double u, double v) {
            const double b = Border(u, v);
            return b < 0.12 || (b > 0.16 && b < 0.175) ? 1.0 : 0.0;
        }};
    case 162:
        return {[](double u, double v) {
            const double r = Radius(u / 0.94, v / 0.94);
            return r > 1 || (r > 0.9 && r < 0.93) ? 1.0 : 0.0;
        }};
    case 163:
        return {[](double u, double v) {
            return Opening(std::max({std::abs(u), std::abs(v), (std::abs(u) + std::abs(v)) * 0.7071}) - 0.8, kHard);
        }};
    // Objects: the picture shows through a shape.
    case 175:
        return {[](double u, double v) {
            const double r = Radius(u, v), a = Angle(u, v);
            return Opening(r - 0.72 - 0.12 * std::sin(a * 5 + r * 12), 0.02);
        }};
    case 167:
        return {[](double u, double v) {
            static const double puffs[][3] = {{-0.45, 0.15, 0.38}, {0.0, -0.15, 0.48}, {0.45, 0.1, 0.4},
                                              {-0.15, 0.35, 0.35}, {0.3, 0.38, 0.33}};
            double d = 10;
            for (const auto& p : puffs)
                d = std::min(d, Radius(u - p[0], v - p[1]) - p[2]);
            return Opening(d + 0.05 * (Fbm(u * 6, v * 6, 167) - 0.5), 0.05);
        }};
    case 168:
        return {[](double u, double v) {
            const double r = Radius(u / 0.7, v / 0.9);
            if (r > 1)
                return 1.0;
            return std::sin(r * 45 + 3 * Fbm(u * 3, v * 3, 168)) > 0.5 ? 0.6 : 0.0;
        }};
    case 169:
        return {[](double u, double v) {
            const double x = u * 1.25, y = -v * 1.25 + 0.2;
            const double f = std::pow(x * x + y * y - 1, 3) - x * x * y * y * y;
            return f < 0 ? 0.0 : 1.0;
        }};
    case 170:
        return {[](double u, double v) {
            double d = std::max(std::abs(u), std::abs(v)) - 0.58;
            d = std::min(d, Radius(u, v + 0.74) - 0.18);       // tab at the top
            d = std::min(d, Radius(u - 0.74, v) - 0.18);       // tab at the right
            d = std::max(d, -(Radius(u, v - 0.46) - 0.18));    // slot at the bottom
            d = std::max(d, -(Radius(u + 0.46, v) - 0.18));    // slot at the left
            return Opening(d, kHard);
        }};
    case 171:
        return {[](double u, double v) {
            // A leaf leaning to the right, with its middle vein.
            const double x = u * 0.866 - v * 0.5, y = u * 0.5 + v * 0.866;
            if (std::abs(y) >= 0.95)
                return 1.0;
            const double half = 0.5 * std::sin(kPi * (y + 0.95) / 1.9);
            if (std::abs(x) < 0.012 && std::abs(y) < 0.8)
                return 1.0;
            return Opening(std::abs(x) - half, kHard);
        }};
    case 172:
        return {[](double u, double v) {
            const double b = Border(u, v);
            const double deckle = RoughFrame(u, v, {0.06, 0.04, 30, 30, 0.005, 0, 172});
            const double corner = (1 - std::abs(u)) + (1 - std::abs(v)) < 0.3 ? 1.0 : 0.0;
            return std::max({deckle, corner, 0.35 * (1 - Step(0.0, 0.6, b))});
        }};
    case 173:
        return {[](double u, double v) {
            double d = Radius(u / 0.92, v / 0.75) - 1;
            d = std::max(d, -(Radius(u - 0.42, v - 0.3) - 0.12));
            d = std::max(d, -(Radius(u - 0.95, v - 0.55) - 0.3));
            return Opening(d, kHard);
        }};
    case 174:
        return {[](double u, double v) {
            double d = std::max(std::abs(u), std::abs(v)) - 0.86;
            const double period = 0.1075;
            const double su = std::abs(u), sv = std::abs(v);
            const double ou = u - period * std::round(u / period), ov = v - period * std::round(v / period);
            d = std::max(d, -(Radius(ou, sv - 0.86) - 0.035));
            d = std::max(d, -(Radius(su - 0.86, ov) - 0.035));
            return Opening(d, kHard);
        }};
    case 166:
        return {[](double u, double v) { return InPolygon(u, v + 0.05, StarPoints(5, 0.95, 0.4)) ? 0.0 : 1.0; }};
    // Textures over the whole picture.
    case 198: return {[](double u, double v) { return 0.55 * Hash(int32_t((u + 1) * 80), int32_t((v + 1) * 80), 198); }};
    case 192:
        return {[](double u, double v) {
            const double cu = u / 0.1 - std::floor(u / 0.1) - 0.5, cv = v / 0.1 - std::floor(v / 0.1) - 0.5;
            return Radius(cu, cv) < 0.3 ? 0.75 : 0.0;
        }};
    case 191: return {[](double u, double v) { return 0.7 * Hatch(u, v, kPi / 4, 0.07); }};
    case 194:
        return {[](double u, double v) {
            const double s = std::sin(Radius(u + 0.4, v + 0.3) * 40) + std::sin(Radius(u - 0.5, v - 0.2) * 34) +
                             std::sin(Radius(u - 0.1, v + 0.7) * 28);
            return 0.45 * Clamp01(0.5 + s / 6);
        }};
    case 195: return {[](double u, double v) { return 0.6 * Clamp01(0.5 + 0.5 * std::sin(Angle(u, v) * 24)) * std::min(1.0, Radius(u, v)); }};
    case 196: return {[](double u, double v) { return 0.4 * (0.5 + 0.5 * std::sin(u * 25 + 2 * std::sin(v * 7))); }};
    case 193: return {[](double u, double v) { return 0.45 * (0.5 + 0.5 * std::sin(Radius(u, v) * 50)); }};
    case 197: return {[](double u, double v) { const double n = Fbm(u * 2.5, v * 2.5, 197, 5); return 0.9 * n * n; }};
    case 188:
        return {[](double u, double v) {
            const double blot = Fbm(u * 9, v * 9, 188, 3);
            return blot > 0.66 - 0.2 * (1 - Border(u, v)) ? 1.0 : 0.0;
        }};
    case 189: return {[](double u, double v) { return 0.6 * Fbm(u * 1.5, v * 1.5, 189, 4) + 0.3 * (1 - Step(0.0, 0.5, Border(u, v))); }};
    // The soft border that no gallery item names.
    case 190: return {[](double u, double v) { return 1 - Step(0.0, 0.3, Border(u, v)); }};
    default: return {};
    }
}

// Three passes of a box filter of radius r over rows and columns: a soft
// edge of about 2r pixels.
void BoxBlur(std::vector<double>& m, int32_t size, int32_t r)
{
    std::vector<double> line(size_t(size), 0.0);
    for (int pass = 0; pass < 3; ++pass) {
        for (int dir = 0; dir < 2; ++dir) {
            for (int32_t i = 0; i < size; ++i) {
                auto at = [&](int32_t j) -> double& {
                    return dir == 0 ? m[size_t(i) * size_t(size) + size_t(j)] : m[size_t(j) * size_t(size) + size_t(i)];
                };
                for (int32_t j = 0; j < size; ++j) {
                    double sum = 0;
                    for (int32_t k = -r; k <= r; ++k)
                        sum += at(std::clamp(j + k, 0, size - 1));
                    line[size_t(j)] = sum / (2 * r + 1);
                }
                for (int32_t j = 0; j < size; ++j)
                    at(j) = line[size_t(j)];
            }
        }
    }
}

} // namespace

std::vector<uint8_t> DrawMask(int32_t resource, int32_t size)
{
    const Drawn drawn = DesignOf(resource);
    if (!drawn.design)
        return {};
    constexpr int kSub = 3; // samples per pixel side, for smooth hard edges
    std::vector<double> m(size_t(size) * size_t(size));
    for (int32_t y = 0; y < size; ++y)
        for (int32_t x = 0; x < size; ++x) {
            double sum = 0;
            for (int sy = 0; sy < kSub; ++sy)
                for (int sx = 0; sx < kSub; ++sx) {
                    const double u = (x + (sx + 0.5) / kSub) / size * 2 - 1;
                    const double v = (y + (sy + 0.5) / kSub) / size * 2 - 1;
                    sum += Clamp01(drawn.design(u, v));
                }
            m[size_t(y) * size_t(size) + size_t(x)] = sum / (kSub * kSub);
        }
    if (drawn.blur > 0)
        BoxBlur(m, size, std::max(1, drawn.blur * size / 160));
    std::vector<uint8_t> out(m.size());
    for (size_t i = 0; i < m.size(); ++i)
        out[i] = uint8_t(std::lround(Clamp01(m[i]) * 255));
    return out;
}
