// Selector dispatch, host detection with its settings, and the parameter
// handle, under a host like the editor.
#include "FrameFixture.h"

namespace {

using FrameDispatch = FrameFixture;

struct TestParams {
    int32_t level;
    int32_t spare;
    int32_t showDialog;
};

TEST_F(FrameDispatch, FirstRunAsksForTheHostOnceAndRemembersIt)
{
    auto host = MakeHost({});
    ASSERT_EQ(host->Run(true), 0);
    ExpectFiltered(*host);
    // No INI yet: no "changed" message; the editor's signature is no row of
    // the list.
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(preselected, (std::vector<int>{5}));
    EXPECT_EQ(filterDialogs, 1);
    EXPECT_EQ(Ini().GetInt("Host", "Hostnum", -1), 5);
    EXPECT_EQ(uint32_t(Ini().GetInt("Host", "Hostsign", -1)), PI_HOST_SIG_EDITOR);

    // The same host again: no host dialog; the kept parameters filter at once.
    host->output = host->input;
    ASSERT_EQ(host->Run(false), 0);
    ExpectFiltered(*host);
    EXPECT_EQ(preselected.size(), 1u);
    EXPECT_EQ(filterDialogs, 1);
}

TEST_F(FrameDispatch, AnotherHostIsToldAndAskedWithItsOwnRowPreselected)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    hostChoice = -1;
    auto host = MakeHost({PI_FOURCC('8', 'B', 'I', 'M'), true, 40, 30, 3, {}});
    ASSERT_EQ(host->Run(true), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Host application was changed!");
    EXPECT_EQ(messages[0].caption, "Frame test Plug-in v.1.1");
    EXPECT_EQ(messages[0].type & fw::MB_ICONMASK, fw::MB_ICONEXCLAMATION);
    EXPECT_EQ(preselected, (std::vector<int>{0}));
    EXPECT_EQ(Ini().GetInt("Host", "Hostnum", -1), 0);
    EXPECT_EQ(uint32_t(Ini().GetInt("Host", "Hostsign", -1)), PI_FOURCC('8', 'B', 'I', 'M'));
    ExpectFiltered(*host);
}

// A host named in the settings before the load runs the module without a
// question, whether the module was loaded by an absolute path or by one
// relative to the current folder.
struct KnownHostCase {
    const char* name;
    uint32_t sig;
    bool relativePath;
};

void PrintTo(const KnownHostCase& c, std::ostream* os) { *os << c.name; }

class FrameKnownHost : public FrameFixture, public ::testing::WithParamInterface<KnownHostCase> {};

TEST_P(FrameKnownHost, IsNotAskedFor)
{
    const KnownHostCase& c = GetParam();
    RememberHost(5, c.sig);
    const std::string path = c.relativePath ? std::filesystem::relative(FRAME_TEST_MODULE).string()
                                            : std::string(FRAME_TEST_MODULE);
    ScriptedHost host(path, {c.sig, true, 40, 30, 3, {}});
    ASSERT_TRUE(host.Loaded());
    ASSERT_EQ(host.Run(true), 0);
    ExpectFiltered(host);
    EXPECT_TRUE(preselected.empty());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(filterDialogs, 1);
    EXPECT_EQ(Ini().GetInt("Host", "Hostnum", -1), 5);
}

INSTANTIATE_TEST_SUITE_P(Hosts, FrameKnownHost,
                         ::testing::Values(KnownHostCase{"EditorAbsolutePath", PI_HOST_SIG_EDITOR, false},
                                           KnownHostCase{"EditorRelativePath", PI_HOST_SIG_EDITOR, true},
                                           KnownHostCase{"FxgateAbsolutePath", PI_HOST_SIG_FXGATE, false},
                                           KnownHostCase{"FxgateRelativePath", PI_HOST_SIG_FXGATE, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameDispatch, CancelledHostChoiceWithNoHostKnownRunsNothing)
{
    hostOk = false;
    auto host = MakeHost({});
    EXPECT_EQ(host->Run(true), userCanceledErr);
    EXPECT_EQ(filterDialogs, 0);
    EXPECT_EQ(host->output, host->input);
    EXPECT_EQ(Ini().GetInt("Host", "Hostnum", -1), -1);
}

TEST_F(FrameDispatch, CancelledHostChoiceKeepsTheHostKnownBefore)
{
    RememberHost(2, PI_HOST_SIG_EDITOR);
    hostOk = false;
    auto host = MakeHost({PI_HOST_SIG_FXGATE, true, 40, 30, 3, {}});
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(preselected, (std::vector<int>{5}));
    EXPECT_EQ(Ini().GetInt("Host", "Hostnum", -1), 2);
    EXPECT_EQ(uint32_t(Ini().GetInt("Host", "Hostsign", -1)), PI_HOST_SIG_EDITOR);
    // Row 2 fetched the preview through advanceState within Start.
    EXPECT_EQ(host->continues, 1);
    ExpectFiltered(*host);
}

TEST_F(FrameDispatch, CancelledFilterDialogAnswersUserCancelAndEndsTheRun)
{
    filterOk = false;
    auto host = MakeHost({});
    EXPECT_EQ(host->Run(true), userCanceledErr);
    EXPECT_EQ(host->output, host->input);
    // Finish followed the cancel and answered 0.
    EXPECT_EQ(host->calls.back(), (std::pair<int16_t, int16_t>{filterSelectorFinish, 0}));
    auto* p = static_cast<TestParams*>(host->parameters->data);
    EXPECT_EQ(p->showDialog, 1);
    EXPECT_EQ(p->spare, 0); // cleared before the dialog opened
}

TEST_F(FrameDispatch, ParametersMakeAFotoHandleAndAResetReusesIt)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({});
    host->Reset();
    const int32_t before = GetLiveHostHandleCount();
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    Handle h = host->parameters;
    ASSERT_TRUE(IsValidHostHandle(h));
    EXPECT_EQ(h->signature, PI_HANDLE_SIGNATURE);
    EXPECT_EQ(GetHostHandleSize(h), int32_t(sizeof(TestParams)));
    EXPECT_EQ(GetLiveHostHandleCount(), before + 1);
    auto* p = static_cast<TestParams*>(h->data);
    EXPECT_EQ(p->level, 255);
    EXPECT_EQ(p->showDialog, 1);

    p->level = 3;
    p->showDialog = 0;
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    EXPECT_EQ(host->parameters, h);
    EXPECT_EQ(GetLiveHostHandleCount(), before + 1);
    EXPECT_EQ(p->level, 255);
    EXPECT_EQ(p->showDialog, 1);

    // A handle too small for the block grows; one that is no handle is refused.
    ASSERT_EQ(SetHostHandleSize(h, 4), noErr);
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    EXPECT_EQ(GetHostHandleSize(host->parameters), int32_t(sizeof(TestParams)));
    FotoHandleBlock fake{nullptr, PI_HANDLE_SIGNATURE};
    host->parameters = &fake;
    EXPECT_EQ(host->Call(filterSelectorParameters), filterBadParameters);
    host->parameters = h;
}

TEST_F(FrameDispatch, AStartWithoutParametersMakesTheDefaultsAndShowsTheDialog)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({});
    ASSERT_EQ(host->Run(false), 0);
    EXPECT_EQ(filterDialogs, 1);
    ASSERT_TRUE(IsValidHostHandle(host->parameters));
    ExpectFiltered(*host);
}

TEST_F(FrameDispatch, UnknownSelectorsAnswerBadParametersAndLeaveTheRunAlone)
{
    RememberHost(2, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({});
    host->Reset();
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    ASSERT_EQ(host->Call(filterSelectorPrepare), 0);
    ASSERT_EQ(host->Call(filterSelectorStart), 0);
    for (int16_t selector : {6, 7, 100, -1, -30000})
        EXPECT_EQ(host->Call(selector), filterBadParameters) << selector;
    // The preview and the engine survived: the dialog opens and filters.
    ASSERT_EQ(host->Call(filterSelectorContinue), 0);
    EXPECT_EQ(filterDialogs, 1);
    EXPECT_EQ(host->shown.size(), 2u);
    ASSERT_EQ(host->Call(filterSelectorFinish), 0);
    ExpectFiltered(*host);
    // Continue with no run under way is refused, not followed.
    EXPECT_EQ(host->Call(filterSelectorContinue), filterBadParameters);
}

TEST_F(FrameDispatch, AnErrorOfOneRunDoesNotCarryIntoTheNext)
{
    RememberHost(2, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({});
    host->Reset();
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    ASSERT_EQ(host->Call(7), filterBadParameters);
    filterOk = false;
    EXPECT_EQ(host->Call(filterSelectorPrepare), 0);
    EXPECT_EQ(host->Call(filterSelectorStart), 0);
    EXPECT_EQ(host->Call(filterSelectorContinue), userCanceledErr);
    // No Finish: the next run starts clean all the same.
    filterOk = true;
    ASSERT_EQ(host->Run(true), 0);
    ExpectFiltered(*host);
}

TEST_F(FrameDispatch, AnAbortDuringFilteringAnswersUserCancel)
{
    RememberHost(2, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({});
    host->abortAtProgress = 5;
    EXPECT_EQ(host->Run(true), userCanceledErr);
    EXPECT_EQ(host->progressCalls, 5);
    EXPECT_EQ(host->calls.back(), (std::pair<int16_t, int16_t>{filterSelectorFinish, 0}));
}

TEST_F(FrameDispatch, AboutShowsTheModuleAndCallsItsHelpTopic)
{
    auto host = MakeHost({});
    AboutRecord about{};
    aboutButton = 1013; // "Call &Help..."
    EXPECT_EQ(host->CallAbout(&about), 0);
    EXPECT_EQ(aboutTexts, (std::vector<std::string>{"Orvane Plug-in Collection", "Frame test v.1.0"}));
    EXPECT_EQ(helpTopics, (std::vector<uint32_t>{14}));
    aboutButton = fw::IDOK;
    EXPECT_EQ(host->CallAbout(&about), 0);
    EXPECT_EQ(helpTopics.size(), 1u);
}

} // namespace
