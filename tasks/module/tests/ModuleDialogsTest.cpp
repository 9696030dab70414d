// The font, choice and fax dialogs driven through their hooks, and the font
// dialog's choices as the sketch's text then draws them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFontInfo>
#include <QListWidget>
#include <QPlainTextEdit>

#include "framework/Dialog.h"
#include "framework/MessageBox.h"
#include "tasks/module/LdChooseDialog.h"
#include "tasks/module/LdFaxDialog.h"
#include "tasks/module/LdFontDialog.h"
#include "tasks/module/LdFontFaces.h"
#include "tasks/sketch/CVShape_Text.h"
#include "tasks/sketch/SketchDialogs.h"
#include "tasks/sketch/SketchFont.h"

namespace {

void Grab(QWidget& window, const char* name)
{
    const QString folder = qEnvironmentVariable("WRENKIT_GRAB_DIR");
    if (!folder.isEmpty())
        window.grab().save(QDir(folder).filePath(QString(name) + ".png"));
}

// Installs a dialog hook (and a face-menu hook) for one test.
class DialogHooks : public ::testing::Test {
protected:
    void TearDown() override
    {
        fw::SetDialogHook({});
        CLdFontDialog::SetFaceMenuHook({});
    }
};

using FontDialog = DialogHooks;
using ChooseDialog = DialogHooks;
using FaxDialog = DialogHooks;

}  // namespace

TEST(FontFaces, EqualNamesFollowEachOtherInByteOrder)
{
    std::vector<std::string> faces;
    for (const char* name : {"b", "B", "a", "b", "Zed", "\xc3\xa9t\xc3\xa9"})
        LdInsertFace(faces, name);
    EXPECT_EQ(faces, (std::vector<std::string>{"B", "Zed", "a", "b", "b", "\xc3\xa9t\xc3\xa9"}));
}

TEST(FontFaces, SampleHeightIsAWholeMultipleOfTheMeasuredHeight)
{
    struct Case {
        int32_t box, width, height, expected;
    } cases[] = {
        {252, 40, 13, 4 * 13},  // 504 / 120 = 4
        {252, 168, 13, 13},     // exactly two thirds
        {252, 169, 13, 0},      // wider than two thirds: the mapper's default
        {252, 0, 13, 0},        // nothing measured
    };
    for (const Case& c : cases)
        EXPECT_EQ(LdSampleFontHeight(c.box, c.width, c.height), c.expected) << c.width;
}

TEST(FontFaces, ColumnsStartAtEveryTwentiethItem)
{
    EXPECT_EQ(LdFaceMenuColumn(0), 0);
    EXPECT_EQ(LdFaceMenuColumn(19), 0);
    EXPECT_EQ(LdFaceMenuColumn(20), 1);
    EXPECT_EQ(LdFaceMenuColumn(45), 2);
}

TEST_F(FontDialog, OkReturnsTheChosenFaceAndStyleToTheSketch)
{
    LdInstallFontDialog();
    std::vector<int32_t> columnsShown;
    CLdFontDialog::SetFaceMenuHook([&](const std::vector<std::string>& items, const std::vector<int32_t>& columns) {
        columnsShown = columns;
        const auto at = std::find(items.begin(), items.end(), "Liberation Serif");
        return at == items.end() ? -1 : int(at - items.begin());
    });
    std::string title, shownFace;
    fw::SetDialogHook([&](fw::Dialog& dialog) {
        auto& font = dynamic_cast<CLdFontDialog&>(dialog);
        title = dialog.windowTitle().toStdString();
        shownFace = font.faceName;
        EXPECT_TRUE(std::is_sorted(font.faces.begin(), font.faces.end()));
        dynamic_cast<QCheckBox*>(dialog.GetDlgItem(CLdFontDialog::IDC_BOLD))->click();
        dynamic_cast<QCheckBox*>(dialog.GetDlgItem(CLdFontDialog::IDC_ITALIC))->setChecked(true);
        font.OnSamplePressed(QPoint(0, 0));
        EXPECT_EQ(font.bold, 1);  // the click was read back at once
        Grab(dialog, "font");
        dialog.PressButton(fw::IDOK);
    });

    CVShape_Text text({0, 0}, {10, 10});
    text.SetText("2001");
    text.EditFont();
    EXPECT_EQ(title, "Choose font");
    EXPECT_EQ(shownFace, "Arial");
    ASSERT_FALSE(columnsShown.empty());
    EXPECT_EQ(text.face, "Liberation Serif");
    EXPECT_EQ(text.bold, 1);
    EXPECT_EQ(text.italic, 1);

    // The face the sketch then draws with.
    SketchLogFont drawn = SketchLogFont::FromPointSize(120, text.face);
    drawn.weight = text.bold ? 700 : 400;
    drawn.italic = text.italic != 0;
    const QFontInfo info(drawn.MakeFont());
    EXPECT_EQ(info.family(), "Liberation Serif");
    EXPECT_TRUE(info.bold());
    EXPECT_TRUE(info.italic());
    SetSketchFontDialogRunner({});
}

TEST_F(FontDialog, CancelChangesNothing)
{
    LdInstallFontDialog();
    CLdFontDialog::SetFaceMenuHook([](const std::vector<std::string>&, const std::vector<int32_t>&) { return 0; });
    fw::SetDialogHook([](fw::Dialog& dialog) {
        dynamic_cast<QCheckBox*>(dialog.GetDlgItem(CLdFontDialog::IDC_BOLD))->click();
        dynamic_cast<CLdFontDialog&>(dialog).OnSamplePressed(QPoint(0, 0));
        dialog.PressButton(fw::IDCANCEL);
    });
    CVShape_Text text({0, 0}, {10, 10});
    text.face = "Courier New";
    text.EditFont();
    EXPECT_EQ(text.face, "Courier New");
    EXPECT_EQ(text.bold, 0);
    SetSketchFontDialogRunner({});
}

TEST_F(FontDialog, FacesPastTheMenusChoicesChooseNothing)
{
    CLdFontDialog dialog;
    dialog.faceName = "Arial";
    fw::SetDialogHook([](fw::Dialog& d) {
        auto& font = dynamic_cast<CLdFontDialog&>(d);
        font.faces.clear();
        for (int i = 0; i < 300; ++i)
            font.faces.push_back("Face " + std::to_string(i));
        for (int chosen : {255, 256, 299, -1}) {
            CLdFontDialog::SetFaceMenuHook(
                [chosen](const std::vector<std::string>&, const std::vector<int32_t>&) { return chosen; });
            font.OnSamplePressed(QPoint(0, 0));
        }
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(dialog.faceName, "Face 255");
}

TEST_F(FontDialog, ASampleTooWideLeavesTheHeightToTheMapper)
{
    CLdFontDialog dialog;
    dialog.faceName = "Arial";
    int shortSize = 0, longSize = 0;
    fw::SetDialogHook([&](fw::Dialog& d) {
        auto& font = dynamic_cast<CLdFontDialog&>(d);
        font.sampleText = "Ab";
        shortSize = font.SampleFont().pixelSize();
        font.sampleText = std::string(200, 'W');
        longSize = font.SampleFont().pixelSize();
    });
    dialog.DoModal();
    EXPECT_GT(shortSize, 40);
    EXPECT_EQ(longSize, SketchLogFont{}.MakeFont().pixelSize());
}

TEST_F(ChooseDialog, ListsEachItemOnceAndOkOrDoubleClickReturnsIt)
{
    for (bool doubleClick : {false, true}) {
        CLdChooseDialog dialog;
        for (const char* item : {"Zoom", "Whirl", "Zoom", "zoom"})
            dialog.AddItem(item);
        std::vector<std::string> listed;
        fw::SetDialogHook([&](fw::Dialog& d) {
            auto& choose = dynamic_cast<CLdChooseDialog&>(d);
            for (int i = 0; i < choose.listBox->count(); ++i)
                listed.push_back(choose.listBox->item(i)->text().toStdString());
            choose.listBox->setCurrentRow(1);
            Grab(d, "choose");
            if (doubleClick)
                emit choose.listBox->itemDoubleClicked(choose.listBox->item(1));
            else
                d.PressButton(fw::IDOK);
        });
        EXPECT_EQ(dialog.DoModal(), fw::IDOK);
        EXPECT_EQ(dialog.windowTitle(), "Choose");
        EXPECT_EQ(listed, (std::vector<std::string>{"Zoom", "Whirl", "zoom"}));
        EXPECT_EQ(dialog.choice, "Whirl");
    }
}

TEST_F(ChooseDialog, CancelLeavesTheChoiceEmpty)
{
    CLdChooseDialog dialog;
    dialog.AddItem("Zoom");
    fw::SetDialogHook([](fw::Dialog& d) { d.PressButton(fw::IDCANCEL); });
    EXPECT_EQ(dialog.DoModal(), fw::IDCANCEL);
    EXPECT_EQ(dialog.choice, "");
}

TEST_F(FaxDialog, OkReturnsBothBoxesWholeAndCancelChangesNothing)
{
    // Several lines, and more text than a box shows, come back unchanged.
    const std::string subject = "Offer\nfor Monday";
    const std::string notes = std::string(40000, 'n') + "\n\nend";
    for (uint32_t button : {fw::IDOK, fw::IDCANCEL}) {
        CLdFaxDialog dialog;
        dialog.subject = "old";
        fw::SetDialogHook([&](fw::Dialog& d) {
            EXPECT_EQ(dynamic_cast<QPlainTextEdit*>(d.GetDlgItem(CLdFaxDialog::IDC_SUBJECT))->toPlainText(), "old");
            dynamic_cast<QPlainTextEdit*>(d.GetDlgItem(CLdFaxDialog::IDC_SUBJECT))
                ->setPlainText(QString::fromStdString(subject));
            dynamic_cast<QPlainTextEdit*>(d.GetDlgItem(CLdFaxDialog::IDC_NOTES))
                ->setPlainText(QString::fromStdString(notes));
            if (button == fw::IDOK)
                Grab(d, "fax");
            d.PressButton(button);
        });
        EXPECT_EQ(dialog.DoModal(), int(button));
        EXPECT_EQ(dialog.windowTitle(), "Fax");
        EXPECT_EQ(dialog.subject, button == fw::IDOK ? subject : "old");
        EXPECT_EQ(dialog.notes, button == fw::IDOK ? notes : "");
    }
}
