// Palette realization and animation on the three display families, against
// a simulated screen: a system palette that realizations change, and a
// window whose repaint draws the context into a memory device context.
#include "blt/MemoryDC.h"
#include "drawctx/WaPaletteDrawContext.h"
#include "drawctx/ZvWindowServices.h"

#include <gtest/gtest.h>

#include <string>

#include "DrawTestSupport.h"

namespace {

const ZvDisplay kTrueColour{false, 24};
const ZvDisplay kPaletteDisplay{true, 8, 256, 20};
const ZvDisplay kLowColour{false, 8};
constexpr uint8_t PC_RESERVED = 0x01;

class SimulatedScreen : public ZvWindowServices {
public:
    SimulatedScreen() : old_(ZvSetWindowServices(this)) {}
    ~SimulatedScreen() override { ZvSetWindowServices(old_); }

    int RealizePalette(ZvWindow*, const LOGPALETTE& p, bool background) override
    {
        int changed = 0;
        for (int i = 0; i < p.palNumEntries; ++i) {
            PALETTEENTRY& e = system.palPalEntry[i];
            const PALETTEENTRY& want = p.palPalEntry[i];
            if (e.peRed != want.peRed || e.peGreen != want.peGreen || e.peBlue != want.peBlue) {
                e = want;
                ++changed;
            }
        }
        log.push_back((background ? "realize bg " : "realize fg ") + std::to_string(changed));
        return changed;
    }
    void UpdateColors(ZvWindow*) override { log.push_back("update colours"); }
    void AnimateEntries(ZvWindow*, unsigned first, unsigned count, const PALETTEENTRY* entries) override
    {
        std::copy_n(entries, count, system.palPalEntry + first);
        log.push_back("animate " + std::to_string(first) + "+" + std::to_string(count));
    }
    void Invalidate(ZvWindow*, bool erase) override { log.push_back(erase ? "invalidate erase" : "invalidate"); }
    void UpdateNow(ZvWindow*) override
    {
        log.push_back("update now");
        Paint();
    }
    void Activate(ZvWindow*) override { log.push_back("activate"); }
    void RestoreActivation(ZvWindow*) override { log.push_back("restore"); }

    void Paint() { context->Draw(&dc, nullptr, nullptr, 0, 0, nullptr); }
    // Another program realizes a palette of its own.
    void Disturb()
    {
        for (PALETTEENTRY& e : system.palPalEntry)
            e = PALETTEENTRY{1, 2, 3, 0};
    }
    std::vector<std::string> Take() { return std::exchange(log, {}); }

    ZV_DRAWCONTEXT* context = nullptr;
    MemoryDC dc{16, 16};
    LOGPALETTE system;
    std::vector<std::string> log;

private:
    ZvWindowServices* old_;
};

using Log = std::vector<std::string>;

// An 8-bit picture whose pixels are all index 0 of a palette of greys with
// entry 0 red.
WA* RedPicture()
{
    PALETTEENTRY palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = PALETTEENTRY{uint8_t(i), uint8_t(i), uint8_t(i), 0};
    palette[0] = PALETTEENTRY{200, 0, 0, 0};
    return new WA(WA_TYPE_8BIT, 16, 16, palette);
}

// The red picture in a context on display, drawn once on the screen.
struct RedScene {
    RedScene(const ZvDisplay& display, ZV_REDRAWNTF* receiver = nullptr) : scope(display)
    {
        WA* wa = RedPicture();
        ctx.reset(WACreateDrawContext(wa, receiver));
        WARelease(wa);
        screen.context = ctx.get();
        screen.Paint();
    }
    WaDrawContext* Context() const { return static_cast<WaDrawContext*>(ctx.get()); }

    DisplayScope scope;
    SimulatedScreen screen;
    ContextPtr ctx;
};

} // namespace

TEST(PaletteAnimation, CanAnimatePaletteAgreesWithBegin)
{
    struct Case {
        const char* name;
        ZvDisplay display;
        int type;
    };
    const Case cases[] = {
        {"true colour, RGB", kTrueColour, WA_TYPE_RGB},   {"true colour, 8-bit", kTrueColour, WA_TYPE_8BIT},
        {"palette, RGB", kPaletteDisplay, WA_TYPE_RGB},    {"palette, 8-bit", kPaletteDisplay, WA_TYPE_8BIT},
        {"low colour, RGB", kLowColour, WA_TYPE_RGB},      {"low colour, 8-bit", kLowColour, WA_TYPE_8BIT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DisplayScope d(c.display);
        WaHolder pic(c.type, 16, 16);
        SimulatedScreen screen;
        ContextPtr ctx(WACreateDrawContext(pic, nullptr));
        screen.context = ctx.get();

        // Nothing drawn yet: Begin draws what it needs itself.
        PALETTEENTRY out[4] = {};
        const int begun = ctx->BeginPaletteAnimation(nullptr, 0, 4, out);
        EXPECT_EQ(begun > 0, ctx->CanAnimatePalette() == 1);
        if (begun == 0) {
            EXPECT_EQ(ctx->AnimatePalette(nullptr, 0, 1, out), 0);
            continue;
        }
        EXPECT_EQ(begun, 4);
        const LOGPALETTE* shown = static_cast<WaDrawContext*>(ctx.get())->DisplayPalette();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(out[3].peRed, shown->palPalEntry[3].peRed);
        EXPECT_EQ(ctx->BeginPaletteAnimation(nullptr, 0, 4, out), 0) << "one runs already";
        // Past the end of the palette nothing is copied or changed.
        EXPECT_EQ(ctx->AnimatePalette(nullptr, shown->palNumEntries, 1, out), 0);
        ctx->EndPaletteAnimation(nullptr);
        EXPECT_EQ(ctx->BeginPaletteAnimation(nullptr, 0, 4, out), 4) << "a new one after the end";
        ctx->EndPaletteAnimation(nullptr);
    }
}

TEST(PaletteAnimation, TrueColourRepaintsWithTheChangedTable)
{
    RedScene scene(kTrueColour);
    SimulatedScreen& screen = scene.screen;
    ZV_DRAWCONTEXT* ctx = scene.ctx.get();
    ASSERT_EQ(screen.dc.DevicePixel(5, 5), QnRGB(200, 0, 0));
    EXPECT_EQ(ctx->RealizeForeground(nullptr), 0); // no palette to realize
    ctx->RealizeBackground(nullptr);
    EXPECT_EQ(screen.Take(), Log{});

    PALETTEENTRY out[1] = {};
    ASSERT_EQ(ctx->BeginPaletteAnimation(nullptr, 0, 1, out), 1);
    EXPECT_EQ(out[0].peRed, 200);
    const PALETTEENTRY green{0, 180, 0, 0};
    EXPECT_EQ(ctx->AnimatePalette(nullptr, 0, 1, &green), 1);
    EXPECT_EQ(screen.Take(), (Log{"invalidate"}));
    screen.Paint();
    EXPECT_EQ(screen.dc.DevicePixel(5, 5), QnRGB(0, 180, 0));

    ctx->EndPaletteAnimation(nullptr);
    EXPECT_EQ(screen.Take(), (Log{"invalidate"}));
    screen.Paint();
    EXPECT_EQ(screen.dc.DevicePixel(5, 5), QnRGB(200, 0, 0));
}

TEST(PaletteAnimation, TrueColourPictureIsShownInFullColourAgainAfterTheEnd)
{
    DisplayScope d(kTrueColour);
    WaHolder pic(WA_TYPE_RGB, 16, 16);
    SimulatedScreen screen;
    ContextPtr ctx(WACreateDrawContext(pic, nullptr));
    auto* w = static_cast<WaDrawContext*>(ctx.get());
    screen.context = ctx.get();
    screen.Paint();
    ASSERT_GT(w->EffectiveOptions().colors, 256u);

    PALETTEENTRY out[2] = {};
    ASSERT_EQ(ctx->BeginPaletteAnimation(nullptr, 0, 2, out), 2);
    EXPECT_EQ(screen.Take(), (Log{"invalidate erase", "update now"}));
    EXPECT_LE(w->EffectiveOptions().colors, 256u);
    ctx->EndPaletteAnimation(nullptr);
    screen.Paint();
    EXPECT_GT(w->EffectiveOptions().colors, 256u);
    EXPECT_EQ(w->DisplayPalette(), nullptr);
}

TEST(PaletteAnimation, PaletteDisplayRealizesInForegroundAndBackground)
{
    RecordingNtf ntf;
    RedScene scene(kPaletteDisplay, &ntf);
    SimulatedScreen& screen = scene.screen;
    ZV_DRAWCONTEXT* ctx = scene.ctx.get();
    const int entries = scene.Context()->DisplayPalette()->palNumEntries;
    const std::string all = std::to_string(entries);

    EXPECT_EQ(ctx->RealizeForeground(nullptr), 1);
    EXPECT_EQ(screen.Take(), (Log{"realize fg " + all, "invalidate erase"}));
    EXPECT_EQ(ctx->RealizeForeground(nullptr), 1);
    EXPECT_EQ(screen.Take(), (Log{"realize fg 0"}));

    // Three changes in a row: the receiver updates the colours, then the
    // system does when the receiver leaves it, then the window repaints.
    screen.Disturb();
    ctx->RealizeBackground(nullptr);
    EXPECT_EQ(screen.Take(), (Log{"realize bg " + all}));
    EXPECT_EQ(ntf.updates, 1);
    ntf.answer = 0;
    screen.Disturb();
    ctx->RealizeBackground(nullptr);
    EXPECT_EQ(screen.Take(), (Log{"realize bg " + all, "update colours"}));
    screen.Disturb();
    ctx->RealizeBackground(nullptr);
    EXPECT_EQ(screen.Take(), (Log{"realize bg " + all, "invalidate"}));
    EXPECT_EQ(ntf.updates, 2);
    ctx->RealizeBackground(nullptr);
    EXPECT_EQ(screen.Take(), (Log{"realize bg 0"}));

    // Back in front with nothing changed: the pending background
    // realization still repaints once.
    EXPECT_EQ(ctx->RealizeForeground(nullptr), 1);
    EXPECT_EQ(screen.Take(), (Log{"realize fg 0", "invalidate erase"}));
    EXPECT_EQ(ctx->RealizeForeground(nullptr), 1);
    EXPECT_EQ(screen.Take(), (Log{"realize fg 0"}));
}

TEST(PaletteAnimation, PaletteDisplayAnimatesEntriesLive)
{
    RedScene scene(kPaletteDisplay);
    SimulatedScreen& screen = scene.screen;
    ZV_DRAWCONTEXT* ctx = scene.ctx.get();
    WaDrawContext* w = scene.Context();
    ctx->RealizeForeground(nullptr);
    screen.Take();
    const uint8_t firstRed = w->DisplayPalette()->palPalEntry[0].peRed;

    PALETTEENTRY out[2] = {};
    ASSERT_EQ(ctx->BeginPaletteAnimation(nullptr, 0, 2, out), 2);
    EXPECT_EQ(screen.Take(), (Log{"activate", "invalidate erase", "update now", "restore"}));
    EXPECT_EQ(out[0].peRed, firstRed);
    for (int i = 0; i < w->DisplayPalette()->palNumEntries; ++i)
        ASSERT_EQ(w->DisplayPalette()->palPalEntry[i].peFlags, PC_RESERVED) << i;

    const PALETTEENTRY blue{0, 0, 190, 0};
    EXPECT_EQ(ctx->AnimatePalette(nullptr, 0, 1, &blue), 1);
    EXPECT_EQ(screen.Take(), (Log{"animate 0+1"}));
    EXPECT_EQ(screen.system.palPalEntry[0].peBlue, 190);

    // An animated palette is never remapped: a change repaints at once.
    screen.Disturb();
    ctx->RealizeBackground(nullptr);
    EXPECT_EQ(screen.Take().back(), "invalidate");

    ctx->EndPaletteAnimation(nullptr);
    EXPECT_EQ(screen.Take(), (Log{"invalidate erase"}));
    EXPECT_EQ(w->DisplayPalette()->palPalEntry[0].peRed, firstRed);
    screen.Paint();
    EXPECT_EQ(w->DisplayPalette()->palPalEntry[0].peFlags, 0);
}
