#include "filters/sdk/PIHandles.h"
#include "pluginhost/Fxgate.h"
#include "pluginhost/FxgateLibrary.h"
#include "PlugInFolders.h"
#include "TestPicture.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>
#include <type_traits>

namespace {

static_assert(!std::is_base_of_v<piInst_error, piInst_cancel>, "a handler for failures must not catch a cancel");

std::vector<std::tuple<int32_t, int32_t, int32_t>> progressCalls;
int32_t cancelAtCall = -1;

int32_t RecordProgress(int32_t phase, int32_t a, int32_t b)
{
    progressCalls.emplace_back(phase, a, b);
    return static_cast<int32_t>(progressCalls.size()) == cancelAtCall ? 1 : 0;
}

// Every test runs in a process of its own, with the library's one catalogue
// filled from a folder holding the invert and the faulty modules.
class HostRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        progressCalls.clear();
        cancelAtCall = -1;
        folders.AddModule("plugins", "invert");
        folders.AddModule("plugins", "faulty");
        const std::string folder = folders.Folder("plugins");
        const std::string file = folders.CatalogueFile();
        const PIInitPaths paths{file.c_str(), folder.c_str()};
        ASSERT_EQ(PIInitPluginSupport(&paths), 1);
    }

    static uint32_t Id(const char* name)
    {
        const int32_t id = Fxgate()->catalogue.IdByName(name);
        EXPECT_GT(id, 0) << name;
        return static_cast<uint32_t>(id);
    }

    // A picture whose every byte differs from its neighbours'.
    static TestPicture Pattern(int32_t type, int32_t width, int32_t height)
    {
        TestPicture picture(type, width, height);
        for (size_t i = 0; i < picture.Pixels().size(); ++i)
            picture.Pixels()[i] = static_cast<uint8_t>(i * 7 + 3);
        return picture;
    }

    static TestPicture FullMask(int32_t width, int32_t height)
    {
        TestPicture mask(8, width, height);
        std::fill(mask.Pixels().begin(), mask.Pixels().end(), 255);
        return mask;
    }

    // The lines the modules logged for one filter ("invert", "faulty-3").
    std::vector<std::string> Log(const std::string& filter) const
    {
        std::vector<std::string> lines;
        std::istringstream in(folders.LogText());
        for (std::string line; std::getline(in, line);)
            if (line.rfind(filter + " ", 0) == 0)
                lines.push_back(line.substr(filter.size() + 1));
        return lines;
    }

    void* Window() { return &window; }

    PlugInFolders folders;
    int window = 0;
};

using Lines = std::vector<std::string>;

TEST_F(HostRun, InvertsA24BitPictureThroughEverySelectorOfTheRun)
{
    TestPicture source = Pattern(16, 23, 17);
    TestPicture destination = source;
    TestPicture mask = FullMask(23, 17);
    CPIInstance instance(Id("Invert..."));
    EXPECT_STREQ(instance.GetPluginName(), "Invert");

    PIRECT changed{};
    int32_t within = 0;
    instance.Execute(Window(), PIColour(10, 20, 30), PIColour(40, 50, 60), &destination, &source, PIPOINT{0, 0},
                     &mask, RecordProgress, nullptr, &changed, &within);

    for (size_t i = 0; i < source.Pixels().size(); ++i)
        ASSERT_EQ(destination.Pixels()[i], 255 - source.Pixels()[i]) << "byte " << i;
    EXPECT_EQ(changed.left, 0);
    EXPECT_EQ(changed.top, 0);
    EXPECT_EQ(changed.right, 23);
    EXPECT_EQ(changed.bottom, 17);
    EXPECT_EQ(within, 1);
    // Three bands of 7 rows: two Continue calls, one band through advanceState.
    EXPECT_EQ(Log("invert"), (Lines{"loaded", "parameters", "prepare", "start", "continue", "continue", "finish"}));
    ASSERT_GE(progressCalls.size(), 3u);
    EXPECT_EQ(progressCalls.front(), std::make_tuple(0, 0, 100));
    EXPECT_EQ(progressCalls[1], std::make_tuple(1, 14, 17));
    EXPECT_EQ(progressCalls.back(), std::make_tuple(2, 100, 100));

    const FilterRecord& record = Fxgate()->host.Record();
    EXPECT_EQ(record.hostSig, PI_HOST_SIG_FXGATE);
    EXPECT_EQ(record.imageMode, plugInModeRGBColor);
    EXPECT_EQ(record.planes, 3);
    EXPECT_EQ(record.background.red, 10);
    EXPECT_EQ(record.foreColor[2], 60);
    EXPECT_EQ(record.maxSpace, 72 * 17); // rows padded to 4 bytes

    // The second run of the instance loads the module again, skips the
    // parameters and reuses its own handles.
    TestPicture again = source;
    instance.Execute(Window(), 0, 0, &again, &source, PIPOINT{0, 0}, &mask, nullptr, nullptr, &changed, &within);
    EXPECT_EQ(again.Pixels(), destination.Pixels());
    const Lines log = Log("invert");
    EXPECT_EQ(Lines(log.begin() + 7, log.end()),
              (Lines{"loaded", "prepare", "start", "continue", "continue", "finish"}));
}

int32_t Counter(Handle h)
{
    int32_t value = -1;
    if (IsValidHostHandle(h) && GetHostHandleSize(h) >= 4)
        std::memcpy(&value, h->data, 4);
    FreeHostHandle(h);
    return value;
}

TEST_F(HostRun, KeepsTheParameterAndDataHandlesOfARunInTheCatalogue)
{
    const int32_t liveBefore = GetLiveHostHandleCount();
    const uint32_t id = Id("Invert...");
    PlugInCatalogue& catalogue = Fxgate()->catalogue;
    TestPicture source = Pattern(16, 9, 9);
    TestPicture mask = FullMask(9, 9);
    int32_t within = 1;
    for (int run = 1; run <= 2; ++run) {
        TestPicture destination = source;
        ASSERT_EQ(PIExecutePlugin(Window(), id, run == 1, 0, 0, &destination, &source, 0, 0, &mask, nullptr, nullptr,
                                  &within),
                  0);
        EXPECT_EQ(destination.Pixels()[0], 255 - source.Pixels()[0]);
        // The parameter block counts its runs; the data handle too.
        Handle parameters = catalogue.GetParameters(id);
        ASSERT_NE(parameters, nullptr);
        EXPECT_EQ(static_cast<int32_t*>(parameters->data)[1], run);
        FreeHostHandle(parameters);
        EXPECT_EQ(Counter(catalogue.GetData(id)), run);
    }
    EXPECT_EQ(Log("invert"), (Lines{"loaded", "parameters", "prepare", "start", "continue", "finish", "prepare",
                                    "start", "continue", "finish"}));

    // Copies of an instance hold copies of its handles; none is freed twice.
    {
        CPIInstance first(id);
        TestPicture destination = source;
        PIRECT changed{};
        first.Execute(Window(), 0, 0, &destination, &source, PIPOINT{0, 0}, &mask, nullptr, nullptr, &changed, &within);
        CPIInstance second(first);
        CPIInstance third(id);
        third = second;
        third.Execute(Window(), 0, 0, &destination, &source, PIPOINT{0, 0}, &mask, nullptr, nullptr, &changed, &within);
    }
    EXPECT_EQ(GetLiveHostHandleCount(), liveBefore + 2); // the catalogue's two
}

TEST_F(HostRun, InvertsAGreyPictureWithinTheMask)
{
    // A 1-bit mask of 6 x 4 pixels whose bottom edge is 2 rows above the
    // picture's: it covers rows 4 to 7 and columns 3 to 8.
    TestPicture source = Pattern(8, 20, 10);
    TestPicture destination = source;
    TestPicture mask(1, 6, 4);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 6; ++x)
            if ((x + y) % 2 == 0)
                mask.Pixels()[size_t(3 - y)] |= uint8_t(0x80 >> x);
    PIRECT changed{};
    int32_t within = 0;
    CPIInstance(Id("Invert..."))
        .Execute(Window(), PIColour(30, 60, 90), 0, &destination, &source, PIPOINT{3, 2}, &mask, nullptr, nullptr,
                 &changed, &within);

    EXPECT_EQ(within, 1);
    EXPECT_EQ(changed.left, 3);
    EXPECT_EQ(changed.top, 4);
    EXPECT_EQ(changed.right, 9);
    EXPECT_EQ(changed.bottom, 8);
    for (int32_t y = 0; y < 10; ++y) {
        for (int32_t x = 0; x < 20; ++x) {
            const bool selected = y >= 4 && y < 8 && x >= 3 && x < 9 && ((x - 3) + (y - 4)) % 2 == 0;
            const uint8_t before = *source.At(x, y);
            EXPECT_EQ(*destination.At(x, y), selected ? 255 - before : before) << x << "," << y;
        }
    }
    const FilterRecord& record = Fxgate()->host.Record();
    EXPECT_EQ(record.imageMode, plugInModeGrayScale);
    // The RGB background is the colour itself; in the picture's own mode it
    // is its grey.
    EXPECT_EQ(record.background.red, 30);
    EXPECT_EQ(record.background.green, 60);
    EXPECT_EQ(record.background.blue, 90);
    EXPECT_EQ(record.backColor[0], 60);
}

// What Execute threw: "cancel", "failure" or "nothing".
std::string Outcome(const std::function<void()>& run)
{
    try {
        run();
    } catch (const piInst_cancel&) {
        return "cancel";
    } catch (const piInst_err_execute&) {
        return "failure";
    } catch (...) {
        return "another exception";
    }
    return "nothing";
}

struct FailingRun {
    const char* plugIn;
    const char* filter;
    const char* outcome;
    int32_t messageId;
    Lines log;
};

TEST_F(HostRun, AFailingModuleEndsTheRunAndLeavesThePictureUnchanged)
{
    const FailingRun cases[] = {
        {"Fails with I/O error", "faulty-1", "failure", 5006,
         {"prepare 0 0 12 16 auto 1", "start", "continue", "finish"}},
        {"Throws", "faulty-2", "failure", 5001, {"prepare 0 0 12 16 auto 1", "start", "continue", "finish"}},
        {"Asks outside", "faulty-3", "failure", 5011, {"prepare 0 0 12 16 auto 1", "start", "finish"}},
        {"Advances outside", "faulty-4", "failure", 5011, {"prepare 0 0 12 16 auto 1", "start"}},
        {"Bad parameters", "faulty-5", "failure", 5011, {"prepare 0 0 12 16 auto 1"}},
        {"Cancels", "faulty-6", "cancel", 0, {"prepare 0 0 12 16 auto 1", "start", "continue", "finish"}},
    };
    for (const FailingRun& c : cases) {
        SCOPED_TRACE(c.plugIn);
        TestPicture source = Pattern(16, 16, 12);
        TestPicture destination = source;
        TestPicture mask = FullMask(16, 12);
        CPIInstance instance(Id(c.plugIn));
        PIRECT changed{};
        int32_t within = 1;
        EXPECT_EQ(Outcome([&] {
                      instance.Execute(Window(), 0, 0, &destination, &source, PIPOINT{0, 0}, &mask, nullptr, nullptr,
                                       &changed, &within);
                  }),
                  c.outcome);
        EXPECT_EQ(destination.Pixels(), source.Pixels());
        EXPECT_EQ(destination.Writes(), 0);
        EXPECT_EQ(PIGetLastPluginError(), c.messageId);
        // Parameters first: a new instance asks for them.
        Lines expected{"parameters"};
        expected.insert(expected.end(), c.log.begin(), c.log.end());
        EXPECT_EQ(Log(c.filter), expected);
    }
    EXPECT_STREQ(PIGetPluginMessage(5011), "ERROR filtering image:\nA problem with the filter module interface!");
}

TEST_F(HostRun, TheFilterRectangleFollowsTheMaskUnlessThePlugInLeavesTheSelection)
{
    TestPicture source = Pattern(16, 200, 100);
    TestPicture mask = FullMask(40, 30);
    struct Case {
        const char* plugIn;
        const char* filter;
        const char* prepare;
    };
    const Case cases[] = {
        // Clears autoMask at Prepare: the caller learns it left the selection.
        {"Leaves the selection", "faulty-7", "prepare 65 10 95 50 auto 1"},
        // Its filter cases let it write anywhere: the whole picture.
        {"Writes everywhere", "faulty-8", "prepare 0 0 100 200 auto 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plugIn);
        TestPicture destination = source;
        PIRECT changed{};
        int32_t within = 1;
        CPIInstance(Id(c.plugIn))
            .Execute(Window(), 0, 0, &destination, &source, PIPOINT{10, 5}, &mask, nullptr, nullptr, &changed,
                     &within);
        EXPECT_EQ(Log(c.filter), (Lines{"parameters", c.prepare, "start", "finish"}));
        EXPECT_EQ(within, 0);
    }
}

TEST_F(HostRun, APictureTypeThePlugInDoesNotSupportIsRefusedBeforeAnyCall)
{
    TestPicture source = Pattern(8, 8, 8);
    TestPicture destination = source;
    TestPicture mask = FullMask(8, 8);
    int32_t within = 1;
    EXPECT_EQ(PIExecutePlugin(Window(), Id("Throws"), 1, 0, 0, &destination, &source, 0, 0, &mask, nullptr, nullptr,
                              &within),
              4);
    EXPECT_EQ(PIGetLastPluginError(), 5010);
    EXPECT_TRUE(Log("faulty-2").empty());

    // Failures never answer 0, which means done.
    EXPECT_EQ(PIExecutePlugin(Window(), 999, 1, 0, 0, &destination, &source, 0, 0, &mask, nullptr, nullptr, &within),
              3);
    EXPECT_EQ(PIExecutePlugin(Window(), Id("Throws"), 1, 0, 0, &destination, &source, 0, 0, nullptr, nullptr, nullptr,
                              &within),
              6);
}

TEST_F(HostRun, CancellingFromTheProgressDisplayCancelsTheRun)
{
    TestPicture source = Pattern(16, 10, 30);
    TestPicture destination = source;
    TestPicture mask = FullMask(10, 30);
    cancelAtCall = 2;
    PIRECT changed{};
    int32_t within = 1;
    CPIInstance instance(Id("Invert..."));
    EXPECT_EQ(Outcome([&] {
                  instance.Execute(Window(), 0, 0, &destination, &source, PIPOINT{0, 0}, &mask, RecordProgress, nullptr,
                                   &changed, &within);
              }),
              "cancel");
    EXPECT_EQ(Log("invert").back(), "finish");
}

TEST_F(HostRun, AnswersPropertiesOfThePictureBeingRun)
{
    TestPicture source = Pattern(16, 4, 4);
    TestPicture destination = source;
    TestPicture mask = FullMask(4, 4);
    int32_t within = 1;
    ASSERT_EQ(PIExecutePlugin(Window(), Id("Invert..."), 1, 0, 0, &destination, &source, 0, 0, &mask, nullptr, nullptr,
                              &within),
              0);
    PlugInHost& host = Fxgate()->host;
    struct Case {
        OSType signature;
        OSType key;
        OSErr result;
        int32_t value;
    };
    const OSType bim = PI_FOURCC('8', 'B', 'I', 'M');
    const Case cases[] = {
        {bim, PI_FOURCC('m', 'o', 'd', 'e'), noErr, 3},
        {bim, PI_FOURCC('n', 'u', 'c', 'h'), noErr, 3},
        {bim, PI_FOURCC('b', 'n', 'd', 'H'), noErr, 0x000A000A},
        {bim, PI_FOURCC('w', 'k', 'p', 'a'), noErr, -1},
        {bim, PI_FOURCC('t', 'i', 't', 'l'), noErr, 77}, // answered without a value
        {bim, PI_FOURCC('x', 'x', 'x', 'x'), paramErr, 77},
        {PI_FOURCC('A', 'D', 'B', 'E'), PI_FOURCC('m', 'o', 'd', 'e'), paramErr, 77},
    };
    for (const Case& c : cases) {
        int32_t value = 77;
        EXPECT_EQ(host.GetProperty(c.signature, c.key, 0, &value, nullptr), c.result);
        EXPECT_EQ(value, c.value);
    }
}

std::vector<tagPIPIXELMAP> displayed;
void RecordDisplay(const tagPIPIXELMAP* map) { displayed.push_back(*map); }

// A colour chooser that picks red, or is cancelled.
class ChooserUi : public PlugInUi {
public:
    bool ChooseColour(void*, uint32_t start, uint32_t& chosen) override
    {
        started = start;
        chosen = PIColour(255, 0, 0);
        return !cancel;
    }
    uint32_t started = 0;
    bool cancel = false;
};

TEST_F(HostRun, ShowsPreviewPixelsAndColoursThroughTheCaller)
{
    TestPicture source = Pattern(16, 4, 4);
    TestPicture destination = source;
    TestPicture mask = FullMask(4, 4);
    int32_t within = 1;
    ChooserUi chooser;
    PISetPluginUi(&chooser);
    PlugInHost& host = Fxgate()->host;
    ASSERT_EQ(host.BeginRun(Window(), PIColour(1, 2, 3), PIColour(4, 5, 6), &destination, &source, 0, 0, &mask,
                            nullptr, RecordDisplay, &within),
              0);
    PIRECT changed{};
    int32_t ask = 0;
    ASSERT_EQ(host.Run(&ask, [](int16_t, FilterRecord*, intptr_t*, int16_t* result) { *result = noErr; }, 0x10,
                       nullptr, nullptr, nullptr, &changed),
              0);

    // A 10 x 8 RGB pixel map, of which the part from (2, 3) on is shown.
    std::vector<uint8_t> planes(3 * 80);
    PSPixelMap map{1, VRect{0, 0, 8, 10}, plugInModeRGBColor, 10, 1, 80, planes.data()};
    const VRect part{3, 2, 7, 6};
    int context = 0;
    EXPECT_EQ(host.DisplayPixels(&map, &part, 20, 30, &context), noErr);
    ASSERT_EQ(displayed.size(), 1u);
    EXPECT_EQ(displayed[0].depth, 16);
    EXPECT_EQ(displayed[0].base, planes.data() + 3 * 10 + 2);
    EXPECT_EQ(displayed[0].right - displayed[0].left, 4);
    EXPECT_EQ(displayed[0].dstRow, 20);
    EXPECT_EQ(displayed[0].platformContext, &context);
    // Modes other than grey and RGB, and rectangles outside the map, show nothing.
    map.imageMode = plugInModeIndexedColor;
    EXPECT_EQ(host.DisplayPixels(&map, &part, 0, 0, nullptr), noErr);
    map.imageMode = plugInModeRGBColor;
    const VRect outside{0, 0, 9, 10};
    EXPECT_EQ(host.DisplayPixels(&map, &outside, 0, 0, nullptr), noErr);
    EXPECT_EQ(displayed.size(), 1u);

    // Colours: the special ones, and the chooser, which starts at the
    // background colour.
    ColorServicesInfo info{};
    info.selector = plugIncolorServicesGetSpecialColor;
    info.resultSpace = plugIncolorServicesRGBSpace;
    info.selectorParameter.specialColorID = plugIncolorServicesForegroundColor;
    EXPECT_EQ(host.ColorServices(&info), noErr);
    EXPECT_EQ(info.colorComponents[0], 4);
    EXPECT_EQ(info.colorComponents[2], 6);
    info.selector = plugIncolorServicesChooseColor;
    EXPECT_EQ(host.ColorServices(&info), noErr);
    EXPECT_EQ(chooser.started, PIColour(1, 2, 3));
    EXPECT_EQ(info.colorComponents[0], 255);
    chooser.cancel = true;
    EXPECT_EQ(host.ColorServices(&info), userCanceledErr);
    EXPECT_EQ(info.colorComponents[0], 1); // the start colour
    info.selector = 4;
    EXPECT_EQ(host.ColorServices(&info), paramErr);
    PISetPluginUi(nullptr);
}

} // namespace
