// A modal dialog driven through its hook: data exchange refuses values with
// the framework's standard messages and keeps the dialog open.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>

#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"
#include "framework/SpinButton.h"

namespace {

// Like the undo-depth dialog: one number 0..65535 with a spin button.
class DepthDialog : public fw::Dialog {
public:
    int32_t depth = 5;

protected:
    void CreateControls() override
    {
        auto* edit = new QLineEdit(this);
        fw::SetControlId(edit, 1007);
        spin = new fw::SpinButton(this);
        fw::SetControlId(spin, 1037);
        spin->SetBuddy(edit);
        AddButton(fw::IDOK, "OK");
        AddButton(fw::IDCANCEL, "Cancel");
    }
    bool OnInitDialog() override
    {
        fw::Dialog::OnInitDialog();
        spin->SetRange(0, 32767);
        spin->SetPos(depth);
        return true;
    }
    void DoDataExchange(fw::DataExchange& dx) override
    {
        fw::DDX_Text(dx, 1007, depth);
        fw::DDV_MinMaxInt(dx, depth, 0, 65535);
    }

public:
    fw::SpinButton* spin = nullptr;
};

class Dialogs : public ::testing::Test {
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
    std::vector<std::string> messages;
};

TEST_F(Dialogs, OutOfRangeValueIsRefusedAndTheDialogStaysOpen)
{
    DepthDialog dialog;
    std::vector<bool> openAfterOk;
    fw::SetDialogHook([&](fw::Dialog& d) {
        auto* edit = qobject_cast<QLineEdit*>(d.GetDlgItem(1007));
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), "5");
        for (const char* typed : {"65536", "abc", "", "65535"}) {
            edit->setText(typed);
            d.PressButton(fw::IDOK);
            openAfterOk.push_back(d.IsOpen());
        }
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(openAfterOk, (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(messages, (std::vector<std::string>{"Please enter an integer between 0 and 65535.",
                                                  "Please enter an integer.", "Please enter an integer."}));
    EXPECT_EQ(dialog.depth, 65535);
}

TEST_F(Dialogs, CancelKeepsTheFieldsAndSpinStopsAtItsRange)
{
    DepthDialog dialog;
    dialog.depth = 32766;
    fw::SetDialogHook([&](fw::Dialog& d) {
        auto& depthDialog = static_cast<DepthDialog&>(d);
        depthDialog.spin->Step(1);
        depthDialog.spin->Step(1);
        EXPECT_EQ(qobject_cast<QLineEdit*>(d.GetDlgItem(1007))->text(), "32767");
        d.PressButton(fw::IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDCANCEL);
    EXPECT_EQ(dialog.depth, 32766);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Dialogs, HookThatLeavesTheDialogOpenEndsItAsCancel)
{
    DepthDialog dialog;
    fw::SetDialogHook([](fw::Dialog&) {});
    EXPECT_EQ(dialog.DoModal(), fw::IDCANCEL);
}

TEST_F(Dialogs, ListSelectionExchange)
{
    class Choose : public fw::Dialog {
    public:
        std::string selection;
        int index = -1;
        void CreateControls() override
        {
            auto* list = new QListWidget(this);
            fw::SetControlId(list, 1087);
            list->addItems({"Mosaic", "Canvas"});
            AddButton(fw::IDOK, "OK");
        }
        void DoDataExchange(fw::DataExchange& dx) override
        {
            fw::DDX_LBString(dx, 1087, selection);
            fw::DDX_LBIndex(dx, 1087, index);
        }
    } dialog;
    fw::SetDialogHook([](fw::Dialog& d) { d.PressButton(fw::IDOK); });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(dialog.selection, "");  // nothing selected
    EXPECT_EQ(dialog.index, -1);
}

}  // namespace
