// The art dialog base through its hooks: the parameters it reads from and
// writes to the filter's settings section, the slider reports, help, and
// Cancel. One test grabs the dialog to a picture for a look.
#include "ArtFixture.h"

#include "blt/DeviceContext.h"

#include <QLabel>
#include <QSlider>
#include <QWidget>
#include <fstream>
#include <iterator>

namespace {

using ArtDialog = ArtFixture;

QSlider* Slider(fw::Dialog& d, uint32_t id)
{
    auto* slider = qobject_cast<QSlider*>(d.GetDlgItem(id));
    EXPECT_NE(slider, nullptr) << id;
    return slider;
}

std::string Number(fw::Dialog& d, uint32_t id)
{
    auto* label = qobject_cast<QLabel*>(d.GetDlgItem(id));
    return label ? label->text().toStdString() : std::string("<none>");
}

TEST_F(ArtDialog, OkWritesTheParametersAndThePreviewSwitchToTheSettings)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({});
    filterDialog = [&](fw::Dialog& d) {
        QSlider* margin = Slider(d, 1002);
        EXPECT_EQ(margin->value(), 2);
        EXPECT_EQ(Number(d, 1012), "2");
        margin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_EQ(Params(*host).Param(2), 3);
        EXPECT_EQ(Number(d, 1012), "3");
    };
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(Ini().GetInt("RingTest", "Param1", -1), 3);
    EXPECT_EQ(Ini().GetInt("RingTest", "Param2", -1), 3);
    for (int k = 3; k <= 7; ++k)
        EXPECT_EQ(Ini().GetInt("RingTest", "Param" + std::to_string(k), -1), 0) << k;
    EXPECT_EQ(Ini().GetInt("PREVIEW", "SHOW", -1), 1);
    // The run filtered with the margin chosen.
    EXPECT_EQ(Params(*host).ringMargin, 3);
    EXPECT_EQ(Params(*host).showDialog, 0);
}

TEST_F(ArtDialog, CancelAnswersUserCancelAndWritesNothing)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    const std::string before = [&] {
        Ini().WriteInt("RingTest", "Param1", 4);
        std::ifstream in(IniPath());
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    auto host = MakeHost({});
    filterOk = false;
    filterDialog = [&](fw::Dialog& d) {
        Slider(d, 1001)->triggerAction(QAbstractSlider::SliderToMaximum);
        Slider(d, 1002)->triggerAction(QAbstractSlider::SliderPageStepAdd);
    };
    EXPECT_EQ(host->Run(true), userCanceledErr);
    EXPECT_EQ(host->output, host->input);
    std::ifstream in(IniPath());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), before);
    EXPECT_EQ(Params(*host).showDialog, 1);
    EXPECT_EQ(host->calls.back(), (std::pair<int16_t, int16_t>{filterSelectorFinish, 0}));
}

TEST_F(ArtDialog, TheSettingsWinOverTheBlockAndOutOfRangeValuesAreBroughtIn)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    Ini().WriteInt("RingTest", "Param1", 5);
    Ini().WriteInt("RingTest", "Param2", 99); // beyond the slider's 0..6
    Ini().WriteInt("RingTest", "Param7", -12);
    auto host = MakeHost({});
    filterDialog = [&](fw::Dialog& d) {
        EXPECT_EQ(Slider(d, 1001)->value(), 5);
        EXPECT_EQ(Slider(d, 1002)->value(), 6);
        EXPECT_EQ(Params(*host).Param(2), 6);
        EXPECT_EQ(Params(*host).Param(7), -12);
    };
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(Params(*host).ringSize, 5);
    EXPECT_EQ(Ini().GetInt("RingTest", "Param2", -1), 6);
}

TEST_F(ArtDialog, TheThumbTrackOnlyShowsTheNumberAndEveryEndOfAMoveStoresIt)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({});
    filterDialog = [&](fw::Dialog& d) {
        QSlider* size = Slider(d, 1001);
        size->setSliderDown(true);
        size->setSliderPosition(7);
        EXPECT_EQ(Number(d, 1010), "7");
        EXPECT_EQ(Params(*host).Param(1), 3);
        size->setSliderDown(false);
        EXPECT_EQ(Params(*host).Param(1), 7);
        // Home moves the thumb to the start: the value follows it.
        size->triggerAction(QAbstractSlider::SliderToMinimum);
        EXPECT_EQ(Params(*host).Param(1), 1);
        EXPECT_EQ(Number(d, 1010), "1");
        d.PressButton(9);
    };
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(helpTopics, (std::vector<uint32_t>{21}));
    EXPECT_EQ(Ini().GetInt("RingTest", "Param1", -1), 1);
}

// Draws what the module shows into the device context it paints, as the
// editor's displayPixels does.
OSErr DrawPreview(const PSPixelMap* map, const VRect* src, int32_t dstRow, int32_t dstCol, void* context)
{
    if (!context)
        return noErr;
    const int32_t w = src->right - src->left;
    const int32_t h = src->bottom - src->top;
    DibBits dib{w, h, nullptr};
    std::vector<uint8_t> bits(size_t(dib.RowBytes()) * size_t(h));
    const auto* base = static_cast<const uint8_t*>(map->baseAddr);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const uint8_t* p = base + (src->top + y) * map->rowBytes + (src->left + x) * map->colBytes;
            uint8_t* q = &bits[size_t(h - 1 - y) * size_t(dib.RowBytes()) + size_t(x) * 3];
            const bool grey = map->colBytes < 3;
            q[0] = p[grey ? 0 : 2];
            q[1] = p[grey ? 0 : 1];
            q[2] = p[0];
        }
    dib.bits = bits.data();
    static_cast<DeviceContext*>(context)->SetDIBitsToDevice(dstCol, dstRow, w, h, 0, 0, dib);
    return noErr;
}

TEST_F(ArtDialog, GrabbedForALook)
{
    RememberHost(2, PI_FOURCC('F', 'S', 'X', '3'));
    ScriptedHost::Options options{PI_FOURCC('F', 'S', 'X', '3'), true, 240, 200, 3, {}};
    auto host = MakeHost(options);
    // A smooth picture shows what the ring sum does better than noise.
    for (int32_t y = 0; y < 200; ++y)
        for (int32_t x = 0; x < 240; ++x) {
            host->input[size_t((y * 240 + x) * 3)] = uint8_t(x);
            host->input[size_t((y * 240 + x) * 3 + 1)] = uint8_t(y);
            host->input[size_t((y * 240 + x) * 3 + 2)] = uint8_t((x + y) / 2);
        }
    host->output = host->input;
    host->Reset();
    host->record.displayPixels = DrawPreview;
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    Params(*host).Param(1) = 1;
    Params(*host).Param(2) = 0;
    ASSERT_EQ(host->Call(filterSelectorPrepare), 0);
    ASSERT_EQ(host->Call(filterSelectorStart), 0);
    bool grabbed = false;
    filterDialog = [&](fw::Dialog& d) {
        d.adjustSize();
        const QString path = QString::fromStdString(config / "artframe-dialog.png");
        grabbed = d.grab().save(path);
        if (const char* keep = getenv("ART_DIALOG_PNG"))
            d.grab().save(keep);
        d.PressButton(fw::IDCANCEL);
    };
    EXPECT_EQ(host->Call(filterSelectorContinue), userCanceledErr);
    EXPECT_TRUE(grabbed);
    host->Call(filterSelectorFinish);
}

} // namespace
