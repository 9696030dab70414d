// The tools with option panels as the editor sees them: their records in
// the real module, their answers, their own settings, and the panel each
// places in the editor's task bar when it becomes the current tool.
#include "tasks/module/tests/ModuleBarFixture.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTextEdit>

#include "editor/loadable/LdExports.h"
#include "editor/loadable/LdTool.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "platform/Module.h"
#include "tasks/module/panels/LdEmbossPanel.h"
#include "tasks/module/panels/LdFillPanel.h"
#include "tasks/module/panels/LdIntParamPanel.h"
#include "tasks/module/panels/LdSelectPanel.h"
#include "tasks/module/panels/LdTextPanel.h"

namespace {

struct ToolRecord {
    uint32_t index;
    const char* className;
    const char* name;
    int32_t title, tip, comment, bitmap, help;
};

constexpr ToolRecord kTools[] = {
    {0, "CTool_HandDr", "HandDr", 38, 39, 40, 148, 15},   {1, "CTool_Scatter", "Scatter", 41, 42, 43, 155, 16},
    {2, "CTool_Facet", "Facet", 44, 45, 46, 146, 17},     {3, "CTool_Mosaic", "Mosaic", 47, 48, 49, 149, 18},
    {4, "CTool_Emboss", "Emboss", 50, 51, 52, 144, 19},   {8, "CTool_Text", "Text", 65, 66, 67, 141, 23},
    {26, "CTool_Select", "Select", 56, 57, 58, 156, 41}, {53, "CTool_Fill", "Fill", 267, 268, 269, 205, 206},
};

std::string Text(const QWidget& panel, uint32_t id) { return fw::GetControlText(fw::FindControl(&panel, id)); }

}  // namespace

using PanelTools = RegistryFixture;

TEST_F(PanelTools, ToolInitGivesEachAtItsIndexWithItsIdsAndAnswers)
{
    platform::Module wrenkit;
    ASSERT_TRUE(wrenkit.Load(WRENKIT_PATH)) << wrenkit.Error();
    auto* init = wrenkit.Entry<LdInitProc>(kLdToolInit);
    ASSERT_NE(init, nullptr);
    for (const ToolRecord& t : kTools) {
        SCOPED_TRACE(t.name);
        const fw::RuntimeClass* record = init(t.index);
        ASSERT_NE(record, nullptr);
        EXPECT_STREQ(record->className, t.className);
        EXPECT_TRUE(record->IsDerivedFrom("CLdTool"));
        std::unique_ptr<fw::Object> object(record->CreateObject());
        auto* tool = dynamic_cast<CLdTool*>(object.get());
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->GetName(), t.name);
        EXPECT_EQ(std::vector<int32_t>({tool->GetTitleId(), tool->GetToolTipId(), tool->GetCommentId(),
                                        tool->GetBitmapId(), tool->GetHelpId()}),
                  std::vector<int32_t>({t.title, t.tip, t.comment, t.bitmap, t.help}));
        // They become the current tool, need a picture window, take no
        // picture and are disabled for paletted pictures.
        EXPECT_EQ(tool->Execute(), 1);
        EXPECT_EQ(tool->IsGuided(), 0);
        EXPECT_EQ(tool->AcceptsAnyPicture(), 0);
        EXPECT_EQ(tool->WantsPicture(), 0);
        EXPECT_EQ(tool->NeedsDocument(), 1);
    }
}

TEST_F(PanelTools, ArtToolsShowTheirOwnSettingsAfreshInEveryPanel)
{
    CLdRegistry& registry = Load(kWrenkitTools);
    QWidget bar;
    const struct {
        const char* name;
        const char* caption;
        const char* range;
        const char* value;
    } cases[] = {
        {"HandDr", "Hand parameter", "0..10", "5"},   {"Scatter", "Scatter parameter", "0..10", "5"},
        {"Facet", "Facet parameter", "0..10", "5"},   {"Mosaic", "Mosaic parameter", "0..10", "5"},
        {"Emboss", "Emboss parameter", "0..360", "45"}, {"Emboss", "Emboss parameter", "0..360", "45"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CLdLoadable> made = registry.CreateLoadable(c.name);
        auto* tool = dynamic_cast<CLdTool*>(made.get());
        ASSERT_NE(tool, nullptr);
        QPoint at(10, 3);
        std::unique_ptr<QWidget> panel(tool->CreateOptionsPanel(&bar, &at, 0, 0));
        ASSERT_NE(dynamic_cast<CLdIntParamPanel*>(panel.get()), nullptr);
        EXPECT_EQ(Text(*panel, CLdIntParamPanel::IDC_NAME), c.caption);
        EXPECT_EQ(Text(*panel, CLdIntParamPanel::IDC_RANGE), c.range);
        EXPECT_EQ(Text(*panel, CLdIntParamPanel::IDC_VALUE), c.value);
        if (auto* emboss = dynamic_cast<CLdEmbossPanel*>(panel.get())) {
            EXPECT_EQ(Text(*emboss, CLdEmbossPanel::IDC_COLOR_TEXT), "R=128, G=128, B=128");
        }
    }
}

using PanelToolsInTheBar = ModuleBarFixture;

TEST_F(PanelToolsInTheBar, EachToolPlacesItsPanelInTheBarOverTheEditorsSettings)
{
    const QPoint at = CLdBarGeometry::PanelPosition(bar_->size(), false, bar_->Logic().ScrollOrigin());
    for (const ToolRecord& t : kTools) {
        SCOPED_TRACE(t.name);
        QWidget* panel = Show(t.name);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->parentWidget(), bar_.get());
        EXPECT_FALSE(panel->isWindow());
        EXPECT_EQ(panel->pos(), at);
        EXPECT_TRUE(panel->isVisible());
    }
    // The pointer panels work on the editor's own objects.
    auto* fill = dynamic_cast<CLdFillPanel*>(Show("Fill"));
    ASSERT_NE(fill, nullptr);
    EXPECT_EQ(fill->params, &host_->fillParams);
    auto* select = dynamic_cast<CLdSelectPanel*>(Show("Select"));
    ASSERT_NE(select, nullptr);
    EXPECT_EQ(select->params, &host_->selectParams);
    EXPECT_FALSE(
        qobject_cast<QAbstractButton*>(fw::FindControl(select, CLdSelectPanel::IDC_RECTANGLE))->icon().isNull());
    auto* text = dynamic_cast<CLdTextPanel*>(Show("Text"));
    ASSERT_NE(text, nullptr);
    text->leftEdit->setPlainText("Hello");
    EXPECT_EQ(host_->textParams.text, "Hello");
    EXPECT_EQ(editor_.calls, std::vector<std::string>{"invalidate"});
}
