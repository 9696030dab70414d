#include "drawctx/ZvColorOptModel.h"
#include "drawctx/ZvColorRules.h"
#include "drawctx/ZvGammaModel.h"
#include "drawctx/zvwa/WA.h"

#include <gtest/gtest.h>

namespace {

// What the client's callbacks answer and how often they were called.
struct Client {
    int valid = 1, supported = 1, fast = 0;
    int changed = 0, helped = 0, previews = 0;
};

Client* C(intptr_t user) { return reinterpret_cast<Client*>(user); }
int IsFast(intptr_t u, int, const ZV_CDOPT&) { return C(u)->fast; }
int IsAvailable(intptr_t u, int, const ZV_CDOPT&, int& supported)
{
    supported = C(u)->supported;
    return C(u)->valid;
}
void Changed(intptr_t u) { ++C(u)->changed; }
void Helped(intptr_t u) { ++C(u)->helped; }
void Previewed(intptr_t u) { ++C(u)->previews; }

ZvColorOptModel Model(int type, ZV_CDOPTFV& o, Client& c, ZvUserProc help = nullptr)
{
    return ZvColorOptModel(type, o, IsFast, IsAvailable, Changed, help, reinterpret_cast<intptr_t>(&c));
}

} // namespace

TEST(ColorOptModel, ListsFollowThePictureType)
{
    Client c;
    ZV_CDOPTFV o; // 16.7M colours, fast view
    ZvColorOptModel m = Model(WA_TYPE_RGB, o, c);
    // Direct depths (the picture's own palette) do not suit a colour picture.
    EXPECT_EQ(m.Depths(), (std::vector<int>{2, 3, 4, 5, 7, 8, 9, 10, 11, 13, 14, 15, 16}));
    EXPECT_EQ(m.Depths()[size_t(m.DepthSelection())], 16);
    EXPECT_EQ(o.colors, 16777216u); // the row's current value, clamped into its range
    EXPECT_FALSE(m.ColorsEnabled());
    EXPECT_EQ(m.Dithers().size(), 21u);
    EXPECT_EQ(m.Dithers()[size_t(m.DitherSelection())], 0);
    EXPECT_FALSE(m.HasHelp());

    ZV_CDOPTFV bw(0, 1, 2, 2, 1);
    ZvColorOptModel one = Model(WA_TYPE_1BIT, bw, c);
    EXPECT_EQ(one.Depths()[size_t(one.DepthSelection())], 1);
    // Shown directly: no dithering but "None".
    EXPECT_EQ(one.Dithers(), (std::vector<int>{0}));
    EXPECT_TRUE(one.OkEnabled());
}

TEST(ColorOptModel, DepthDitherAndColours)
{
    Client c;
    ZV_CDOPTFV o;
    ZvColorOptModel m = Model(WA_TYPE_RGB, o, c);
    const auto& d = m.Depths();
    m.SelectDepth(int(std::find(d.begin(), d.end(), 13) - d.begin())); // optimised palette, 16..256
    EXPECT_EQ(o.flags & ZV_KIND_MASK, 7u);
    EXPECT_EQ(o.colors, 256u);
    EXPECT_TRUE(m.ColorsEnabled());
    EXPECT_FALSE(m.SetColorsText("300"));
    EXPECT_FALSE(m.SetColorsText("-20"));
    EXPECT_FALSE(m.SetColorsText("1x"));
    EXPECT_EQ(o.colors, 256u);
    EXPECT_TRUE(m.SetColorsText("100"));
    EXPECT_EQ(o.colors, 100u);
    EXPECT_EQ(ZvDepthTableRow(13)->current, 100u); // remembered for the next time

    // Error diffusion (index 1) keeps the kind.
    const auto& t = m.Dithers();
    m.SelectDither(int(std::find(t.begin(), t.end(), 1) - t.begin()));
    EXPECT_EQ(o.flags, 7u | 8u);
    // Another depth keeps the dithering where it is valid.
    m.SelectDepth(int(std::find(d.begin(), d.end(), 10) - d.begin())); // 6x6x6 uniform
    EXPECT_EQ(o, ZV_CDOPTFV(1, 0, 216, 5 | 8, 1));
    EXPECT_FALSE(m.ColorsEnabled());
}

TEST(ColorOptModel, ResultLine)
{
    struct Case {
        int valid, supported, fast, fastView;
        ZvColorOptModel::Icon icon;
        int message;
    };
    const Case cases[] = {
        {0, 1, 0, 1, ZvColorOptModel::IconFail, 570},      {1, 1, 0, 1, ZvColorOptModel::IconOk, 568},
        {1, 1, 1, 1, ZvColorOptModel::IconAttention, 573}, {1, 1, 1, 0, ZvColorOptModel::IconAttention, 574},
        {1, 0, 1, 1, ZvColorOptModel::IconAttention, 571}, {1, 0, 1, 0, ZvColorOptModel::IconAttention, 572},
        {1, 0, 0, 1, ZvColorOptModel::IconAttention, 569},
    };
    for (const Case& k : cases) {
        Client c;
        c.valid = k.valid;
        c.supported = k.supported;
        c.fast = k.fast;
        ZV_CDOPTFV o;
        ZvColorOptModel m = Model(WA_TYPE_RGB, o, c);
        m.SetFastView(k.fastView != 0);
        EXPECT_EQ(m.ResultIcon(), k.icon) << k.message;
        EXPECT_EQ(m.ResultMessage(), k.message);
        EXPECT_EQ(m.FastViewEnabled(), k.fast != 0);
    }
}

TEST(ColorOptModel, ApplyOkAndCancel)
{
    const ZV_CDOPTFV incoming(1, 0, 16777216, 1, 1);
    {
        // Cancel after an Apply that changed the options: back, and told.
        Client c;
        ZV_CDOPTFV o = incoming;
        ZvColorOptModel m = Model(WA_TYPE_RGB, o, c, Helped);
        m.SelectDepth(0);
        m.Apply();
        EXPECT_EQ(c.changed, 1);
        m.Apply(); // nothing new
        EXPECT_EQ(c.changed, 1);
        m.Help();
        EXPECT_EQ(c.helped, 1);
        m.Finish(false);
        EXPECT_EQ(o, incoming);
        EXPECT_EQ(c.changed, 2);
    }
    {
        // Cancel without Apply: the record is put back; nothing to tell.
        Client c;
        ZV_CDOPTFV o = incoming;
        ZvColorOptModel m = Model(WA_TYPE_RGB, o, c);
        m.SelectDepth(0);
        m.Finish(false);
        EXPECT_EQ(o, incoming);
        EXPECT_EQ(c.changed, 0);
    }
    {
        // OK tells of what was not applied yet, and only that.
        Client c;
        ZV_CDOPTFV o = incoming;
        ZvColorOptModel m = Model(WA_TYPE_RGB, o, c);
        m.SetFastView(false);
        m.Finish(true);
        EXPECT_EQ(c.changed, 1);
        EXPECT_EQ(o.fastView, 0);
        ZV_CDOPTFV same = incoming;
        ZvColorOptModel n = Model(WA_TYPE_RGB, same, c);
        n.Finish(true);
        EXPECT_EQ(c.changed, 1);
    }
}

TEST(GammaModel, TextsAndParsing)
{
    EXPECT_EQ(ZvGammaText(125), "1.25");
    EXPECT_EQ(ZvGammaText(29), "0.29");
    EXPECT_EQ(ZvGammaText(200), "2.00");
    struct Case {
        const char* text;
        int want;
    };
    const Case cases[] = {{"0.29", 29}, {"1.255", 125}, {"3", 300}, {" 1.5", 150}, {".5", 50}, {"abc", -1}, {"", -1}};
    for (const Case& k : cases)
        EXPECT_EQ(ZvParseGamma(k.text), k.want) << k.text;
}

TEST(GammaModel, EditsScrollsAndCancel)
{
    Client c;
    ZV_MG g(100, 100, 100);
    std::vector<ZV_MG> shown;
    ZvGammaModel m(g, Previewed, nullptr, reinterpret_cast<intptr_t>(&c), [&](const ZV_MG& v) { shown.push_back(v); });
    EXPECT_FALSE(m.HasHelp());

    m.EditDone(0, "0.29");
    EXPECT_EQ(g.red, 29);
    EXPECT_EQ(m.Text(0), "0.29");
    m.EditDone(0, "3"); // out of range: kept
    EXPECT_EQ(g.red, 29);
    EXPECT_EQ(m.Text(0), "0.29");
    EXPECT_EQ(c.previews, 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], ZV_MG(29, 100, 100));

    struct Step {
        int code, thumb, want;
    };
    const Step steps[] = {
        {ZV_SB_LINERIGHT, 0, 101},     {ZV_SB_LINELEFT, 0, 100},  {ZV_SB_PAGERIGHT, 0, 110},
        {ZV_SB_PAGELEFT, 0, 100},      {ZV_SB_THUMBTRACK, 170, 100}, {ZV_SB_THUMBPOSITION, 170, 170},
        {ZV_SB_THUMBPOSITION, 999, 200}, {ZV_SB_LEFT, 0, 25},     {ZV_SB_ENDSCROLL, 0, 25},
    };
    for (const Step& s : steps) {
        m.Scroll(1, s.code, s.thumb);
        EXPECT_EQ(g.green, s.want) << s.code;
    }
    // Thumb tracking shows the position but stores nothing.
    m.Scroll(2, ZV_SB_THUMBTRACK, 150);
    EXPECT_EQ(g.blue, 100);
    EXPECT_EQ(m.Text(2), "1.50");

    EXPECT_EQ(m.Finish(false), 0);
    EXPECT_EQ(g, ZV_MG(100, 100, 100));
    EXPECT_EQ(shown.back(), ZV_MG(100, 100, 100));
    EXPECT_EQ(m.Finish(true), 0);
    m.EditDone(2, "1.10");
    EXPECT_EQ(m.Finish(true), 1);
}

TEST(GammaModel, TestPictureFromTheLibrary)
{
    WA* wa = ZvLoadGammaPicture();
    ASSERT_NE(wa, nullptr);
    EXPECT_EQ(wa->type, WA_TYPE_RGB);
    EXPECT_EQ(wa->width, 128);
    EXPECT_EQ(wa->height, 96);
    // Bottom-up: row 0 is the solid level, the top row a full line.
    EXPECT_EQ(wa->Row(0)[0], 186);
    EXPECT_EQ(wa->Row(95)[0], 255);
    EXPECT_EQ(wa->Row(94)[0], 0);
    // The red column: blue, green, red.
    EXPECT_EQ(wa->Row(0)[3 * 40 + 2], 186);
    EXPECT_EQ(wa->Row(0)[3 * 40 + 0], 0);
    WARelease(wa);
}
