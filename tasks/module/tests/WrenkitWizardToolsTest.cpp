// The wizard tools as the editor sees them: filed by short name from the
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
        int32_t titleId;  // the tip and comment follow it
        // Null: the module carries no strings and picture for it yet.
        const char* caption;
        const char* tip;
        const char* comment;
        int32_t bitmapId;
        int helpId;
        int wantsPicture;
        int needsDocument;
    } cases[] = {
        {"Wallpaper", "CTool_Wallpaper", 1, "Wallpaper", "Sets an active picture as a Windows desktop wallpaper",
         "Wallpaper", 130, 65, 1, 1},
        {"ScreenSave", "CTool_ScreenSave", 4, "Saver", "Set active image as Windows screen saver", "Screensaver", 131,
         66, 1, 1},
        // The copier alone needs no picture window.
        {"Copier", "CTool_Copier", 10, nullptr, nullptr, nullptr, 133, 68, 0, 0},
        {"Fax", "CTool_Fax", 13, nullptr, nullptr, nullptr, 134, 69, 1, 1},
        {"Frame", "CTool_Frame", 264, nullptr, nullptr, nullptr, 200, 220, 1, 1},
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
        EXPECT_EQ(tool->GetName(), c.name);
        EXPECT_EQ(tool->GetTitleId(), c.titleId);
        EXPECT_EQ(tool->GetToolTipId(), c.titleId + 1);
        EXPECT_EQ(tool->GetCommentId(), c.titleId + 2);
        EXPECT_EQ(tool->GetBitmapId(), c.bitmapId);
        EXPECT_EQ(tool->GetHelpId(), c.helpId);
        EXPECT_EQ(tool->WantsPicture(), c.wantsPicture);
        EXPECT_EQ(tool->NeedsDocument(), c.needsDocument);
        EXPECT_EQ(tool->AcceptsAnyPicture(), 0);
        EXPECT_EQ(tool->IsGuided(), 0);
        EXPECT_EQ(static_cast<CLdTool*>(tool.get())->CreateOptionsPanel(nullptr, nullptr, 0, 0), nullptr);
        if (!c.caption)
            continue;
        EXPECT_EQ(tool->GetTitle(), c.caption);
        EXPECT_EQ(tool->GetToolTip(), c.tip);
        EXPECT_EQ(tool->GetComment(), c.comment);
        tool->ShowComment(&comments);
        EXPECT_EQ(comments.text().toStdString(), c.comment);
        const std::vector<uint8_t> bitmap = tool->LoadButtonBitmap();
        ASSERT_EQ(bitmap.size(), 40u + 32 * 32 * 3);
        EXPECT_EQ(QnGetLE32(bitmap.data() + 4), 32u);
    }
}

TEST_F(WrenkitWizardTools, TheCalendarIsFiledWithItsIdsAndWantsThePicture)
{
    CLdRegistry& registry = Load(kWrenkitTools);
    const CLoadableRTI* filed = registry.Find("Calendar");
    ASSERT_NE(filed, nullptr);
    EXPECT_STREQ(filed->classRecord.className, "CTool_Calendar");
    EXPECT_TRUE(registry.IsToolName("Calendar"));
    std::unique_ptr<CLdLoadable> tool = registry.CreateLoadable("Calendar");
    ASSERT_NE(dynamic_cast<CLdTool*>(tool.get()), nullptr);
    EXPECT_EQ(tool->GetTitleId(), 7);
    EXPECT_EQ(tool->GetToolTipId(), 8);
    EXPECT_EQ(tool->GetCommentId(), 9);
    EXPECT_EQ(tool->GetBitmapId(), 132);
    EXPECT_EQ(tool->GetHelpId(), 67);
    EXPECT_EQ(tool->WantsPicture(), 1);
    EXPECT_EQ(tool->NeedsDocument(), 1);
    EXPECT_EQ(tool->AcceptsAnyPicture(), 0);
    EXPECT_EQ(tool->IsGuided(), 0);
    EXPECT_EQ(static_cast<CLdTool*>(tool.get())->CreateOptionsPanel(nullptr, nullptr, 0, 0), nullptr);
    // The dialog's month names come from the module.
    EXPECT_EQ(tool->LoadResString(19), "January");
    EXPECT_EQ(tool->LoadResString(37), "Saturday");
}
