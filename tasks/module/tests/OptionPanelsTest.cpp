// The option panels as the user works them: what they show, what they write
// into the editor's settings and when, and what they refuse.
#include "tasks/module/tests/PanelFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "editor/loadable/SelectParams.h"
#include "editor/loadable/ToolParams.h"
#include "framework/ColorDialog.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/SpinButton.h"
#include "tasks/module/panels/LdEmbossPanel.h"
#include "tasks/module/panels/LdFillPanel.h"
#include "tasks/module/panels/LdIntParamPanel.h"
#include "tasks/module/panels/LdSelectPanel.h"
#include "tasks/module/panels/LdTextPanel.h"

namespace {

const char kRangeMessage[] = "Please enter an integer between 0 and 255.";

std::string Text(const QWidget* control) { return fw::GetControlText(control); }

QAbstractButton* Button(const QWidget& panel, uint32_t id)
{
    return qobject_cast<QAbstractButton*>(fw::FindControl(&panel, id));
}

void Choose(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

}  // namespace

using OptionPanels = PanelFixture;

TEST_F(OptionPanels, EnterAndEscapeLeaveEveryPanelOpen)
{
    auto fillPanel = std::make_unique<CLdFillPanel>();
    fillPanel->SetParams(&fill);
    auto selectPanel = std::make_unique<CLdSelectPanel>();
    selectPanel->SetParams(&select);
    auto textPanel = std::make_unique<CLdTextPanel>();
    textPanel->SetParams(&text);
    const std::vector<CLdOptionsPanel*> panels = {
        Place(std::make_unique<CLdIntParamPanel>()), Place(std::make_unique<CLdEmbossPanel>()),
        Place(std::move(fillPanel)), Place(std::move(selectPanel)), Place(std::move(textPanel))};
    for (CLdOptionsPanel* panel : panels) {
        SCOPED_TRACE(panel->metaObject()->className());
        EXPECT_EQ(panel->parentWidget(), &bar);
        EXPECT_FALSE(panel->isWindow());
        EXPECT_EQ(panel->pos(), QPoint(100, 0));
        QTest::keyClick(panel, Qt::Key_Return);
        QTest::keyClick(panel, Qt::Key_Enter);
        QTest::keyClick(panel, Qt::Key_Escape);
        EXPECT_TRUE(panel->isVisible());
        EXPECT_TRUE(panel->IsOpen());
    }
}

TEST_F(OptionPanels, EmbossColourComesFromTheColourDialogOnlyWhenChosenOverTheSwatch)
{
    CLdIntParam angle(0, 360);
    angle.SetValue(45);
    CLdColParam colour;
    colour.SetValue(0x808080);
    auto made = std::make_unique<CLdEmbossPanel>();
    made->Bind(angle, colour, "Emboss parameter");
    CLdEmbossPanel* panel = Place(std::move(made));
    const auto* colourText = fw::FindControl(panel, CLdEmbossPanel::IDC_COLOR_TEXT);
    EXPECT_EQ(Text(colourText), "R=128, G=128, B=128");
    EXPECT_EQ(panel->grab().toImage().pixelColor(panel->SwatchRect().center()), QColor(128, 128, 128));

    std::vector<fw::ColorRef> offered;
    std::optional<fw::ColorRef> answer = fw::Rgb(255, 0, 0);
    const fw::ColorDialogHook previous = fw::SetColorDialogHook([&](fw::ColorRef initial) {
        offered.push_back(initial);
        return answer;
    });
    // Released beside the swatch: no dialog.
    QTest::mouseClick(panel, Qt::LeftButton, {}, panel->SwatchRect().topLeft() - QPoint(4, 4));
    EXPECT_TRUE(offered.empty());
    QTest::mouseClick(panel, Qt::LeftButton, {}, panel->SwatchRect().center());
    EXPECT_EQ(offered, std::vector<fw::ColorRef>{0x808080});
    EXPECT_EQ(Text(colourText), "R=255, G=0, B=0");
    EXPECT_EQ(panel->grab().toImage().pixelColor(panel->SwatchRect().center()), QColor(255, 0, 0));
    // Cancelled: nothing changes.
    answer.reset();
    QTest::mouseClick(panel, Qt::LeftButton, {}, panel->SwatchRect().center());
    EXPECT_EQ(offered.size(), 2u);
    EXPECT_EQ(panel->color.GetValue(), fw::Rgb(255, 0, 0));
    fw::SetColorDialogHook(previous);
}

TEST_F(OptionPanels, IntegerPanelsRefuseAValueOutsideTheirCopysRange)
{
    CLdIntParam angle(0, 360);
    angle.SetValue(45);
    auto made = std::make_unique<CLdEmbossPanel>();
    made->Bind(angle, CLdColParam(), "Emboss parameter");
    CLdEmbossPanel* panel = Place(std::move(made));
    auto* box = fw::FindControl(panel, CLdIntParamPanel::IDC_VALUE);
    const struct {
        const char* typed;
        bool accepted;
        const char* message;
    } cases[] = {
        {"200", true, nullptr},
        {"360", true, nullptr},
        {"361", false, "Please enter an integer between 0 and 360."},
        {"-1", false, "Please enter an integer between 0 and 360."},
        {"ten", false, "Please enter an integer."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        messages.clear();
        fw::SetControlText(box, c.typed);
        EXPECT_EQ(panel->UpdateData(true), c.accepted);
        EXPECT_EQ(messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
}

TEST_F(OptionPanels, FillPanelWritesTheEditorsSettingsAtOnceAndRefusesAToleranceOutOfRange)
{
    fill.kind = 2;
    fill.region = 0;
    fill.tolerance = 40;
    auto made = std::make_unique<CLdFillPanel>();
    made->SetParams(&fill);
    CLdFillPanel* panel = Place(std::move(made));
    std::vector<std::string> types;
    for (int i = 0; i < panel->fillTypeCombo->count(); ++i)
        types.push_back(panel->fillTypeCombo->itemText(i).toStdString());
    EXPECT_EQ(types, (std::vector<std::string>{"Plain color", "Vertical gradient", "Horizontal gradient",
                                               "Right gradient", "Left gradient", "Rectangle gradient",
                                               "Round gradient"}));
    EXPECT_EQ(panel->matchCombo->itemText(0), "Selection");
    EXPECT_EQ(panel->matchCombo->itemText(1), "Color");
    EXPECT_EQ(panel->fillTypeCombo->currentIndex(), 2);
    EXPECT_EQ(Text(panel->toleranceEdit), "40");
    EXPECT_EQ(fw::HelpId(panel), 300u);
    EXPECT_EQ(fw::HelpId(panel->toleranceEdit), 302u);

    // The tolerance box and its arrows go with a colour match.
    const struct {
        int match;
        bool enabled;
    } matches[] = {{1, true}, {0, false}, {1, true}};
    for (const auto& m : matches) {
        SCOPED_TRACE(m.match);
        EXPECT_EQ(panel->toleranceEdit->isEnabled(), fill.region != 0);
        Choose(panel->matchCombo, m.match);
        EXPECT_EQ(fill.region, m.match);
        EXPECT_EQ(panel->toleranceEdit->isEnabled(), m.enabled);
        EXPECT_EQ(panel->toleranceSpin->isEnabled(), m.enabled);
    }
    Choose(panel->fillTypeCombo, 6);
    EXPECT_EQ(fill.kind, 6);

    const struct {
        const char* typed;
        int32_t stored;
        bool refused;
    } tolerances[] = {{"255", 255, false}, {"300", 255, true}, {"0", 0, false}, {"-1", 0, true}};
    for (const auto& t : tolerances) {
        SCOPED_TRACE(t.typed);
        messages.clear();
        panel->toleranceEdit->setText(t.typed);
        Leave(panel->toleranceEdit);
        EXPECT_EQ(fill.tolerance, t.stored);
        EXPECT_EQ(messages, t.refused ? std::vector<std::string>{kRangeMessage} : std::vector<std::string>{});
    }
    // A list chosen while the box holds a refused value still takes effect.
    panel->toleranceEdit->setText("300");
    Choose(panel->fillTypeCombo, 1);
    EXPECT_EQ(fill.kind, 1);
    EXPECT_EQ(fill.tolerance, 0);
}

TEST_F(OptionPanels, SelectPanelShowsTheSettingsOfTheShapeChosen)
{
    auto made = std::make_unique<CLdSelectPanel>();
    made->SetParams(&select);
    made->SetModule(module.get());
    CLdSelectPanel* panel = Place(std::move(made));
    const struct {
        uint32_t shape;
        bool sized;
        bool size, square, xy, tolerance;
    } cases[] = {
        {CLdSelectPanel::IDC_RECTANGLE, false, true, true, false, false},
        {CLdSelectPanel::IDC_RECTANGLE, true, true, false, true, false},
        {CLdSelectPanel::IDC_ELLIPSE, true, true, false, true, false},
        {CLdSelectPanel::IDC_COLOR_RANGE, true, false, false, false, true},
        {CLdSelectPanel::IDC_POLYGON, false, false, false, false, false},
        {CLdSelectPanel::IDC_LASSO, false, false, false, false, false},
        {CLdSelectPanel::IDC_MOVE, false, false, false, false, false},
        {CLdSelectPanel::IDC_ELLIPSE, false, true, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape);
        Button(*panel, c.shape)->click();
        if (panel->sizeCheck->isChecked() != c.sized)
            panel->sizeCheck->click();
        EXPECT_EQ(panel->sizeCheck->isVisibleTo(panel), c.size);
        EXPECT_EQ(panel->squareCheck->isVisibleTo(panel), c.square);
        for (QWidget* w : {static_cast<QWidget*>(panel->xLabel), static_cast<QWidget*>(panel->xEdit),
                           static_cast<QWidget*>(panel->ySpin)})
            EXPECT_EQ(w->isVisibleTo(panel), c.xy);
        for (QWidget* w : {static_cast<QWidget*>(panel->toleranceLabel), static_cast<QWidget*>(panel->toleranceEdit),
                           static_cast<QWidget*>(panel->toleranceSpin)})
            EXPECT_EQ(w->isVisibleTo(panel), c.tolerance);
    }
    EXPECT_EQ(Text(panel->sizeCheck), "&Size");
    // The buttons show the module's icons.
    EXPECT_FALSE(Button(*panel, CLdSelectPanel::IDC_ELLIPSE)->icon().isNull());
    EXPECT_EQ(fw::HelpId(Button(*panel, CLdSelectPanel::IDC_ELLIPSE)), 77u);
}

TEST_F(OptionPanels, SelectPanelStoresEverySettingButTheEditorsOwnAndNothingWhenAValueIsRefused)
{
    select.mode = 4;
    select.combine = 1;
    select.tolerance = 20;
    select.editorState = 7;
    auto made = std::make_unique<CLdSelectPanel>();
    made->SetParams(&select);
    CLdSelectPanel* panel = Place(std::move(made));
    EXPECT_TRUE(Button(*panel, CLdSelectPanel::IDC_COLOR_RANGE)->isChecked());
    EXPECT_TRUE(Button(*panel, CLdSelectPanel::IDC_ADD)->isChecked());
    EXPECT_EQ(Text(panel->toleranceEdit), "20");

    panel->toleranceEdit->setText("300");
    Leave(panel->toleranceEdit);
    EXPECT_EQ(messages, std::vector<std::string>{kRangeMessage});
    Button(*panel, CLdSelectPanel::IDC_SUBTRACT)->click();
    EXPECT_EQ(select.tolerance, 20);
    EXPECT_EQ(select.combine, 1);

    panel->toleranceEdit->setText("255");
    Leave(panel->toleranceEdit);
    EXPECT_EQ(select.tolerance, 255);
    EXPECT_EQ(select.combine, 2);
    Button(*panel, CLdSelectPanel::IDC_RECTANGLE)->click();
    panel->sizeCheck->click();
    panel->xEdit->setText("320");
    panel->yEdit->setText("200");
    Leave(panel->yEdit);
    // Mode, combine, the editor's own field, square, fixed size, width, height, tolerance.
    EXPECT_EQ(std::vector<int32_t>({select.mode, select.combine, select.editorState, select.square,
                                    select.fixedSize, select.width, select.height, select.tolerance}),
              std::vector<int32_t>({0, 2, 7, 0, 1, 320, 200, 255}));
}

class TextPanelTest : public PanelFixture {
protected:
    CLdTextPanel* Open()
    {
        auto made = std::make_unique<CLdTextPanel>();
        made->SetParams(&text);
        made->SetModule(module.get());
        return Place(std::move(made));
    }

    QTextEdit* Box(CLdTextPanel& panel, int alignment)
    {
        return alignment == 0 ? panel.leftEdit : alignment == 1 ? panel.centreEdit : panel.rightEdit;
    }
};

TEST_F(TextPanelTest, SizeListRunsFrom1To127AndAnUnusableSizePutsItBack)
{
    text.ints[CLdTextPanel::kSize] = 24;
    CLdTextPanel* panel = Open();
    ASSERT_EQ(panel->sizeCombo->count(), 127);
    EXPECT_EQ(panel->sizeCombo->itemText(0), "1");
    EXPECT_EQ(panel->sizeCombo->itemText(126), "127");
    EXPECT_EQ(panel->sizeCombo->currentText(), "24");
    EXPECT_GT(panel->faceCombo->count(), 0);

    const struct {
        const char* typed;
        int32_t size;
        const char* shown;
    } cases[] = {{"abc", 24, "24"}, {"0", 24, "24"}, {"-3", 24, "24"}, {"200", 200, "200"}, {"x", 200, "200"},
                 {"36", 36, "36"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        panel->sizeCombo->setEditText(c.typed);
        Leave(panel->sizeCombo->lineEdit());
        EXPECT_EQ(text.ints[CLdTextPanel::kSize], c.size);
        EXPECT_EQ(panel->sizeCombo->currentText(), c.shown);
    }
    Choose(panel->sizeCombo, 9);
    EXPECT_EQ(text.ints[CLdTextPanel::kSize], 10);
}

TEST_F(TextPanelTest, TypedTextGoesIntoTheSettingsAndFollowsTheAlignment)
{
    text.ints[CLdTextPanel::kAlignment] = 0;
    text.ints[CTextParams::kInts - 1] = 1;
    CLdTextPanel* panel = Open();
    // Opening resets the text tool's own state and applies nothing.
    EXPECT_EQ(text.ints[CTextParams::kInts - 1], 0);
    EXPECT_TRUE(editor.calls.empty());
    EXPECT_TRUE(panel->leftEdit->isVisibleTo(panel));
    EXPECT_FALSE(panel->centreEdit->isVisibleTo(panel));

    panel->leftEdit->setPlainText("Happy birthday");
    EXPECT_EQ(text.text, "Happy birthday");
    EXPECT_EQ(editor.calls, std::vector<std::string>{"invalidate"});

    const struct {
        uint32_t button;
        int alignment;
        Qt::Alignment shown;
    } cases[] = {{CLdTextPanel::IDC_RIGHT, 2, Qt::AlignRight},
                 {CLdTextPanel::IDC_CENTRE, 1, Qt::AlignHCenter},
                 {CLdTextPanel::IDC_LEFT, 0, Qt::AlignLeft}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.alignment);
        Button(*panel, c.button)->click();
        EXPECT_EQ(text.ints[CLdTextPanel::kAlignment], c.alignment);
        QTextEdit* box = Box(*panel, c.alignment);
        for (int a = 0; a < 3; ++a)
            EXPECT_EQ(Box(*panel, a)->isVisibleTo(panel), a == c.alignment);
        EXPECT_EQ(box->toPlainText(), "Happy birthday");
        EXPECT_EQ(box->document()->defaultTextOption().alignment(), c.shown);
        EXPECT_EQ(text.text, "Happy birthday");
    }
    Button(*panel, CLdTextPanel::IDC_CENTRE)->click();
    panel->centreEdit->setPlainText("Many happy returns");
    EXPECT_EQ(text.text, "Many happy returns");

    for (const auto& [id, slot] : {std::pair{CLdTextPanel::IDC_ITALIC, CLdTextPanel::kItalic},
                                   {CLdTextPanel::IDC_BOLD, CLdTextPanel::kBold},
                                   {CLdTextPanel::IDC_UNDERLINE, CLdTextPanel::kUnderline}}) {
        SCOPED_TRACE(id);
        Button(*panel, id)->click();
        EXPECT_EQ(text.ints[slot], 1);
        Button(*panel, id)->click();
        EXPECT_EQ(text.ints[slot], 0);
    }
    EXPECT_EQ(editor.calls.back(), "invalidate");

    text.ints[CTextParams::kInts - 1] = 1;
    delete panel;
    EXPECT_EQ(text.ints[CTextParams::kInts - 1], 0);
}
