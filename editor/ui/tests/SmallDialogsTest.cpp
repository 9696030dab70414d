// The small dialogs run through their hooks: values accepted and refused
// with the framework's messages, Cancel leaving the fields, the lists.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "DialogGrab.h"
#include "editor/ui/ChooseStringDlg.h"
#include "editor/ui/FastUndoRedoDepth.h"
#include "editor/ui/FileInfoDlg.h"
#include "editor/ui/HistoryDlg.h"
#include "editor/ui/NewDocDlg.h"
#include "framework/MessageBox.h"
#include "framework/SpinButton.h"

namespace {

class SmallDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& r) {
            messages.push_back(r.text);
            return fw::IDOK;
        });
    }
    void TearDown() override
    {
        fw::SetMessageBoxHook({});
        fw::SetDialogHook({});
    }
    static QLineEdit* Edit(fw::Dialog& d, uint32_t id) { return qobject_cast<QLineEdit*>(d.GetDlgItem(id)); }
    static QListWidget* List(fw::Dialog& d, uint32_t id) { return qobject_cast<QListWidget*>(d.GetDlgItem(id)); }
    static std::vector<std::string> Items(QListWidget* list)
    {
        std::vector<std::string> items;
        for (int i = 0; i < list->count(); ++i)
            items.push_back(list->item(i)->text().toStdString());
        return items;
    }

    std::vector<std::string> messages;
};

}  // namespace

TEST_F(SmallDialogs, NewPictureSizesAreCheckedOnOk)
{
    struct Typed {
        const char* width;
        bool accepted;
        const char* message;
    };
    const Typed cases[] = {
        {"0", false, "Please enter an integer between 1 and 2147483647."},
        {"", false, "Please enter an integer."},
        {"2147483648", false, "Please enter an integer."},
        {"-5", false, "Please enter an integer between 1 and 2147483647."},
        {"2147483647", true, nullptr},
    };
    for (const Typed& c : cases) {
        SCOPED_TRACE(c.width);
        messages.clear();
        CNewDocDlg dialog(640, 480);
        bool open = false;
        fw::SetDialogHook([&](fw::Dialog& d) {
            Edit(d, CNewDocDlg::IDC_WIDTH)->setText(c.width);
            Edit(d, CNewDocDlg::IDC_HEIGHT)->setText("1");
            qobject_cast<QComboBox*>(d.GetDlgItem(CNewDocDlg::IDC_RESOLUTION))->setEditText("150");
            d.PressButton(fw::IDOK);
            open = d.IsOpen();
        });
        const int result = dialog.DoModal();
        EXPECT_EQ(open, !c.accepted);
        EXPECT_EQ(result, c.accepted ? fw::IDOK : fw::IDCANCEL);
        EXPECT_EQ(messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(dialog.width, c.accepted ? 2147483647 : 640);
        EXPECT_EQ(dialog.height, c.accepted ? 1 : 480);
        EXPECT_EQ(dialog.resolution, c.accepted ? "150" : "72");
    }
}

TEST_F(SmallDialogs, NewPictureShowsLargeSizesAndItsArrowsStopAt32767)
{
    CNewDocDlg dialog(40000, 32766);
    fw::SetDialogHook([&](fw::Dialog& d) {
        // A size past the arrows' range still shows as it is.
        EXPECT_EQ(Edit(d, CNewDocDlg::IDC_WIDTH)->text(), "40000");
        auto* heightSpin = static_cast<fw::SpinButton*>(d.GetDlgItem(CNewDocDlg::IDC_HEIGHT_SPIN));
        heightSpin->Step(1);
        heightSpin->Step(1);
        EXPECT_EQ(Edit(d, CNewDocDlg::IDC_HEIGHT)->text(), "32767");
        auto* resolution = qobject_cast<QComboBox*>(d.GetDlgItem(CNewDocDlg::IDC_RESOLUTION));
        EXPECT_EQ(resolution->currentText(), "72");
        EXPECT_EQ(resolution->count(), 5);
        GrabWhenAsked(d, "NewDocDlg");
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(dialog.width, 40000);
    EXPECT_EQ(dialog.height, 32767);
}

TEST_F(SmallDialogs, UndoDepthRange)
{
    struct Typed {
        const char* depth;
        bool accepted;
    };
    for (const Typed& c : {Typed{"0", true}, Typed{"65535", true}, Typed{"65536", false}, Typed{"-1", false}}) {
        SCOPED_TRACE(c.depth);
        messages.clear();
        CFastUndoRedoDepth dialog(20);
        fw::SetDialogHook([&](fw::Dialog& d) {
            EXPECT_EQ(Edit(d, CFastUndoRedoDepth::IDC_DEPTH)->text(), "20");
            Edit(d, CFastUndoRedoDepth::IDC_DEPTH)->setText(c.depth);
            d.PressButton(fw::IDOK);
        });
        EXPECT_EQ(dialog.DoModal(), c.accepted ? fw::IDOK : fw::IDCANCEL);
        EXPECT_EQ(dialog.depth, c.accepted ? std::stoi(c.depth) : 20);
        EXPECT_EQ(messages, c.accepted ? std::vector<std::string>{}
                                       : std::vector<std::string>{"Please enter an integer between 0 and 65535."});
    }
}

TEST_F(SmallDialogs, UndoDepthCancelAndArrows)
{
    CFastUndoRedoDepth dialog(32766);
    fw::SetDialogHook([&](fw::Dialog& d) {
        auto* spin = static_cast<fw::SpinButton*>(d.GetDlgItem(CFastUndoRedoDepth::IDC_DEPTH_SPIN));
        for (int i = 0; i < 3; ++i)
            spin->Step(1);
        EXPECT_EQ(Edit(d, CFastUndoRedoDepth::IDC_DEPTH)->text(), "32767");
        GrabWhenAsked(d, "FastUndoRedoDepth");
        d.PressButton(fw::IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDCANCEL);
    EXPECT_EQ(dialog.depth, 32766);
}

TEST_F(SmallDialogs, ChooseListsEachTextOnceAndTakesTheSelection)
{
    CChooseStringDlg dialog;
    for (const char* text : {"Warps", "Artistic", "Warps", "warps", "Edges"})
        dialog.AddString(text);
    std::vector<std::string> listed;
    fw::SetDialogHook([&](fw::Dialog& d) {
        QListWidget* list = List(d, CChooseStringDlg::IDC_LIST);
        listed = Items(list);
        list->setCurrentRow(3);
        GrabWhenAsked(d, "ChooseStringDlg");
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(listed, (std::vector<std::string>{"Warps", "Artistic", "warps", "Edges"}));
    EXPECT_TRUE(dialog.pendingStrings.empty());
    EXPECT_EQ(dialog.selection, "Edges");
}

TEST_F(SmallDialogs, ChooseWithNothingToSelectLeavesTheSelectionEmpty)
{
    CChooseStringDlg dialog;
    fw::SetDialogHook([](fw::Dialog& d) { d.PressButton(fw::IDOK); });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(dialog.selection, "");
}

TEST_F(SmallDialogs, ChooseByDoubleClick)
{
    CChooseStringDlg dialog;
    dialog.AddString("Warps");
    dialog.AddString("Artistic");
    fw::SetDialogHook([&](fw::Dialog& d) {
        QListWidget* list = List(d, CChooseStringDlg::IDC_LIST);
        list->setCurrentRow(1);
        emit list->itemDoubleClicked(list->item(1));
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(dialog.selection, "Artistic");
}

TEST_F(SmallDialogs, HistoryListsItsEntriesAndADoubleClickTakesOne)
{
    HistoryDlg dialog;
    for (const char* entry : {"Open", "Brush", "Convert to monochrome"})
        dialog.AddItem(entry);
    fw::SetDialogHook([&](fw::Dialog& d) {
        QListWidget* list = List(d, HistoryDlg::IDC_HISTORY);
        EXPECT_EQ(Items(list), dialog.entries);
        EXPECT_TRUE(list->selectedItems().isEmpty());
        GrabWhenAsked(d, "HistoryDlg");
        list->setCurrentRow(1);
        emit list->itemDoubleClicked(list->item(1));
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(dialog.selectedEntry, 1);
}

TEST_F(SmallDialogs, HistoryCancelKeepsTheEntryUnchosen)
{
    HistoryDlg dialog;
    dialog.AddItem("Open");
    fw::SetDialogHook([&](fw::Dialog& d) {
        List(d, HistoryDlg::IDC_HISTORY)->setCurrentRow(0);
        d.PressButton(fw::IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDCANCEL);
    EXPECT_EQ(dialog.selectedEntry, -1);
}

TEST_F(SmallDialogs, PicturePropertiesShowTheLinesInAFixedPitchFont)
{
    CFileInfoDlg dialog;
    dialog.AddLine("Width:      640");
    dialog.AddLine("Height:     480");
    EXPECT_EQ(dialog.text, "Width:      640\r\nHeight:     480\r\n");
    fw::SetDialogHook([&](fw::Dialog& d) {
        auto* edit = qobject_cast<QPlainTextEdit*>(d.GetDlgItem(CFileInfoDlg::IDC_INFO));
        EXPECT_EQ(edit->toPlainText(), "Width:      640\nHeight:     480\n");
        EXPECT_TRUE(edit->isReadOnly());
        EXPECT_TRUE(QFontInfo(edit->font()).fixedPitch());
        EXPECT_EQ(d.GetDlgItem(fw::IDCANCEL), nullptr);
        GrabWhenAsked(d, "FileInfoDlg");
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
}
