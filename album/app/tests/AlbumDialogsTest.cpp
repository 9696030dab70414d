// The album's dialogs driven through the dialog hook: OK takes what was
// typed, Cancel leaves the fields as they were, the question dialogs close
// with the pressed button's result.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <string>
#include <vector>

#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QApplication>
#include <QTest>
#include <QThread>
#include <memory>

#include "GrabChecks.h"
#include "album/app/AboutDlg.h"
#include "album/app/AlbumIds.h"
#include "album/app/AlbumProgress.h"
#include "album/app/AlbumInfoDlg.h"
#include "album/app/AlbumQuestionDlg.h"
#include "album/app/PictureInfoDlg.h"
#include "album/app/ScanOptionsDlg.h"
#include "album/app/SearchDlg.h"
#include "album/doc/OvalbumDoc.h"
#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/HelpProvider.h"
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
            if (c.kind == Kind::MissingFile && c.button == IDC_IGNORE) {
                // The question and the three buttons are drawn, in place.
                const QImage shot = albumapptest::Shot(&d);
                EXPECT_GT(albumapptest::InkPixels(shot, albumapptest::PlaceIn(&d, d.GetDlgItem(IDC_QUESTION_TEXT))), 20);
                for (uint32_t id : {uint32_t(fw::IDOK), uint32_t(fw::IDCANCEL), uint32_t(IDC_IGNORE)}) {
                    albumapptest::ExpectDrawnInPlace(shot, &d, d.GetDlgItem(id));
                    EXPECT_GT(albumapptest::InkPixels(shot, albumapptest::PlaceIn(&d, d.GetDlgItem(id))), 20) << id;
                }
            }
            d.PressButton(c.button);
        });
        EXPECT_EQ(dlg.DoModal(), c.want);
        EXPECT_EQ(text, "File /x.jpg not found.");
        EXPECT_EQ(dlg.windowTitle().toStdString(), c.kind == Kind::MissingFile ? "Album error" : "Telvy Album v.1.0");
    }
}

TEST_F(DialogTest, EveryDialogGivesHelpOnItsControls)
{
    COvalbumDoc doc;
    auto record = std::make_unique<COvalbumRec>();
    record->path = "/pics/a.jpg";
    record->alias = "Ann";
    COvalbumRec& rec = *doc.InsertRecord(std::move(record));
    struct Case {
        uint32_t dialogId;
        uint32_t controlId;
        std::function<std::unique_ptr<CAlbumHelpDlg>()> make;
    } const cases[] = {
        {IDD_PICTURE_INFO, IDC_INFO_ALIAS, [&] { return std::make_unique<CPictureInfoDlg>(doc, rec); }},
        {IDD_ALBUM_INFO, IDC_INFO_COMMENTS, [&] { return std::make_unique<CAlbumInfoDlg>(doc); }},
        {IDD_SEARCH, IDC_FIND_ALIAS, [&] { return std::make_unique<CSearchDlg>(doc); }},
        {IDD_SLIDE_SHOW, IDC_SLIDE_DELAY, [] { return std::make_unique<CSlideShowDlg>(); }},
        {IDD_FILE_SAVE_OPTIONS, IDC_FOLDER, [] { return std::make_unique<CScanOptionsDlg>("/"); }},
        {IDD_ALBUM_ERROR, IDC_QUESTION_TEXT,
         [] { return std::make_unique<CAlbumQuestionDlg>(CAlbumQuestionDlg::Kind::MissingFile, "gone"); }},
        {IDD_ABOUTBOX, IDC_MEMORY, [] { return std::make_unique<CAboutDlg>(); }},
    };
    std::vector<fw::HelpRequest> shown;
    fw::HelpProvider::Instance().SetBackend([&](const fw::HelpRequest& r) { shown.push_back(r); });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialogId);
        shown.clear();
        const auto dialog = c.make();
        fw::SetDialogHook([&](fw::Dialog& d) {
            QWidget* control = d.GetDlgItem(c.controlId);
            ASSERT_NE(control, nullptr);
            d.layout()->activate();
            // F1 with the control focused, then a right click on it.
            control->setFocus();
            QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
            QCoreApplication::sendEvent(&d, &f1);
            const QPoint at = control->mapTo(&d, control->rect().center());
            QContextMenuEvent click(QContextMenuEvent::Mouse, at, d.mapToGlobal(at));
            QCoreApplication::sendEvent(&d, &click);
            // Beside the controls the dialog's own topic answers F1.
            d.setFocus();
            QCoreApplication::sendEvent(&d, &f1);
            d.PressButton(fw::IDCANCEL);
        });
        dialog->DoModal();
        const uint32_t helpId = CAlbumHelpDlg::ControlHelpId(c.dialogId, c.controlId);
        ASSERT_EQ(shown.size(), 3u);
        EXPECT_EQ(shown[0].data, helpId);
        EXPECT_EQ(shown[0].command, uint32_t(fw::HELP_WM_HELP));
        EXPECT_EQ(shown[1].data, helpId);
        EXPECT_EQ(shown[1].command, uint32_t(fw::HELP_CONTEXTMENU));
        EXPECT_EQ(shown[2].data, c.dialogId);
        EXPECT_EQ(shown[2].command, uint32_t(fw::HELP_CONTEXT));
    }
    fw::HelpProvider::Instance().SetBackend({});
}

TEST_F(DialogTest, SearchOffersEachNameOnceAndTakesTheSettings)
{
    COvalbumDoc doc;
    for (const char* alias : {"beach walk", "Beach", "", "Hill"}) {
        auto record = std::make_unique<COvalbumRec>();
        record->path = std::string("/p/") + (alias[0] ? alias : "none") + ".jpg";
        record->alias = alias;
        doc.InsertRecord(std::move(record));
    }
    CSearchDlg dialog(doc);
    std::vector<std::string> aliases;
    int files = 0;
    fw::SetDialogHook([&](fw::Dialog& d) {
        auto* combo = qobject_cast<QComboBox*>(d.GetDlgItem(IDC_FIND_ALIAS));
        for (int i = 0; i < combo->count(); ++i)
            aliases.push_back(combo->itemText(i).toStdString());
        files = qobject_cast<QComboBox*>(d.GetDlgItem(IDC_FIND_FILE))->count();
        combo->setEditText("h*");
        qobject_cast<QLineEdit*>(d.GetDlgItem(IDC_FIND_NUMBER_TO))->setText("2");
        d.PressButton(fw::IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), fw::IDOK);
    // "Beach" is not offered again: "beach walk" begins with it (ignoring case).
    EXPECT_EQ(aliases, (std::vector<std::string>{"beach walk", "Hill"}));
    EXPECT_EQ(files, 4);
    EXPECT_EQ(dialog.search.aliasPattern, "h*");
    EXPECT_EQ(dialog.search.numberTo, 2);
}

}  // namespace

namespace {

TEST(AlbumProgress, FramesFollowTheWorkAndEscapeStopsIt)
{
    AlbumProgress progress;
    progress.Start();
    const struct {
        int32_t done, total;
        int frame;
    } steps[] = {{0, 100, 0}, {11, 100, 0}, {12, 100, 1}, {50, 100, 4}, {99, 100, 8}, {100, 100, 8}};
    for (const auto& s : steps) {
        EXPECT_EQ(progress.Step(s.done, s.total), 1);
        EXPECT_EQ(progress.Frame(), s.frame) << s.done;
    }
    // Input waiting in the queue is dropped; an Escape let go stops the work.
    QWidget target;
    QCoreApplication::postEvent(&target, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier));
    QCoreApplication::postEvent(&target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier));
    QThread::msleep(60);  // without taking the queue
    EXPECT_EQ(progress.Step(1, 2), 0);
    EXPECT_TRUE(progress.Stopped());
    progress.End();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
