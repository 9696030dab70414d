// File > Acquire in the editor: a picture scanned from SANE's test back end
// becomes a new document, labelled as the command, of the scanned size and
// pixels, in colour and grey; scan-and-print prints it; no scanner is a
// message and no document.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <filesystem>
#include <memory>
#include <vector>

#include "editor/app/Lodo40App.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/frame/MainFrm.h"
#include "framework/CommandIds.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"
#include "scanner/QnScanner.h"
#include "scanner/ScanDialogIds.h"
#include "scanner/tests/SaneTestBackend.h"

namespace {

// The application without its start: File > New makes a document from the
// request in force, as the document template would; other commands are
// noted.
class AcquireApp : public CLodo40App {
public:
    bool OnCmdMsg(uint32_t id, fw::CmdCode code, fw::CmdUI* ui) override
    {
        if (code != fw::CmdCode::Command || (id != fw::ID_FILE_NEW && id != CMainFrame::ID_FILE_PAGE_SETUP &&
                                             id != CMainFrame::ID_FILE_PRINT_DIRECT))
            return CLodo40App::OnCmdMsg(id, code, ui);
        commands.push_back(id);
        if (id == fw::ID_FILE_NEW) {
            requestSeen = NewRequest();
            auto doc = std::make_unique<CLodo40Doc>();
            if (doc->OnNewDocument())
                docs.push_back(std::move(doc));
        }
        return true;
    }
    std::vector<uint32_t> commands;
    NewDocumentRequest requestSeen;
    std::vector<std::unique_ptr<CLodo40Doc>> docs;
};

class Acquire : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CMainFrame(app.Registry(), app);
        app.SetMainWnd(frame);
        fw::SetDialogHook([this](fw::Dialog& dialog) {
            if (auto* modes = qobject_cast<QComboBox*>(dialog.GetDlgItem(IDC_SCAN_MODE))) {
                modes->setCurrentIndex(modes->findText(mode));
                auto* resolutions = qobject_cast<QComboBox*>(dialog.GetDlgItem(IDC_SCAN_RESOLUTION));
                resolutions->setCurrentIndex(resolutions->findText("50 dpi"));
            }
            dialog.PressButton(fw::IDOK);
        });
        fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& request) {
            messages.push_back(request.text);
            return fw::IDOK;
        });
    }
    void TearDown() override
    {
        fw::SetDialogHook({});
        fw::SetMessageBoxHook({});
        app.docs.clear();
        app.SetMainWnd(nullptr);
        delete frame;
    }

    AcquireApp app;
    CMainFrame* frame = nullptr;
    QString mode;
    std::vector<std::string> messages;
};

}  // namespace

TEST_F(Acquire, TheScannedPictureBecomesANewDocument)
{
    for (const char* chosen : {"Colour", "Grey"}) {
        SCOPED_TRACE(chosen);
        SaneTestBackend backend;
        mode = chosen;
        app.docs.clear();
        app.commands.clear();
        app.OnAcquire();
        ASSERT_EQ(app.docs.size(), 1u);
        EXPECT_EQ(app.commands, std::vector<uint32_t>{fw::ID_FILE_NEW});
        EXPECT_EQ(app.requestSeen.mode, NewDocumentRequest::File);
        const std::string label = app.GetMenuCommandText(CMainFrame::ID_FILE_ACQUIRE);
        EXPECT_FALSE(label.empty());
        EXPECT_EQ(app.docs[0]->GetLabel(), label);
        // The request ends with the scan.
        EXPECT_EQ(app.NewRequest().mode, NewDocumentRequest::Dialog);
        EXPECT_TRUE(app.NewRequest().path.empty());

        const CLodo40Doc& doc = *app.docs[0];
        EXPECT_EQ(doc.GetPictureSize(), (QnPoint{SaneTestBackend::kWidth, SaneTestBackend::kHeight}));
        for (const auto& probe : SaneTestBackend::kProbes) {
            const uint32_t level = SaneTestBackend::GridAt(probe[0], probe[1]);
            EXPECT_EQ(doc.GetPixelColor(QnPoint{probe[0], probe[1]}), level | level << 8 | level << 16)
                << probe[0] << "," << probe[1];
        }
        EXPECT_FALSE(app.AcquireUnavailable());
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(Acquire, ScanAndPrintPrintsTheNewDocumentOnce)
{
    SaneTestBackend backend;
    mode = "Grey";
    frame->SendCommand(CMainFrame::ID_FILE_SCAN_AND_PRINT);
    EXPECT_EQ(app.commands,
              (std::vector<uint32_t>{fw::ID_FILE_NEW, CMainFrame::ID_FILE_PAGE_SETUP, CMainFrame::ID_FILE_PRINT_DIRECT}));
    EXPECT_FALSE(frame->scanAndPrintPending);
}

TEST_F(Acquire, NoScannerIsAMessageAndNoDocument)
{
    SaneTestBackend none({}, false);
    app.OnAcquire();
    EXPECT_TRUE(app.docs.empty());
    EXPECT_TRUE(app.commands.empty());
    EXPECT_EQ(messages, std::vector<std::string>{QnScanner::kNoScanner});
}
