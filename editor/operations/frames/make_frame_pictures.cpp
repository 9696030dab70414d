// make_frame_pictures: draws the frames and mats that come with the editor,
// when it is built. Each frame style is a folder of square 24-bit bitmaps
// under <out>/Frame/Frame/, each mat a grey bitmap under <out>/Frame/Mat/.
// The drawings are our own: grain, gilding, brushed metal and paint made
// from seeded noise, every one seamless along its length (a frame side
// repeats its bitmap) and the mats seamless both ways (they are tiled).
//
//   make_frame_pictures <output folder>

#include "editor/operations/FramePicture.h"

#include "base/QnExcept.h"
#include "platform/AtomicFile.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int32_t kFrameSide = 64;
constexpr int32_t kMatSide = 64;

struct Rgb {
    double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb c, double f) { return {c.r * f, c.g * f, c.b * f}; }

// Value noise on a lattice that wraps every period cells in x and y, so a
// picture drawn from it joins its own copies without a seam.
class WrappingNoise {
public:
    WrappingNoise(uint32_t seed, int32_t periodX, int32_t periodY) : seed_(seed), px_(periodX), py_(periodY) {}

    // u, v in lattice cells.
    double At(double u, double v) const
    {
        const double fu = std::floor(u), fv = std::floor(v);
        const int32_t i = int32_t(fu), j = int32_t(fv);
        const double su = Smooth(u - fu), sv = Smooth(v - fv);
        const double top = Lerp(Cell(i, j), Cell(i + 1, j), su);
        const double bottom = Lerp(Cell(i, j + 1), Cell(i + 1, j + 1), su);
        return Lerp(top, bottom, sv);
    }

private:
    static double Smooth(double t) { return t * t * (3 - 2 * t); }
    static double Lerp(double a, double b, double t) { return a + (b - a) * t; }
    double Cell(int32_t i, int32_t j) const
    {
        const uint32_t x = uint32_t(((i % px_) + px_) % px_), y = uint32_t(((j % py_) + py_) % py_);
        uint32_t h = seed_ ^ (x * 0x9E3779B1u) ^ (y * 0x85EBCA77u);
        h ^= h >> 15;
        h *= 0x2C1B3C6Du;
        h ^= h >> 12;
        h *= 0x297A2D39u;
        h ^= h >> 15;
        return double(h & 0xFFFF) / 65535.0;
    }

    uint32_t seed_;
    int32_t px_, py_;
};

using Drawing = std::function<Rgb(int32_t x, int32_t y)>;

// x runs along the frame side (and must wrap), y across it from the outer
// edge (0) to the edge at the picture.
FramePicture Draw(int32_t side, const Drawing& drawing)
{
    FramePicture picture;
    picture.width = picture.height = side;
    picture.bits.assign(size_t(picture.Stride()) * size_t(side), 0);
    for (int32_t y = 0; y < side; ++y)
        for (int32_t x = 0; x < side; ++x) {
            const Rgb c = drawing(x, y);
            uint8_t* p = picture.Pixel(x, y);
            p[0] = uint8_t(std::clamp(std::lround(c.b), 0L, 255L));
            p[1] = uint8_t(std::clamp(std::lround(c.g), 0L, 255L));
            p[2] = uint8_t(std::clamp(std::lround(c.r), 0L, 255L));
        }
    return picture;
}

// A moulding's cross-section: raised lips at both edges, a cove between.
double Moulding(int32_t y, int32_t n)
{
    const double t = (y + 0.5) / n;
    const double lip = std::exp(-std::pow((t - 0.12) / 0.07, 2)) + 0.8 * std::exp(-std::pow((t - 0.9) / 0.05, 2));
    const double cove = -0.25 * std::sin(t * std::numbers::pi);
    return 1.0 + 0.25 * lip + cove * 0.5;
}

Drawing Wood(Rgb light, Rgb dark, uint32_t seed)
{
    return [=](int32_t x, int32_t y) {
        const WrappingNoise warp(seed, 4, 8), fine(seed + 7, 16, 64);
        const double u = double(x) / kFrameSide, v = double(y) / kFrameSide;
        const double grain = std::sin((v * 9 + 0.9 * warp.At(u * 4, v * 8)) * 2 * std::numbers::pi);
        const double t = 0.5 + 0.35 * grain + 0.3 * (fine.At(u * 16, v * 64) - 0.5);
        return Scale(Mix(light, dark, std::clamp(t, 0.0, 1.0)), Moulding(y, kFrameSide));
    };
}

Drawing Gilded(Rgb base, int32_t beads, uint32_t seed)
{
    return [=](int32_t x, int32_t y) {
        const WrappingNoise wear(seed, 8, 8);
        const double u = double(x) / kFrameSide, v = (y + 0.5) / kFrameSide;
        double shine = 0.75 + 0.35 * std::cos((v - 0.35) * 2.2 * std::numbers::pi);
        if (beads > 0 && v > 0.45 && v < 0.75) {
            // A row of round beads along the middle of the moulding.
            const double cell = u * beads - std::floor(u * beads) - 0.5;
            const double dv = (v - 0.6) / 0.15 * 0.5;
            const double r2 = cell * cell + dv * dv;
            shine = r2 < 0.2 ? 1.25 - r2 * 2.2 : 0.55;
        }
        const double worn = 0.85 + 0.3 * wear.At(u * 8, v * 8);
        return Scale(base, shine * worn);
    };
}

Drawing Brushed(Rgb base, double stripes, uint32_t seed)
{
    return [=](int32_t x, int32_t y) {
        const WrappingNoise streaks(seed, 2, 64);
        const double u = double(x) / kFrameSide, v = (y + 0.5) / kFrameSide;
        const double brushed = 0.85 + 0.3 * streaks.At(u * 2, v * 64);
        const double band = 1.0 + 0.12 * std::sin(v * stripes * 2 * std::numbers::pi);
        return Scale(base, brushed * band * Moulding(y, kFrameSide));
    };
}

Drawing Painted(Rgb base, Rgb edge)
{
    return [=](int32_t, int32_t y) {
        const double v = (y + 0.5) / kFrameSide;
        const bool rim = v < 0.1 || (v > 0.82 && v < 0.9);
        return Scale(rim ? edge : base, Moulding(y, kFrameSide));
    };
}

// Mats: grey texture near white, so the tint colour shows its own shade.
Drawing Mat(double level, double roughness, double cells, uint32_t seed)
{
    return [=](int32_t x, int32_t y) {
        const int32_t period = int32_t(cells);
        const WrappingNoise noise(seed, period, period);
        const double n = noise.At(x * cells / kMatSide, y * cells / kMatSide) - 0.5;
        const double g = level + roughness * n;
        return Rgb{g, g, g};
    };
}

Drawing Linen(uint32_t seed)
{
    return [=](int32_t x, int32_t y) {
        const WrappingNoise noise(seed, 16, 16);
        const double weave = ((x / 2 + y / 2) % 2 ? 6.0 : -6.0) + 14 * (noise.At(x / 4.0, y / 4.0) - 0.5);
        const double g = 228 + weave;
        return Rgb{g, g, g};
    };
}

struct Style {
    const char* type;
    const char* name;
    Drawing drawing;
};

struct MatDesign {
    const char* name;
    Drawing drawing;
};

std::vector<Style> Styles()
{
    return {
        {"Wood", "Oak", Wood({196, 150, 96}, {140, 96, 52}, 11)},
        {"Wood", "Walnut", Wood({120, 80, 50}, {70, 44, 26}, 23)},
        {"Wood", "Cherry", Wood({176, 90, 60}, {118, 52, 32}, 37)},
        {"Gold", "Gilded", Gilded({222, 178, 72}, 0, 41)},
        {"Gold", "Beaded", Gilded({214, 170, 64}, 4, 43)},
        {"Gold", "Antique", Gilded({170, 132, 60}, 8, 47)},
        {"Metal", "Silver", Brushed({200, 204, 210}, 3, 53)},
        {"Metal", "Steel", Brushed({150, 156, 164}, 5, 59)},
        {"Metal", "Bronze", Brushed({166, 112, 64}, 2, 61)},
        {"Painted", "Black", Painted({36, 36, 40}, {90, 90, 96})},
        {"Painted", "Ivory", Painted({236, 228, 204}, {200, 188, 160})},
        {"Painted", "Navy", Painted({36, 52, 96}, {200, 170, 90})},
    };
}

std::vector<MatDesign> Mats()
{
    return {
        {"Smooth", Mat(236, 10, 4, 71)},
        {"Linen", Linen(73)},
        {"Pebble", Mat(222, 40, 16, 79)},
        {"Suede", Mat(214, 24, 32, 83)},
    };
}

void Write(const std::filesystem::path& path, const FramePicture& picture)
{
    std::filesystem::create_directories(path.parent_path());
    platform::AtomicFile::Replace(path.string(), EncodeFramePicture(picture));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_frame_pictures <output folder>\n";
        return 2;
    }
    const std::filesystem::path root = std::filesystem::path(argv[1]) / "Frame";
    try {
        for (const Style& style : Styles())
            Write(root / "Frame" / style.type / (std::string(style.name) + ".bmp"), Draw(kFrameSide, style.drawing));
        for (const MatDesign& mat : Mats())
            Write(root / "Mat" / (std::string(mat.name) + ".bmp"), Draw(kMatSide, mat.drawing));
    } catch (const QnExcept& error) {
        std::cerr << "make_frame_pictures: " << error.what() << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "make_frame_pictures: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
