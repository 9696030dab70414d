// The selectors as the art module's entries answer them: About only on the
// first entry, a parameter block kept across Parameters calls, unknown
// selectors, and every entry of OVARTG.8bf.
#include "ArtFixture.h"

#include "platform/ResourceTable.h"

namespace {

using ArtDispatchTest = ArtFixture;

struct Entry {
    const char* name;
    bool keepsParameters;
};

// OVARTG's entries; those without a settings section keep no block.
const Entry kOvartgEntries[] = {
    {"ENTRYPOINT", true},    {"ENTRYPOINT1", true},   {"ENTRYPOINT2", false},  {"ENTRYPOINT3", true},
    {"ENTRYPOINT4", true},   {"ENTRYPOINT5", true},   {"ENTRYPOINT6", true},   {"ENTRYPOINT7", false},
    {"ENTRYPOINT8", true},   {"ENTRYPOINT9", true},   {"ENTRYPOINT10", false}, {"ENTRYPOINT11", false},
    {"ENTRYPOINT12", false}, {"ENTRYPOINT13", true},  {"ENTRYPOINT14", true},  {"ENTRYPOINT15", true},
    {"ENTRYPOINT16", true},
};

TEST_F(ArtDispatchTest, EveryEntryOfTheArtModuleAnswersTheSelectors)
{
    stem = "OVARTG";
    RememberHost(5, PI_HOST_SIG_EDITOR);
    for (const Entry& e : kOvartgEntries) {
        SCOPED_TRACE(e.name);
        auto host = MakeHost({}, e.name, OVARTG_MODULE);
        ASSERT_TRUE(host->Loaded());
        AboutRecord about{};
        aboutTitles.clear();
        EXPECT_EQ(host->CallAbout(&about), 0);
        EXPECT_EQ(aboutTitles.size(), std::string(e.name) == "ENTRYPOINT" ? 1u : 0u);

        host->Reset();
        ASSERT_EQ(host->Call(filterSelectorParameters), 0);
        if (e.keepsParameters) {
            ASSERT_TRUE(IsValidHostHandle(host->parameters));
            EXPECT_EQ(GetHostHandleSize(host->parameters), 40);
            EXPECT_EQ(Params(*host).showDialog, 1);
        } else {
            EXPECT_EQ(host->parameters, nullptr);
        }
        EXPECT_EQ(host->Call(7), filterBadParameters);
        EXPECT_EQ(host->Call(-1), filterBadParameters);
        EXPECT_EQ(host->Call(filterSelectorPrepare), 0);
        // Every filter starts: those with a block fetch the preview, the
        // others ask for their first rows.
        EXPECT_EQ(host->Call(filterSelectorStart), 0);
        EXPECT_TRUE(host->record.inRect.bottom > host->record.inRect.top);
        EXPECT_EQ(host->Call(filterSelectorFinish), 0);
        EXPECT_EQ(host->output, host->input);
    }
    EXPECT_EQ(filterDialogs, 0);
    EXPECT_TRUE(preselected.empty());
    EXPECT_EQ(aboutTexts, (std::vector<std::string>{"Orvane Plug-in Collection", "Quillary v.1.0"}));
    // Only the editor's table names the entries: no property list.
    EXPECT_FALSE(platform::ResourceTable::FromFile(OVARTG_MODULE).HasType(platform::ResourceName("PiPL")));
}

TEST_F(ArtDispatchTest, AboutOnlyOnTheFirstEntryWithItsOwnHelpTopic)
{
    auto first = MakeHost({}, "ENTRYPOINT");
    auto second = MakeHost({}, "ENTRYPOINT1");
    AboutRecord about{};
    aboutButton = 1013; // "Call &Help..."
    EXPECT_EQ(first->CallAbout(&about), 0);
    EXPECT_EQ(second->CallAbout(&about), 0);
    EXPECT_EQ(aboutTitles, (std::vector<std::string>{"About Art test"}));
    EXPECT_EQ(helpTopics, (std::vector<uint32_t>{13}));
}

TEST_F(ArtDispatchTest, ParametersMakeTheBlockOnceAndThenOnlyAskForTheDialog)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({});
    host->Reset();
    const int32_t before = GetLiveHostHandleCount();
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    Handle h = host->parameters;
    ASSERT_TRUE(IsValidHostHandle(h));
    EXPECT_EQ(h->signature, PI_HANDLE_SIGNATURE);
    EXPECT_EQ(GetLiveHostHandleCount(), before + 1);
    // The block as the defaults leave it, byte for byte.
    const int32_t expected[10] = {3, 2, 0, 0, 0, 0, 0, 2, 3, 1};
    EXPECT_EQ(std::memcmp(h->data, expected, sizeof expected), 0);

    ArtParams& p = Params(*host);
    p.Param(1) = 7;
    p.Param(6) = -4;
    p.showDialog = 0;
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    EXPECT_EQ(host->parameters, h);
    EXPECT_EQ(GetLiveHostHandleCount(), before + 1);
    EXPECT_EQ(p.Param(1), 7);
    EXPECT_EQ(p.Param(6), -4);
    EXPECT_EQ(p.showDialog, 1);

    // A handle too small for the block grows and gets the defaults; one that
    // is no handle is refused.
    ASSERT_EQ(SetHostHandleSize(h, 8), noErr);
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    EXPECT_EQ(GetHostHandleSize(host->parameters), 40);
    EXPECT_EQ(Params(*host).Param(1), 3);
    FotoHandleBlock fake{nullptr, PI_HANDLE_SIGNATURE};
    host->parameters = &fake;
    EXPECT_EQ(host->Call(filterSelectorParameters), filterBadParameters);
    host->parameters = h;
}

TEST_F(ArtDispatchTest, StoredParametersFilterWithoutTheDialogUntilTheNextParameters)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({});
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(filterDialogs, 1);
    EXPECT_EQ(Params(*host).showDialog, 0);
    ASSERT_EQ(host->Run(false), 0);
    EXPECT_EQ(filterDialogs, 1);
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(filterDialogs, 2);
}

TEST_F(ArtDispatchTest, TheFirstRunAsksForTheHostAndTheEditorGetsUnknownHost)
{
    auto host = MakeHost({});
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(preselected, (std::vector<int>{5}));
    EXPECT_EQ(Ini().GetInt("Host", "Hostnum", -1), 5);

    // Another host: told, then asked, with the module's caption.
    auto other = MakeHost({PI_FOURCC('8', 'B', 'I', 'M'), true, 40, 30, 3, {}});
    ASSERT_EQ(other->Run(true), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Host application was changed!");
    EXPECT_EQ(messages[0].caption, "Art test Plug-in v.1.1");
    EXPECT_EQ(preselected, (std::vector<int>{5, 0}));
}

} // namespace
