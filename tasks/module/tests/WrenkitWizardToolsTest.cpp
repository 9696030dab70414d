// The two wizard tools as the editor sees them: filed by short name from the
// real module, with their strings and button pictures read from it.
#include "editor/registry/tests/RegistryFixture.h"

#include <QLabel>

#include "base/QnLittleEndian.h"
#include "editor/loadable/LdTool.h"

namespace {

const char kWrenkitTools[] = "[Tools]\nlibs=1\nlib0=../bin/Wrenkit.so\n";

}  // namespace

using WrenkitWizardTools = RegistryFixture;

TEST_F(WrenkitWizardTools, FiledByShortNameWithTheirStringsPicturesAndAnswers)
{
    CLdRegistry& registry = Load(kWrenkitTools);
    const struct {
        const char* name;
        const char* className;
        const char* caption;
        const char* tip;
        const char* comment;
        int32_t bitmapId;
        int helpId;
    } cases[] = {
        {"Wallpaper", "CTool_Wallpaper", "Wallpaper", "Sets an active picture as a Windows desktop wallpaper",
         "Wallpaper", 130, 65},
        {"ScreenSave", "CTool_ScreenSave", "Saver", "Set active image as Windows screen saver", "Screensaver", 131,
         66},
    };
    QLabel comments;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CLoadableRTI* filed = registry.Find(c.name);
        ASSERT_NE(filed, nullptr);
        EXPECT_STREQ(filed->classRecord.className, c.className);
        EXPECT_TRUE(registry.IsToolName(c.name));
        std::unique_ptr<CLdLoadable> tool = registry.CreateLoadable(c.name);
        ASSERT_NE(dynamic_cast<CLdTool*>(tool.get()), nullptr);
        EXPECT_EQ(tool->GetTitle(), c.caption);
        EXPECT_EQ(tool->GetToolTip(), c.tip);
        EXPECT_EQ(tool->GetComment(), c.comment);
        EXPECT_EQ(tool->GetBitmapId(), c.bitmapId);
        EXPECT_EQ(tool->GetHelpId(), c.helpId);
        tool->ShowComment(&comments);
        EXPECT_EQ(comments.text().toStdString(), c.comment);
        const std::vector<uint8_t> bitmap = tool->LoadButtonBitmap();
        ASSERT_EQ(bitmap.size(), 40u + 32 * 32 * 3);
        EXPECT_EQ(QnGetLE32(bitmap.data() + 4), 32u);
        // Both want the picture and need a picture window.
        EXPECT_EQ(tool->WantsPicture(), 1);
        EXPECT_EQ(tool->NeedsDocument(), 1);
        EXPECT_EQ(tool->AcceptsAnyPicture(), 0);
        EXPECT_EQ(tool->IsGuided(), 0);
        EXPECT_EQ(static_cast<CLdTool*>(tool.get())->CreateOptionsPanel(nullptr, nullptr, 0, 0), nullptr);
    }
}

// The copier, fax and frame wizards: filed by their short names with their
// ids; the copier alone needs no picture window, fax and frame want the
// picture.
TEST_F(WrenkitWizardTools, CopierFaxAndFrameRecordsAndAnswers)
{
    CLdRegistry& registry = Load(kWrenkitTools);
    const struct {
        const char* name;
        const char* className;
        int32_t titleId, tipId, commentId, bitmapId;
        int helpId;
        int wantsPicture, needsDocument;
    } cases[] = {
        {"Copier", "CTool_Copier", 10, 11, 12, 133, 68, 0, 0},
        {"Fax", "CTool_Fax", 13, 14, 15, 134, 69, 1, 1},
        {"Frame", "CTool_Frame", 264, 265, 266, 200, 220, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CLoadableRTI* filed = registry.Find(c.name);
        ASSERT_NE(filed, nullptr);
        EXPECT_STREQ(filed->classRecord.className, c.className);
        EXPECT_TRUE(registry.IsToolName(c.name));
        std::unique_ptr<CLdLoadable> tool = registry.CreateLoadable(c.name);
        ASSERT_NE(dynamic_cast<CLdTool*>(tool.get()), nullptr);
        EXPECT_EQ(tool->GetName(), c.name);
        EXPECT_EQ(tool->GetTitleId(), c.titleId);
        EXPECT_EQ(tool->GetToolTipId(), c.tipId);
        EXPECT_EQ(tool->GetCommentId(), c.commentId);
        EXPECT_EQ(tool->GetBitmapId(), c.bitmapId);
        EXPECT_EQ(tool->GetHelpId(), c.helpId);
        EXPECT_EQ(tool->WantsPicture(), c.wantsPicture);
        EXPECT_EQ(tool->NeedsDocument(), c.needsDocument);
        EXPECT_EQ(tool->AcceptsAnyPicture(), 0);
        EXPECT_EQ(tool->IsGuided(), 0);
        EXPECT_EQ(static_cast<CLdTool*>(tool.get())->CreateOptionsPanel(nullptr, nullptr, 0, 0), nullptr);
    }
}
