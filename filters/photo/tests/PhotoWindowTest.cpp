// The neighbourhood filters: their row rules against the arithmetic
// written out here over the ring the engine keeps (the top row repeated
// above the picture, the margins repeated beside it), small neighbourhoods
// with known answers, and runs of Fxrun.8bf compared pixel by pixel.
#include "PhotoFixture.h"

#include "filters/photo/CleanBkgnd.h"
#include "filters/photo/Focus.h"
#include "filters/photo/Mosaic.h"

#include <QSlider>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

// A picture of planes samples a pixel and the ring view of it for a
// window of n: ring row k of image row y, ring column j.
struct Picture {
    int32_t width, height, planes;
    std::vector<uint8_t> data;

    uint8_t At(int32_t x, int32_t y, int32_t i) const
    {
        return data[(size_t(y) * size_t(width) + size_t(x)) * size_t(planes) + size_t(i)];
    }
    int32_t RingImageRow(int32_t k, int32_t y, int32_t n) const { return std::max(0, y - (n - 1) + k); }
    int32_t RingImageColumn(int32_t j, int32_t n) const
    {
        return j < n ? 0 : j < n + width ? j - n : std::max(0, width - 2 * n);
    }
    int32_t Ring(int32_t k, int32_t j, int32_t y, int32_t n, int32_t i) const
    {
        return At(RingImageColumn(j, n), RingImageRow(k, y, n), i);
    }
    // The ring rows of image row y, as the row rules receive them.
    std::vector<std::vector<uint8_t>> RingRows(int32_t y, int32_t n) const
    {
        std::vector<std::vector<uint8_t>> rows(static_cast<size_t>(n));
        for (int32_t k = 0; k < n; ++k)
            for (int32_t j = 0; j < width + 2 * n; ++j)
                for (int32_t i = 0; i < planes; ++i)
                    rows[size_t(k)].push_back(uint8_t(Ring(k, j, y, n, i)));
        return rows;
    }
};

int32_t CleanReference(const Picture& pic, int32_t p1, int32_t x, int32_t y, int32_t i)
{
    const int32_t b = std::clamp(p1, 1, 30);
    const int32_t centre = pic.Ring(b / 2, x + b, y, b, i);
    int32_t sum = 0, count = 0;
    for (int32_t k = 0; k < b; ++k)
        for (int32_t j = x + b - b / 2; j < x + b - b / 2 + b; ++j) {
            const int32_t h = pic.Ring(k, j, y, b, i);
            if (centre - 40 < h && h < centre + 40)
                sum += h, ++count;
        }
    return count > 0 ? sum / count : centre;
}

int32_t FocusReference(const Picture& pic, int32_t p1, int32_t x, int32_t y, int32_t i)
{
    const int32_t windows[9] = {3, 3, 3, 3, 1, 3, 5, 9, 13};
    const int32_t sharpen[9] = {94, 88, 75, 50, 0, 0, 0, 0, 0};
    const int32_t d = windows[p1 - 1], c = sharpen[p1 - 1];
    if (d == 1)
        return pic.Ring(0, x + 1, y, 1, i);
    int32_t sum = 0;
    for (int32_t k = 0; k < d; ++k)
        for (int32_t j = x + d - d / 2; j < x + d - d / 2 + d; ++j)
            sum += pic.Ring(k, j, y, d, i);
    const int32_t mean = sum / (d * d);
    if (c == 0)
        return mean;
    const int32_t s = pic.Ring(d / 2, x + d, y, d, i);
    return std::clamp((s * 100 - c * mean) / (100 - c), 0, 255);
}

int32_t MosaicReference(const Picture& pic, int32_t p1, int32_t x, int32_t y, int32_t i)
{
    const int32_t e = std::clamp(p1, 1, 100);
    return pic.Ring(e - y % e - 1, x - x % e + e, y, e, i);
}

enum class Kind { Clean, Focus, Mosaic };

int32_t Reference(Kind kind, const Picture& pic, int32_t p1, int32_t x, int32_t y, int32_t i)
{
    switch (kind) {
    case Kind::Clean:
        return CleanReference(pic, p1, x, y, i);
    case Kind::Focus:
        return FocusReference(pic, p1, x, y, i);
    case Kind::Mosaic:
        return MosaicReference(pic, p1, x, y, i);
    }
    return -1;
}

int32_t WindowOf(Kind kind, int32_t p1)
{
    return kind == Kind::Focus ? FocusTable(p1).window : kind == Kind::Clean ? CleanBkgndSize(p1) : MosaicSize(p1);
}

std::vector<uint8_t> RunRow(Kind kind, const Picture& pic, int32_t p1, int32_t y)
{
    const int32_t n = WindowOf(kind, p1);
    const auto ring = pic.RingRows(y, n);
    std::vector<const uint8_t*> rows;
    for (const auto& r : ring)
        rows.push_back(r.data());
    std::vector<uint8_t> out(size_t(pic.width) * size_t(pic.planes), 0xEE);
    if (kind == Kind::Clean)
        CleanBkgndRow(rows.data(), n, n, pic.width, pic.planes, out.data());
    else if (kind == Kind::Focus)
        FocusRow(rows.data(), FocusTable(p1), n, pic.width, pic.planes, out.data());
    else
        MosaicRow(rows.data(), n, n, pic.width, pic.planes, y, out.data());
    return out;
}

// Smooth ramps with a few sharp steps, so that CleanBkgnd both counts and
// leaves out neighbours.
Picture Sample(int32_t width, int32_t height, int32_t planes, uint32_t seed)
{
    Picture pic{width, height, planes, {}};
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            for (int32_t i = 0; i < planes; ++i) {
                seed = seed * 1103515245u + 12345u;
                const int32_t base = (x * 9 + y * 5 + i * 40) % 200 + int32_t(seed >> 28);
                pic.data.push_back(uint8_t((x + y) % 7 == 0 ? 255 - base : base));
            }
    return pic;
}

struct RowCase {
    Kind kind;
    int32_t p1;
    int32_t width, height, planes;
};

TEST(PhotoWindow, RowRulesMatchTheirFormulasUpToThePicturesEdges)
{
    const RowCase cases[] = {
        {Kind::Clean, 1, 6, 4, 3},  {Kind::Clean, 2, 7, 5, 1},   {Kind::Clean, 5, 13, 9, 3},
        {Kind::Clean, 6, 4, 8, 4},  {Kind::Clean, 30, 9, 4, 1},  {Kind::Focus, 1, 11, 6, 3},
        {Kind::Focus, 3, 5, 4, 1},  {Kind::Focus, 4, 8, 5, 3},   {Kind::Focus, 5, 9, 3, 3},
        {Kind::Focus, 7, 12, 7, 1}, {Kind::Focus, 9, 17, 15, 3}, {Kind::Focus, 8, 3, 3, 3},
        {Kind::Mosaic, 1, 5, 4, 3}, {Kind::Mosaic, 3, 10, 8, 3}, {Kind::Mosaic, 4, 9, 9, 1},
        {Kind::Mosaic, 15, 20, 17, 4},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << int(c.kind) << " p1 " << c.p1 << " " << c.width << "x" << c.height
                                          << "x" << c.planes);
        const Picture pic = Sample(c.width, c.height, c.planes, uint32_t(c.p1 * 31 + c.width));
        for (int32_t y = 0; y < c.height; ++y) {
            const auto out = RunRow(c.kind, pic, c.p1, y);
            for (int32_t x = 0; x < c.width; ++x)
                for (int32_t i = 0; i < c.planes; ++i)
                    ASSERT_EQ(out[size_t(x * c.planes + i)], Reference(c.kind, pic, c.p1, x, y, i))
                        << x << "," << y << " plane " << i;
        }
    }
}

TEST(PhotoWindow, KnownNeighbourhoods)
{
    // A 3 x 3 window of one plane; the centre is 100. Samples 60 and 140
    // lie exactly 40 away and are left out; 61 and 139 are counted.
    Picture edges{3, 3, 1, {60, 140, 61, 139, 100, 60, 140, 60, 140}};
    EXPECT_EQ(RunRow(Kind::Clean, edges, 3, 2)[1], (61 + 139 + 100) / 3);
    Picture lonely{3, 3, 1, {0, 0, 0, 0, 200, 0, 0, 0, 0}};
    EXPECT_EQ(RunRow(Kind::Clean, lonely, 3, 2)[1], 200);
    EXPECT_EQ(RunRow(Kind::Clean, lonely, 3, 2)[0], 0);

    // Focus 0 and Mosaic 1 copy; Focus 4 is a 13 x 13 box mean.
    const Picture pic = Sample(16, 14, 3, 7);
    for (int32_t y = 0; y < pic.height; ++y) {
        const auto focus = RunRow(Kind::Focus, pic, 5, y);
        const auto mosaic = RunRow(Kind::Mosaic, pic, 1, y);
        const auto first = pic.data.begin() + ptrdiff_t(y) * 16 * 3;
        ASSERT_TRUE(std::equal(focus.begin(), focus.end(), first)) << y;
        ASSERT_TRUE(std::equal(mosaic.begin(), mosaic.end(), first)) << y;
    }
    Picture flat{14, 14, 1, std::vector<uint8_t>(14 * 14, 80)};
    flat.data[14 * 13 + 13] = 80 + 169; // one bright sample in the window
    const auto box = RunRow(Kind::Focus, flat, 9, 13);
    for (int32_t x = 0; x < 14; ++x)
        EXPECT_EQ(box[size_t(x)], x >= 7 ? 81 : 80) << x; // 13 x 13 windows that reach column 13
    EXPECT_EQ(FocusTable(9).window, 13);
    // Sharpening lifts a bright centre against its darker box.
    Picture spot{3, 3, 1, {50, 50, 50, 50, 100, 50, 50, 50, 50}};
    const int32_t mean = (8 * 50 + 100) / 9;
    EXPECT_EQ(RunRow(Kind::Focus, spot, 4, 2)[1], std::clamp((100 * 100 - 50 * mean) / 50, 0, 255));

    // Focus leaves two- and four-plane pictures as they are.
    const Picture four = Sample(5, 3, 4, 1);
    for (int32_t p1 : {1, 9}) {
        const auto out = RunRow(Kind::Focus, four, p1, 2);
        EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](uint8_t v) { return v == 0xEE; }));
    }
    // Damaged parameters are held to the sliders' ranges.
    EXPECT_EQ(CleanBkgndSize(0), 1);
    EXPECT_EQ(CleanBkgndSize(500), 30);
    EXPECT_EQ(MosaicSize(-3), 1);
    EXPECT_EQ(MosaicSize(1000), 100);
    EXPECT_EQ(FocusTable(0).window, 3);
    EXPECT_EQ(FocusTable(0).sharpen, 94);
    EXPECT_EQ(FocusTable(12).window, 13);
}

using PhotoWindowRun = PhotoFixture;

struct HostCase {
    const char* entry;
    Kind kind;
    int32_t p1;
    int16_t planes;
    int32_t window;
};

TEST_F(PhotoWindowRun, NeighbourhoodFiltersMatchTheirRulesPixelByPixel)
{
    RememberHost(0, PI_FOURCC('8', 'B', 'I', 'M'));
    const HostCase cases[] = {
        {"ENTRYPOINT1", Kind::Clean, 5, 3, 5},    {"ENTRYPOINT1", Kind::Clean, 8, 1, 8},
        {"ENTRYPOINT5", Kind::Focus, 2, 3, 3},    {"ENTRYPOINT5", Kind::Focus, 8, 1, 9},
        {"ENTRYPOINT5", Kind::Focus, 5, 3, 1},    {"ENTRYPOINT", Kind::Mosaic, 4, 3, 4},
        {"ENTRYPOINT", Kind::Mosaic, 15, 1, 15},
    };
    for (const HostCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.entry << " p1 " << c.p1 << " planes " << c.planes);
        ScriptedHost::Options options;
        options.hostSig = PI_FOURCC('8', 'B', 'I', 'M');
        options.planes = c.planes;
        options.width = 23;
        options.height = 19;
        auto host = MakeHost(options, c.entry);
        PrepareBlock(*host, c.p1, 0);
        ASSERT_EQ(host->Run(false), 0);
        const Picture pic{23, 19, c.planes, host->input};
        for (int32_t y = 0; y < pic.height; ++y)
            for (int32_t x = 0; x < pic.width; ++x)
                for (int32_t i = 0; i < c.planes; ++i)
                    ASSERT_EQ(host->Out(x, y, i), Reference(c.kind, pic, c.p1, x, y, i))
                        << x << "," << y << " plane " << i;
        EXPECT_EQ(Params(*host).ringMargin, c.window);
        EXPECT_EQ(Params(*host).ringSize, c.window);
    }
    EXPECT_TRUE(filterTitles.empty());
}

struct DialogCase {
    const char* entry;
    const char* title;
    const char* section;
    int32_t min, max, tick, start, chosen;
    const char* startLabel;
    const char* chosenLabel;
    uint32_t dialogTopic, sliderTopic;
};

TEST_F(PhotoWindowRun, DialogsStoreOnOkAndCancelWritesNothing)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    const DialogCase cases[] = {
        {"ENTRYPOINT1", "Cleaning background parameters", "CleanBkgnd", 1, 30, 3, 5, 7, "5", "7", 108, 109},
        {"ENTRYPOINT5", "Focus parameters", "Focus", 1, 9, 1, 4, 8, "-1", "3", 110, 111},
        {"ENTRYPOINT", "Mosaic parameters", "Mosaic", 1, 100, 10, 15, 3, "15", "3", 115, 116},
    };
    const auto iniText = [&] {
        std::ifstream in(IniPath());
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.entry);
        // Cancel first: the user-cancel code, the picture and the settings
        // untouched.
        const std::string before = iniText();
        filterOk = false;
        auto host = MakeHost({}, c.entry);
        filterDialog = [&](PhotoFilterDialog& d) { d.OnHScroll(ArtFilterDialog::kThumbPosition, 2, 1001); };
        EXPECT_EQ(host->Run(true), userCanceledErr);
        EXPECT_EQ(host->output, host->input);
        EXPECT_EQ(iniText(), before);

        filterOk = true;
        help.clear();
        host = MakeHost({}, c.entry);
        filterDialog = [&](PhotoFilterDialog& d) {
            EXPECT_EQ(d.windowTitle().toStdString(), c.title);
            auto* slider = qobject_cast<QSlider*>(d.GetDlgItem(1001));
            ASSERT_NE(slider, nullptr);
            EXPECT_EQ(slider->minimum(), c.min);
            EXPECT_EQ(slider->maximum(), c.max);
            EXPECT_EQ(slider->tickInterval(), c.tick);
            EXPECT_EQ(slider->value(), c.start);
            auto* label = qobject_cast<QLabel*>(d.GetDlgItem(1010));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text().toStdString(), c.startLabel);
            d.OnHScroll(ArtFilterDialog::kThumbPosition, c.chosen, 1001);
            EXPECT_EQ(label->text().toStdString(), c.chosenLabel);
            d.ShowDialogHelp();
            EXPECT_TRUE(d.ShowControlHelp(1001));
        };
        ASSERT_EQ(host->Run(true), 0);
        EXPECT_EQ(Params(*host).Param(1), c.chosen);
        EXPECT_EQ(Ini().GetInt(c.section, "Param1", 0), c.chosen);
        ASSERT_EQ(help.size(), 2u);
        EXPECT_EQ(help[0].data, c.dialogTopic);
        EXPECT_EQ(help[1].data, c.sliderTopic);
    }
}

} // namespace
