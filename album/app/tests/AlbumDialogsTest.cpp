// The album's dialogs driven through the dialog hook: OK takes what was
// typed, Cancel leaves the fields as they were, the question dialogs close
// with the pressed button's result.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <string>
#include <vector>

#include "album/app/AlbumIds.h"
#include "album/app/AlbumQuestionDlg.h"
#include "album/app/SlideShowDlg.h"
#include "framework/MessageBox.h"
#include "framework/SpinButton.h"

namespace {

class DialogTest : public ::testing::Test {
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
        fw::SetDialogHook({});
        fw::SetMessageBoxHook({});
    }
    std::vector<std::string> messages;
};

TEST_F(DialogTest, SlideShowDelayTakesOkAndKeepsOnCancel)
{
    constexpr uint32_t kUnread = 0xFFFFFFFF;
    struct Case {
        const char* typed;
        uint32_t button;
        int wantResult;
        uint32_t wantDelay;
    } const cases[] = {
        {"7", fw::IDOK, fw::IDOK, 7},
        {"7", fw::IDCANCEL, fw::IDCANCEL, 3},
        // Refused: the dialog stays open and the hook leaves it cancelled; a
        // cancelled dialog's field is not read.
        {"101", fw::IDOK, fw::IDCANCEL, kUnread},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        CSlideShowDlg dlg;
        dlg.delay = 3;
        std::string shown;
        fw::SetDialogHook([&](fw::Dialog& d) {
            auto* edit = qobject_cast<QLineEdit*>(d.GetDlgItem(IDC_SLIDE_DELAY));
            shown = edit->text().toStdString();
            EXPECT_EQ(static_cast<fw::SpinButton*>(d.GetDlgItem(IDC_SLIDE_DELAY_SPIN))->Upper(), 100);
            edit->setText(c.typed);
            d.PressButton(c.button);
        });
        EXPECT_EQ(dlg.DoModal(), c.wantResult);
        EXPECT_EQ(shown, "3");
        if (c.wantDelay != kUnread) {
            EXPECT_EQ(dlg.delay, c.wantDelay);
        }
    }
    EXPECT_EQ(messages.size(), 1u);  // the value out of range was refused with a message
}

TEST_F(DialogTest, QuestionsCloseWithTheirButtonsResult)
{
    using Kind = CAlbumQuestionDlg::Kind;
    struct Case {
        Kind kind;
        uint32_t button;
        int want;
    } const cases[] = {
        {Kind::MissingFile, fw::IDOK, fw::IDOK},          // Associate
        {Kind::MissingFile, fw::IDCANCEL, fw::IDCANCEL},  // Delete
        {Kind::MissingFile, IDC_IGNORE, CAlbumQuestionDlg::kIgnore},
        {Kind::ChangedFile, fw::IDOK, fw::IDOK},
        {Kind::ChangedFile, fw::IDCANCEL, fw::IDCANCEL},
        {Kind::ChangedFile, IDC_YES_TO_ALL, CAlbumQuestionDlg::kYesToAll},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        CAlbumQuestionDlg dlg(c.kind, "File /x.jpg not found.");
        std::string text;
        fw::SetDialogHook([&](fw::Dialog& d) {
            text = qobject_cast<QLabel*>(d.GetDlgItem(IDC_QUESTION_TEXT))->text().toStdString();
            if (c.kind == Kind::MissingFile && c.button == IDC_IGNORE)
                d.grab().save("/tmp/ovalbum-album-error.png");
            d.PressButton(c.button);
        });
        EXPECT_EQ(dlg.DoModal(), c.want);
        EXPECT_EQ(text, "File /x.jpg not found.");
        EXPECT_EQ(dlg.windowTitle().toStdString(), c.kind == Kind::MissingFile ? "Album error" : "Telvy Album v.1.0");
    }
}

}  // namespace
