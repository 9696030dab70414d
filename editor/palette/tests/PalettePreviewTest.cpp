// An effect's palette tool: its preview rendered from the sample picture
// (the effect asks for its settings once, then keeps them, also through the
// layout file), applied to a document without asking, pictures that cannot
// be read, customizing that is cancelled or confirmed, and the default tools
// made with the program.
#include "DocTestSupport.h"

#include "editor/effects/EffectModuleFolder.h"
#include "editor/palette/LdPlugInPaletteItem.h"
#include "editor/palette/PaletteLayout.h"
#include "editor/palette/PalettePreview.h"
#include "framework/Archive.h"
#include "framework/Dialog.h"
#include "framework/MemFile.h"
#include "framework/MessageBox.h"

#include <cstring>

using namespace doctest;

namespace {

constexpr uint32_t kEmboss = 32809;
constexpr uint32_t kRandom = 32832;

class EffectTool : public DocTest {
protected:
    void SetUp() override
    {
        DocTest::SetUp();
        UseProgramEffectModules(QN_PROGRAM_FOLDER, folder / "config");
        sample = TempPath("Sample.bmp");
        std::filesystem::copy_file(std::string(QN_PROGRAM_FOLDER) + "Palette.bmp", sample);
        LdSetImageSourcePath(sample);
        fw::SetDialogHook([this](fw::Dialog& d) {
            ++dialogs;
            d.PressButton(cancel ? fw::IDCANCEL : fw::IDOK);
        });
    }
    void TearDown() override
    {
        fw::SetDialogHook({});
        SetEffectModuleFolder("");
        LdSetImageSourcePath("");
        DocTest::TearDown();
    }

    static int32_t Field(const std::vector<uint8_t>& dib, size_t at)
    {
        int32_t v = 0;
        std::memcpy(&v, dib.data() + at, 4);
        return v;
    }

    std::string sample;
    int dialogs = 0;
    bool cancel = false;
};

} // namespace

TEST_F(EffectTool, RendersItsPreviewAndKeepsItsSettings)
{
    CLdPlugInPaletteItem tool(kEmboss, "Emboss", 0xFFFFFF, 0);
    ASSERT_TRUE(tool.CanApply());
    ASSERT_TRUE(LdRenderPreview(tool));
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(messages, std::vector<std::string>{});
    const std::vector<uint8_t> preview = tool.Image();
    ASSERT_EQ(preview.size(), 40u + 60u * 240u);
    EXPECT_EQ(Field(preview, 4), 80);
    EXPECT_EQ(Field(preview, 8), 60);
    const std::vector<uint8_t> settings = tool.Parameters();
    EXPECT_FALSE(settings.empty());

    // Written and read back, the tool runs with its settings and no dialog.
    fw::MemFile file;
    {
        fw::Archive ar(file, fw::Archive::store);
        tool.Serialize(ar);
        ar.Close();
    }
    file.Seek(0);
    CLdPlugInPaletteItem read;
    fw::Archive ar(file, fw::Archive::load);
    read.Serialize(ar);
    EXPECT_EQ(read.Parameters(), settings);
    ASSERT_TRUE(LdRenderPreview(read));
    EXPECT_EQ(read.Image(), preview);

    // Applied to a picture: one step, no dialog, undone to the same pixels.
    CLodo40Doc doc;
    NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(50, 40))));
    const std::vector<uint8_t> before = doc.RenderToDib();
    doc.ApplyPaletteItem(read);
    EXPECT_EQ(dialogs, 1);
    ASSERT_EQ(doc.UndoList().Size(), 1u);
    EXPECT_EQ(doc.GetLabel(), "Emboss");
    EXPECT_NE(doc.RenderToDib(), before);
    doc.OnEditUndo();
    EXPECT_EQ(doc.RenderToDib(), before);
}

TEST_F(EffectTool, APictureThatCannotBeReadKeepsThePreview)
{
    struct Case {
        bool chosenPicture;  // false: the program's own sample is missing
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {false, {"Can't read file"}},
        {true, {"Can't read file", "Use default", "Can't read file"}},
    };
    for (const Case& c : cases) {
        messages.clear();
        // The tests' program folder has no sample picture.
        const std::string picture = c.chosenPicture ? TempPath("Deleted.bmp") : LdDefaultImagePath();
        LdSetImageSourcePath(picture);
        CLdPlugInPaletteItem tool(kEmboss, "Emboss", 0xFFFFFF, 0);
        tool.SetImage({1, 2, 3});
        EXPECT_FALSE(LdRenderPreview(tool));
        EXPECT_EQ(messages, c.shown);
        EXPECT_EQ(LdImageSourcePath(), LdDefaultImagePath());
        EXPECT_EQ(tool.Image(), (std::vector<uint8_t>{1, 2, 3}));

        // All tools from that picture ("Default Image", "New image"): said
        // once, not once a tool.
        messages.clear();
        CLdPaletteLayout layout;
        layout.AddTab("T");
        for (int i = 0; i < 3; ++i)
            layout.AddEffectItem(0, kEmboss, 0xFFFFFF, 0).SetImage({1, 2, 3});
        LdRenderAllPreviews(layout, picture);
        EXPECT_EQ(messages, c.shown);
        for (const auto& item : layout.Panes()[0])
            EXPECT_EQ(item->Image(), (std::vector<uint8_t>{1, 2, 3}));
    }
    EXPECT_EQ(dialogs, 0);
}

TEST_F(EffectTool, TheShippedDefaultToolsHaveTheirPreviewsAndNeverAsk)
{
    // A first start: no layout file, the default layout made with the program.
    LdSetImageSourcePath("");
    const LdPaletteLoad load =
        LdLoadPaletteLayout(TempPath("pal.dat"), 0x123456, 0x654321, std::string(QN_PROGRAM_FOLDER) + "pal.default.dat");
    ASSERT_FALSE(load.error);
    EXPECT_EQ(load.layout.TabNames(), (std::vector<std::string>{"Artwork", "Deformations", "Textures", "Custom"}));
    std::vector<size_t> sizes;
    for (const auto& pane : load.layout.Panes())
        sizes.push_back(pane.size());
    EXPECT_EQ(sizes, (std::vector<size_t>{13, 8, 4, 0}));
    EXPECT_EQ(LdImageSourcePath(), LdDefaultImagePath());
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(messages, std::vector<std::string>{});

    // Each tool keeps the parameters its preview was made with: rendered
    // again from the same picture it gives the same preview, and no effect
    // asks for anything.
    LdSetImageSourcePath(sample);
    for (const auto& pane : load.layout.Panes())
        for (const auto& item : pane) {
            SCOPED_TRACE(item->Name());
            const std::vector<uint8_t> shipped = item->Image();
            ASSERT_EQ(shipped.size(), 40u + 60u * 240u);
            EXPECT_EQ(Field(shipped, 4), 80);
            EXPECT_EQ(Field(shipped, 8), 60);
            EXPECT_TRUE(LdRenderPreview(*item));
            // Random deformations draw a new field each run unless frozen.
            if (item->CommandId() != kRandom) {
                EXPECT_EQ(item->Image(), shipped);
            }
            EXPECT_EQ(item->Image().size(), shipped.size());
        }
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(messages, std::vector<std::string>{});
}

TEST_F(EffectTool, CustomizingAsksAgainAndACancelChangesNothing)
{
    CLdPlugInPaletteItem tool(kEmboss, "Emboss", 0xFFFFFF, 0);
    ASSERT_TRUE(LdRenderPreview(tool));
    const std::vector<uint8_t> preview = tool.Image(), settings = tool.Parameters();

    cancel = true;
    EXPECT_FALSE(LdUpdateImage(tool, 0x00FF00, 0x0000FF));
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(tool.Image(), preview);
    EXPECT_EQ(tool.Parameters(), settings);
    EXPECT_EQ(tool.Background(), 0xFFFFFFu);
    EXPECT_EQ(tool.Foreground(), 0u);

    cancel = false;
    EXPECT_TRUE(LdUpdateImage(tool, 0x00FF00, 0x0000FF));
    EXPECT_EQ(dialogs, 3);
    EXPECT_EQ(tool.Background(), 0x00FF00u);
    EXPECT_EQ(tool.Foreground(), 0x0000FFu);
    EXPECT_EQ(messages, std::vector<std::string>{});
}
