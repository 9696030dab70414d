// The preview crop: where it lies in the filter area, what the host is
// asked for, what the preview shows filtered and unfiltered, and dragging
// it across the image.
#include "ArtFixture.h"
#include "RingReference.h"

#include "filters/art/frame/PreviewCrop.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <ostream>

namespace {

struct CropCase {
    const char* name;
    Rect filter;
    VBox expected;
};

void PrintTo(const CropCase& c, std::ostream* out) { *out << c.name; }

class CropBox : public ::testing::TestWithParam<CropCase> {};

TEST_P(CropBox, IsCentredAndAtMost180Square)
{
    const CropCase& c = GetParam();
    const VBox box = PreviewCropBox(c.filter);
    EXPECT_EQ(box.left, c.expected.left);
    EXPECT_EQ(box.top, c.expected.top);
    EXPECT_EQ(box.right, c.expected.right);
    EXPECT_EQ(box.bottom, c.expected.bottom);
}

INSTANTIATE_TEST_SUITE_P(Areas, CropBox,
                         ::testing::Values(CropCase{"narrow_and_tall", {0, 0, 400, 100}, {0, 110, 100, 290}},
                                           CropCase{"large_selection", {10, 20, 411, 1021}, {430, 120, 610, 300}},
                                           CropCase{"small", {5, 7, 25, 47}, {7, 5, 47, 25}},
                                           CropCase{"odd_remainders", {0, 0, 183, 181}, {0, 1, 180, 181}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MovedCropBox, StaysInsideTheFilterArea)
{
    const Rect f{10, 20, 310, 420}; // 400 x 300
    const Rect at{40, 60, 220, 240};
    struct {
        int32_t dx, dy, left, top;
    } const cases[] = {
        {5, -3, 65, 37}, {-100, -100, 20, 10}, {1000, 1000, 240, 130}, {0, 0, 60, 40},
    };
    for (const auto& c : cases) {
        const VBox b = MovedCropBox(f, at, 180, 180, c.dx, c.dy);
        EXPECT_EQ(b.left, c.left) << c.dx;
        EXPECT_EQ(b.top, c.top) << c.dy;
        EXPECT_EQ(b.right - b.left, 180);
        EXPECT_EQ(b.bottom - b.top, 180);
    }
}

using ArtPreview = ArtFixture;

const ShownMap& LastShown(const ScriptedHost& host)
{
    EXPECT_FALSE(host.shown.empty());
    return host.shown.back();
}

// The picture's pixels of a rectangle, rows of width x planes bytes.
std::vector<uint8_t> Crop(const ScriptedHost& host, const Rect& r)
{
    std::vector<uint8_t> out;
    for (int32_t y = r.top; y < r.bottom; ++y)
        for (int32_t x = r.left; x < r.right; ++x)
            for (int32_t k = 0; k < host.Planes(); ++k)
                out.push_back(host.In(x, y, k));
    return out;
}

// The preview's ring sum of the crop at r: black above its first row.
std::vector<uint8_t> FilteredCrop(const ScriptedHost& host, const Rect& r, const RingCase& ring)
{
    return RingSum(
        ring, r.right - r.left, r.bottom - r.top, host.Planes(),
        [&](int32_t x, int32_t y, int32_t k) { return host.In(r.left + x, r.top + y, k); }, 0, true);
}

QWidget* PreviewOf(fw::Dialog& d)
{
    QWidget* w = d.GetDlgItem(10006);
    EXPECT_NE(w, nullptr);
    return w;
}

void Mouse(QWidget* w, QEvent::Type type, int x, int y)
{
    const QPointF p(x, y);
    QMouseEvent event(type, p, w->mapToGlobal(p), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

bool Same(const Rect& a, const Rect& b)
{
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

TEST_F(ArtPreview, ShowsTheCentredCropFilteredAndUnfiltered)
{
    RememberHost(2, PI_FOURCC('F', 'S', 'X', '3'));
    auto host = MakeHost({PI_FOURCC('F', 'S', 'X', '3'), true, 100, 400, 3, {}});
    PrepareBlock(*host, 3, 2, 1);
    Params(*host).showDialog = 1;
    const Rect crop{110, 0, 290, 100};
    filterDialog = [&](fw::Dialog& d) {
        EXPECT_TRUE(Same(host->record.inRect, crop));
        EXPECT_TRUE(Same(host->record.outRect, crop));
        EXPECT_EQ(host->record.inputRate, PI_FIXED_ONE);
        EXPECT_EQ(host->record.inputPadding, -1);
        PreviewOf(d)->grab();
        EXPECT_EQ(LastShown(*host).width, 100);
        EXPECT_EQ(LastShown(*host).height, 180);
        EXPECT_EQ(LastShown(*host).pixels, FilteredCrop(*host, crop, {3, 2, true}));
        // Switched off: the unfiltered crop, without filtering.
        auto* box = qobject_cast<QCheckBox*>(d.GetDlgItem(1000));
        ASSERT_NE(box, nullptr);
        box->click();
        PreviewOf(d)->grab();
        EXPECT_EQ(LastShown(*host).pixels, Crop(*host, crop));
    };
    ASSERT_EQ(host->Run(false), 0);
    EXPECT_EQ(filterDialogs, 1);
    EXPECT_EQ(Ini().GetInt("PREVIEW", "SHOW", 1), 0);
    // The host run starts its random draws afresh, whatever the previews
    // drew: the same pixels as a run with the kept parameters.
    const std::vector<uint8_t> first = host->output;
    host->output = host->input;
    ASSERT_EQ(host->Run(false), 0);
    EXPECT_EQ(filterDialogs, 1);
    EXPECT_EQ(host->output, first);
}

TEST_F(ArtPreview, OnAHostThatDefersTheDialogOpensAtTheSecondContinue)
{
    auto host = MakeHost({});
    int32_t continuesAtDialog = -1;
    filterDialog = [&](fw::Dialog& d) {
        continuesAtDialog = host->continues;
        PreviewOf(d)->grab();
        const Rect crop{0, 0, 30, 40};
        EXPECT_EQ(LastShown(*host).pixels, FilteredCrop(*host, crop, {3, 2}));
    };
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(continuesAtDialog, 2);
}

TEST_F(ArtPreview, DraggingMovesTheCropWithinTheImageAndFiltersItOnRelease)
{
    const uint32_t sig = PI_FOURCC('8', 'B', 'I', 'M');
    RememberHost(0, sig);
    auto host = MakeHost({sig, true, 300, 260, 3, {}});
    filterDialog = [&](fw::Dialog& d) {
        QWidget* preview = PreviewOf(d);
        EXPECT_TRUE(Same(host->record.outRect, Rect{40, 60, 220, 240}));
        Mouse(preview, QEvent::MouseButtonPress, 50, 50);
        Mouse(preview, QEvent::MouseMove, 40, 45); // the hand moves left and up
        const Rect moved{45, 70, 225, 250};
        EXPECT_TRUE(Same(host->record.outRect, moved));
        preview->grab();
        EXPECT_EQ(LastShown(*host).pixels, Crop(*host, moved)); // unfiltered while dragging
        Mouse(preview, QEvent::MouseMove, 1040, 1045);
        EXPECT_TRUE(Same(host->record.outRect, Rect{0, 0, 180, 180}));
        Mouse(preview, QEvent::MouseMove, -2000, -2000);
        const Rect corner{80, 120, 260, 300};
        EXPECT_TRUE(Same(host->record.outRect, corner));
        Mouse(preview, QEvent::MouseButtonRelease, -2000, -2000);
        preview->grab();
        EXPECT_EQ(LastShown(*host).pixels, FilteredCrop(*host, corner, {3, 2}));
    };
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ArtPreview, AHostThatCannotDeliverAnywhereGetsTheCompatibilityMessage)
{
    RememberHost(1, PI_FOURCC(0x01, 0x8E, 0x6F, 0xDB));
    auto host = MakeHost({PI_FOURCC(0x01, 0x8E, 0x6F, 0xDB), true, 300, 260, 3, {}});
    filterDialog = [&](fw::Dialog& d) {
        QWidget* preview = PreviewOf(d);
        Mouse(preview, QEvent::MouseButtonPress, 50, 50);
        Mouse(preview, QEvent::MouseMove, 40, 45);
        Mouse(preview, QEvent::MouseButtonRelease, 40, 45);
        EXPECT_TRUE(Same(host->record.outRect, Rect{40, 60, 220, 240}));
    };
    ASSERT_EQ(host->Run(true), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Sorry, but your host application is not completely Adobe Photoshop Plug-in "
                                "interface v.3.05 compatible!\nCan't replace preview area!");
    EXPECT_EQ(messages[0].caption, "Art test Plug-in v.1.1");
    EXPECT_EQ(messages[0].type & fw::MB_ICONMASK, fw::MB_ICONSTOP);
}

} // namespace
