// Scanning into the album from SANE's test back end: the picture reaches
// the main frame as a work area of the scanned size and pixels, through
// both transfer methods, in colour and grey; a cancelled scan and a system
// without scanners hand nothing over.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QComboBox>

#include "AppTestSupport.h"
#include "album/app/AlbumIds.h"
#include "album/app/MainFrm.h"
#include "album/app/OvalbumApp.h"
#include "album/app/SaneAlbumScanner.h"
#include "drawctx/zvwa/WA.h"
#include "imexp/WorkArea.h"
#include "framework/Dialog.h"
#include "scanner/QnScanner.h"
#include "scanner/ScanDialogIds.h"
#include "scanner/tests/SaneTestBackend.h"

namespace {

class AlbumScanTest : public albumapptest::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        app.SetProgramFolder(ProgramFolder());
        app.SetLauncher(std::make_unique<albumapptest::RecordingLauncher>());
        auto sane = std::make_unique<SaneAlbumScanner>();
        scanner = sane.get();
        app.SetScanner(std::move(sane));
        ASSERT_TRUE(app.InitInstance());
        frame = dynamic_cast<CMainFrame*>(app.GetMainWnd());
        ASSERT_NE(frame, nullptr);
        frame->storeScannedPicture = [this](WA* picture) { stored.push_back(picture); };
        fw::SetDialogHook([this](fw::Dialog& dialog) {
            if (auto* modes = qobject_cast<QComboBox*>(dialog.GetDlgItem(IDC_SCAN_MODE))) {
                modes->setCurrentIndex(modes->findText(mode));
                auto* resolutions = qobject_cast<QComboBox*>(dialog.GetDlgItem(IDC_SCAN_RESOLUTION));
                resolutions->setCurrentIndex(resolutions->findText("50 dpi"));
            }
            dialog.PressButton(fw::IDOK);
        });
    }
    void TearDown() override
    {
        fw::SetDialogHook({});
        for (WA* picture : stored)
            WARelease(picture);
        app.CloseAllDocuments(true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        AppFixture::TearDown();
    }

    COvalbumApp app;
    SaneAlbumScanner* scanner = nullptr;
    CMainFrame* frame = nullptr;
    QString mode = "Colour";
    std::vector<WA*> stored;
};

}  // namespace

TEST_F(AlbumScanTest, AcquireStoresTheScannedPictureThroughBothTransfers)
{
    struct Case {
        int transferMethod;
        const char* mode;
        int type;
    } const cases[] = {{1, "Colour", WA_RGB24}, {0, "Colour", WA_RGB24}, {1, "Grey", WA_GRAY}, {0, "Grey", WA_GRAY}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + (c.transferMethod ? " native" : " memory"));
        SaneTestBackend backend;
        mode = c.mode;
        frame->transferMethod = c.transferMethod;
        stored.clear();
        frame->SendCommand(ID_ACQUIRE);
        ASSERT_EQ(stored.size(), 1u);
        const WA& picture = *stored[0];
        EXPECT_EQ(picture.type, c.type);
        EXPECT_EQ(picture.width, SaneTestBackend::kWidth);
        EXPECT_EQ(picture.height, SaneTestBackend::kHeight);
        const int bytes = c.type == WA_RGB24 ? 3 : 1;
        for (const auto& probe : SaneTestBackend::kProbes) {
            // Work-area rows are bottom-up.
            const uint8_t* pixel = picture.Row(SaneTestBackend::kHeight - 1 - probe[1]) + probe[0] * bytes;
            for (int b = 0; b < bytes; ++b)
                EXPECT_EQ(pixel[b], SaneTestBackend::GridAt(probe[0], probe[1])) << probe[0] << "," << probe[1];
        }
        WARelease(stored[0]);
        stored.clear();
        EXPECT_EQ(scanner->IsBusy(), 0);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(AlbumScanTest, CancelledScanOrNoScannerStoresNothing)
{
    {
        SaneTestBackend backend(SaneTestBackend::kLarge);
        struct Stop : QnScanProgress {
            bool Step(int32_t done, int32_t total) override { return done < total / 2; }
        };
        scanner->Scanner().makeProgress = [](QWidget*) { return std::make_unique<Stop>(); };
        frame->SendCommand(ID_ACQUIRE);
        EXPECT_TRUE(stored.empty());
        EXPECT_TRUE(messages.empty());
        scanner->Scanner().makeProgress = nullptr;
    }
    app.GetScanner().Shutdown();
    SaneTestBackend none({}, false);
    frame->SendCommand(ID_ACQUIRE);
    EXPECT_TRUE(stored.empty());
    EXPECT_EQ(messages, std::vector<std::string>{QnScanner::kNoScanner});
}
