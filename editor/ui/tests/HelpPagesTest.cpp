// Every help topic the editor's dialogs and bars ask for has a page among
// the pages built beside the program, and F1 in a dialog opens its page.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTest>
#include <functional>
#include <memory>

#include "editor/ui/AboutDlg.h"
#include "editor/ui/ChooseStringDlg.h"
#include "editor/ui/Convert1Dlg.h"
#include "editor/ui/Convert4Dlg.h"
#include "editor/ui/FastUndoRedoDepth.h"
#include "editor/ui/FileInfoDlg.h"
#include "editor/ui/FrameDlg.h"
#include "editor/ui/HistoryDlg.h"
#include "editor/ui/LdBarIds.h"
#include "editor/ui/NewDocDlg.h"
#include "editor/ui/ResizeDlg.h"
#include "editor/ui/RotateFlipDlg.h"
#include "editor/ui/RotateFlipSelDlg.h"
#include "editor/ui/StitchDlg.h"
#include "framework/App.h"
#include "framework/HelpProvider.h"
#include "framework/HelpTopics.h"
#include "framework/tests/EveryTopicHasAPage.h"
#include "platform/Dib.h"
#include "PreviewTestEffect.h"

namespace {

const std::string kHelpFile = std::string(QN_PROGRAM_FOLDER) + "Telvy12.HLP";

using DialogMaker = std::function<std::unique_ptr<fw::Dialog>()>;

// One of each of the editor's dialogs with context help.
std::vector<DialogMaker> EditorDialogs()
{
    const PpQnRenderObj picture(PpQnPicture(RampPicture(60, 40)));
    auto effect = [](const CLdConversion&) { return PreviewTestEffect::Function(); };
    auto frameSource = [] {
        std::vector<uint8_t> dib = platform::MakeDibHeader(40, 30, 24, {}, 96, 96);
        dib.resize(dib.size() + size_t(platform::DibRowBytes(40, 24)) * 30, 0x11);
        return dib;
    };
    return {
        [] { return std::make_unique<CAboutDlg>(); },
        [] { return std::make_unique<CChooseStringDlg>(); },
        [=] { return std::make_unique<Convert1Dlg>(picture, effect); },
        [=] { return std::make_unique<Convert4Dlg>(picture, effect, true); },
        [] { return std::make_unique<CFastUndoRedoDepth>(10); },
        [] { return std::make_unique<CFileInfoDlg>(); },
        [=] { return std::make_unique<CFrameDlg>(frameSource(), 0xFFFFFF); },
        [] { return std::make_unique<HistoryDlg>(); },
        [] { return std::make_unique<CNewDocDlg>(640, 480); },
        [] { return std::make_unique<ResizeDlg>(640, 480, 96, 96, 0); },
        [=] { return std::make_unique<RotateFlipDlg>(picture, 0, true); },
        [=] { return std::make_unique<RotateFlipSelDlg>(picture, picture, true); },
        [=] {
            return std::make_unique<StitchDlg>(
                std::vector<StitchPicture>{{"one.bmp", picture}, {"two.bmp", picture}}, 0);
        },
    };
}

// The topics an opened dialog asks for (its controls get theirs as it opens).
std::set<uint32_t> TopicsOfOpened(fw::Dialog& dialog)
{
    std::set<uint32_t> topics;
    fw::SetDialogHook([&](fw::Dialog& d) { topics = fw::HelpTopicsOf(d); });
    dialog.DoModal();
    fw::SetDialogHook({});
    return topics;
}

}  // namespace

TEST(EditorHelpPages, EveryTopicOfTheDialogsAndBarsHasAPage)
{
    std::set<uint32_t> topics{0, fw::kHelpBaseResource + fw::kMainFrameResource};
    for (const DialogMaker& make : EditorDialogs()) {
        const std::unique_ptr<fw::Dialog> dialog = make();
        const std::set<uint32_t> own = TopicsOfOpened(*dialog);
        EXPECT_TRUE(own.count(dialog->helpId)) << "dialog topic " << dialog->helpId;
        topics.insert(own.begin(), own.end());
    }
    for (uint32_t id = IDH_BAR_CANCEL; id <= IDH_TOOL_BAR; ++id)
        topics.insert(id);
    EXPECT_TRUE(EveryTopicHasAPage(kHelpFile, topics));
}

TEST(EditorHelpPages, F1InADialogOpensItsPage)
{
    fw::App app("Telvy12");
    app.SetHelpFile(kHelpFile);
    std::vector<fw::HelpRequest> shown;
    fw::HelpProvider::Instance().SetBackend([&](const fw::HelpRequest& r) { shown.push_back(r); });
    CNewDocDlg dialog(640, 480);
    fw::SetDialogHook([](fw::Dialog& d) {
        d.show();
        d.setFocus();
        QTest::keyClick(&d, Qt::Key_F1);
    });
    dialog.DoModal();
    fw::SetDialogHook({});
    fw::HelpProvider::Instance().SetBackend({});
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].command, fw::HELP_CONTEXT);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(shown[0].page))) << shown[0].page;
}
