// The scanner's commands as the programs use them: the dialogs answered
// through the framework's hooks, SANE's test back end as the device.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"
#include "scanner/QnScanner.h"
#include "scanner/ScanDialogIds.h"
#include "scanner/ScanFrame.h"
#include "scanner/ScanProgressDlg.h"
#include "scanner/tests/SaneTestBackend.h"

namespace {

// Answers every dialog: the source list takes sourceRow, the scan dialog the
// mode line ("Colour" or "Grey") and 50 dpi; each is recorded.
struct Answers {
    int sourceRow = 0;
    QString mode = "Grey";
    std::vector<std::string> dialogs;
    std::string deviceShown;
    std::vector<std::string> messages;

    Answers()
    {
        fw::SetDialogHook([this](fw::Dialog& dialog) {
            dialogs.push_back(dialog.windowTitle().toStdString());
            if (auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItem(IDC_SCAN_SOURCES)))
                list->setCurrentRow(sourceRow);
            if (auto* modes = qobject_cast<QComboBox*>(dialog.GetDlgItem(IDC_SCAN_MODE))) {
                modes->setCurrentIndex(modes->findText(mode));
                auto* resolutions = qobject_cast<QComboBox*>(dialog.GetDlgItem(IDC_SCAN_RESOLUTION));
                resolutions->setCurrentIndex(resolutions->findText("50 dpi"));
                deviceShown = qobject_cast<QLabel*>(dialog.GetDlgItem(IDC_SCAN_DEVICE))->text().toStdString();
            }
            dialog.PressButton(fw::IDOK);
        });
        fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& request) {
            messages.push_back(request.text);
            return fw::IDOK;
        });
    }
    ~Answers()
    {
        fw::SetDialogHook({});
        fw::SetMessageBoxHook({});
    }
};

class StopHalfway : public QnScanProgress {
public:
    explicit StopHalfway(QnScanner& scanner) : scanner_(scanner) {}
    bool Step(int32_t done, int32_t total) override
    {
        busySeen = busySeen || scanner_.IsBusy();
        return total == 0 || done < total / 2;
    }
    static inline bool busySeen = false;

private:
    QnScanner& scanner_;
};

}  // namespace

TEST(Scanner, AcquiresColourAndGreyInBothTransfers)
{
    for (const bool colour : {true, false}) {
        for (QnScanTransfer transfer : {QnScanTransfer::WholeFrame, QnScanTransfer::LineByLine}) {
            SaneTestBackend backend;
            Answers answers;
            answers.mode = colour ? "Colour" : "Grey";
            QnScanner scanner;
            QnScanFrame frame;
            ASSERT_TRUE(scanner.Acquire(nullptr, transfer, frame));
            EXPECT_EQ(answers.dialogs, std::vector<std::string>{"Scan"});
            EXPECT_TRUE(answers.messages.empty());
            EXPECT_EQ(frame.Format().colour, colour);
            EXPECT_EQ(frame.Format().width, SaneTestBackend::kWidth);
            EXPECT_EQ(frame.Format().height, SaneTestBackend::kHeight);
            EXPECT_EQ(frame.RowSamples(30)[10 * frame.Format().Channels()], SaneTestBackend::GridAt(10, 30));
            EXPECT_EQ(scanner.colour, colour) << "the choice is kept for the next scan";
            EXPECT_FALSE(scanner.IsBusy());
        }
    }
}

TEST(Scanner, NoDeviceIsAMessageAndNoDialog)
{
    SaneTestBackend none({}, false);
    Answers answers;
    QnScanner scanner;
    QnScanFrame frame;
    EXPECT_FALSE(scanner.Acquire(nullptr, QnScanTransfer::WholeFrame, frame));
    scanner.SelectSource(nullptr);
    EXPECT_EQ(answers.messages, std::vector<std::string>(2, QnScanner::kNoScanner));
    EXPECT_TRUE(answers.dialogs.empty());
    EXPECT_FALSE(scanner.IsBusy());
}

TEST(Scanner, CancelledMidwayDeliversNothingAndSaysNothing)
{
    SaneTestBackend backend(SaneTestBackend::kLarge);
    Answers answers;
    QnScanner scanner;
    scanner.makeProgress = [&](QWidget*) { return std::make_unique<StopHalfway>(scanner); };
    for (QnScanTransfer transfer : {QnScanTransfer::WholeFrame, QnScanTransfer::LineByLine}) {
        QnScanFrame frame;
        EXPECT_FALSE(scanner.Acquire(nullptr, transfer, frame));
    }
    EXPECT_TRUE(StopHalfway::busySeen);
    EXPECT_FALSE(scanner.IsBusy());
    EXPECT_TRUE(answers.messages.empty());

    // The scanner is ready for the next scan.
    scanner.makeProgress = nullptr;
    QnScanFrame frame;
    EXPECT_TRUE(scanner.Acquire(nullptr, QnScanTransfer::LineByLine, frame));
    EXPECT_EQ(frame.Format().height, SaneTestBackend::kLargeSide);
}

TEST(Scanner, TheSourceChosenIsTheOneScanned)
{
    SaneTestBackend backend({"number_of_devices 2"});
    Answers answers;
    answers.sourceRow = 1;
    QnScanner scanner;
    scanner.SelectSource(nullptr);
    EXPECT_EQ(scanner.Source(), "test:1");
    QnScanFrame frame;
    EXPECT_TRUE(scanner.Acquire(nullptr, QnScanTransfer::WholeFrame, frame));
    EXPECT_NE(answers.deviceShown.find("test:1"), std::string::npos) << answers.deviceShown;
    EXPECT_EQ(answers.dialogs, (std::vector<std::string>{"Select Source", "Scan"}));

    // The next start remembers the source and the scan's choices.
    QnScanner next;
    next.LoadChoices();
    EXPECT_EQ(next.Source(), "test:1");
    EXPECT_FALSE(next.colour);
    EXPECT_EQ(next.dpi, 50);
}

TEST(Scanner, ProgressCancelButtonStopsTheScan)
{
    CScanProgressDlg progress;
    progress.Create(nullptr);
    EXPECT_TRUE(progress.Step(1, 10));
    progress.PressButton(fw::IDCANCEL);
    EXPECT_FALSE(progress.Step(2, 10));
}
