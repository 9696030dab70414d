// Every help topic of the album's dialogs has a page among the pages built
// beside the program, and F1 in a dialog opens an existing page.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTest>
#include <functional>
#include <memory>

#include "album/app/AboutDlg.h"
#include "album/app/AlbumInfoDlg.h"
#include "album/app/AlbumQuestionDlg.h"
#include "album/app/PictureInfoDlg.h"
#include "album/app/ScanOptionsDlg.h"
#include "album/app/SearchDlg.h"
#include "album/app/SlideShowDlg.h"
#include "album/doc/OvalbumDoc.h"
#include "framework/App.h"
#include "framework/HelpProvider.h"
#include "framework/HelpTopics.h"
#include "framework/tests/EveryTopicHasAPage.h"

namespace {

const std::string kHelpFile = std::string(QN_PROGRAM_FOLDER) + "OVALBUM.HLP";

class AlbumHelpPages : public ::testing::Test {
protected:
    AlbumHelpPages()
    {
        auto record = std::make_unique<COvalbumRec>();
        record->path = "/pics/a.jpg";
        rec = doc.InsertRecord(std::move(record));
    }
    void TearDown() override
    {
        fw::SetDialogHook({});
        fw::HelpProvider::Instance().SetBackend({});
    }

    // One of each of the album's dialogs.
    std::vector<std::function<std::unique_ptr<CAlbumHelpDlg>()>> Dialogs()
    {
        using Kind = CAlbumQuestionDlg::Kind;
        return {
            [&] { return std::make_unique<CPictureInfoDlg>(doc, *rec); },
            [&] { return std::make_unique<CAlbumInfoDlg>(doc); },
            [&] { return std::make_unique<CSearchDlg>(doc); },
            [] { return std::make_unique<CSlideShowDlg>(); },
            [] { return std::make_unique<CScanOptionsDlg>("/"); },
            [] { return std::make_unique<CAlbumQuestionDlg>(Kind::MissingFile, "gone"); },
            [] { return std::make_unique<CAlbumQuestionDlg>(Kind::ChangedFile, "changed"); },
            [] { return std::make_unique<CAboutDlg>(); },
        };
    }

    COvalbumDoc doc;
    COvalbumRec* rec = nullptr;
};

}  // namespace

TEST_F(AlbumHelpPages, EveryTopicOfTheDialogsHasAPage)
{
    std::set<uint32_t> topics{0, fw::kHelpBaseResource + fw::kMainFrameResource};
    for (const auto& make : Dialogs()) {
        const auto dialog = make();
        fw::SetDialogHook([&](fw::Dialog& d) {
            const std::set<uint32_t> own = fw::HelpTopicsOf(d);
            topics.insert(own.begin(), own.end());
        });
        dialog->DoModal();
    }
    EXPECT_TRUE(EveryTopicHasAPage(kHelpFile, topics));
}

TEST_F(AlbumHelpPages, F1InADialogOpensItsPage)
{
    fw::App app("OVALBUM");
    app.SetHelpFile(kHelpFile);
    std::vector<fw::HelpRequest> shown;
    fw::HelpProvider::Instance().SetBackend([&](const fw::HelpRequest& r) { shown.push_back(r); });
    CSlideShowDlg dialog;
    fw::SetDialogHook([](fw::Dialog& d) {
        d.show();
        d.setFocus();
        QTest::keyClick(&d, Qt::Key_F1);
    });
    dialog.DoModal();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].command, fw::HELP_CONTEXT);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(shown[0].page))) << shown[0].page;
}
