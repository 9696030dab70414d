// The application's own commands: the scan-folder options, the About box
// and the web link.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include "AppTestSupport.h"
#include "album/app/AboutDlg.h"
#include "album/app/AboutFigures.h"
#include "album/app/AlbumIds.h"
#include "album/app/OvalbumApp.h"
#include "album/app/ScanOptionsDlg.h"
#include "framework/CommandIds.h"
#include "framework/FileDialog.h"
#include "framework/FrameWnd.h"
#include "platform/AtomicFile.h"

namespace {

class AppCommandsTest : public albumapptest::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        app.SetProgramFolder(ProgramFolder());
        auto recording = std::make_unique<albumapptest::RecordingLauncher>();
        launcher = recording.get();
        app.SetLauncher(std::move(recording));
        ASSERT_TRUE(app.InitInstance());
    }
    void TearDown() override
    {
        fw::SetDialogHook({});
        fw::SetFileDialogHook({});
        app.CloseAllDocuments(true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        AppFixture::TearDown();
    }
    // Runs the options dialog with the folder and format typed in, then OK.
    bool ChooseScanFolder(const std::string& folder, int format)
    {
        fw::SetDialogHook([&](fw::Dialog& dialog) {
            shownFolder = qobject_cast<QLineEdit*>(dialog.GetDlgItem(IDC_FOLDER))->text().toStdString();
            qobject_cast<QLineEdit*>(dialog.GetDlgItem(IDC_FOLDER))->setText(QString::fromStdString(folder));
            qobject_cast<QComboBox*>(dialog.GetDlgItem(IDC_FORMAT))->setCurrentIndex(format);
            dialog.PressButton(fw::IDOK);
        });
        return app.RunScanFolderOptions();
    }
    void AnswerMessages(int answer)
    {
        fw::SetMessageBoxHook([this, answer](const fw::MessageBoxRequest& r) {
            messages.push_back(r.text);
            return answer;
        });
    }

    COvalbumApp app;
    albumapptest::RecordingLauncher* launcher = nullptr;
    std::string shownFolder;
};

TEST_F(AppCommandsTest, ScanFolderOptionsTakeAnExistingFolderWithASlashAndTheFormat)
{
    const std::string scans = PathOf("scans");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(scans)));
    EXPECT_TRUE(ChooseScanFolder(scans, 2));
    // No scan folder yet: the user's pictures folder.
    const std::string pictures = AlbumScanSettings::UserPicturesFolder();
    EXPECT_EQ(shownFolder, pictures.empty() ? ProgramFolder() : pictures);
    EXPECT_EQ(app.scan.folder, scans + "/");
    EXPECT_EQ(app.scan.extension, "BMP");
    EXPECT_EQ(app.scan.format, 2);
    EXPECT_TRUE(messages.empty());

    // The next run starts with it.
    EXPECT_TRUE(ChooseScanFolder(scans, 1));
    EXPECT_EQ(shownFolder, scans + "/");
    EXPECT_EQ(app.scan.extension, "TIF");
}

TEST_F(AppCommandsTest, MissingFolderIsCreatedOnYesAndKeepsTheDialogOpenOnNo)
{
    // The folder typed is the one checked, relative to the program's folder
    // while no album file is open.
    AnswerMessages(fw::IDNO);
    EXPECT_FALSE(ChooseScanFolder("new scans", 0));
    EXPECT_EQ(messages, std::vector<std::string>{"Specified folder does not exist!\nCreate it?"});
    EXPECT_TRUE(app.scan.folder.empty());
    EXPECT_FALSE(QDir(QString::fromStdString(ProgramFolder() + "new scans")).exists());

    messages.clear();
    AnswerMessages(fw::IDYES);
    EXPECT_TRUE(ChooseScanFolder("new scans", 0));
    EXPECT_TRUE(QDir(QString::fromStdString(ProgramFolder() + "new scans")).exists());
    EXPECT_EQ(app.scan.folder, "new scans/");
    EXPECT_EQ(app.scan.extension, "JPG");
}

TEST_F(AppCommandsTest, FolderThatCannotBeCreatedKeepsTheDialogOpen)
{
    platform::AtomicFile::Replace(PathOf("file"), std::string("x"));
    AnswerMessages(fw::IDYES);
    EXPECT_FALSE(ChooseScanFolder(PathOf("file/sub"), 1));
    EXPECT_EQ(messages, (std::vector<std::string>{"Specified folder does not exist!\nCreate it?",
                                                  "Can't create specified folder!!!"}));
    EXPECT_TRUE(app.scan.folder.empty());
    EXPECT_EQ(app.scan.format, 0);
}

TEST_F(AppCommandsTest, FolderThatTakesNoFilesIsRefused)
{
    EXPECT_FALSE(ChooseScanFolder("/proc", 0));
    EXPECT_EQ(messages, (std::vector<std::string>{"Can't write to specified folder!"}));
    EXPECT_TRUE(app.scan.folder.empty());
}

TEST_F(AppCommandsTest, BrowsedFolderGoesIntoTheFieldWithASlash)
{
    fw::SetFileDialogHook([&](const fw::FileDialogRequest& r) -> std::optional<std::string> {
        EXPECT_TRUE(r.folder);
        return PathOf("prog");
    });
    fw::SetDialogHook([&](fw::Dialog& dialog) {
        dialog.PressButton(IDC_BROWSE);
        shownFolder = qobject_cast<QLineEdit*>(dialog.GetDlgItem(IDC_FOLDER))->text().toStdString();
        // Cancel: nothing changes.
        dialog.PressButton(fw::IDCANCEL);
    });
    EXPECT_FALSE(app.RunScanFolderOptions());
    EXPECT_EQ(shownFolder, PathOf("prog") + "/");
    EXPECT_TRUE(app.scan.folder.empty());
}

TEST(AboutFigures, KilobytesInSixtyFourBitsAndUnreadableDisks)
{
    EXPECT_EQ(PhysicalMemoryText(5u << 20), "5120 KB");
    // 8 GB free: more than a 32-bit byte count holds.
    EXPECT_EQ(FreeDiskText(FreeDiskSpace{8ull << 30, "/home"}), "8388608 KB Free on /home");
    EXPECT_EQ(FreeDiskText(std::nullopt), "Unavailable");
    EXPECT_FALSE(ReadFreeDiskSpace("/no/such/folder").has_value());
    const auto root = ReadFreeDiskSpace("/");
    ASSERT_TRUE(root.has_value());
    EXPECT_EQ(root->mountPoint, "/");
    EXPECT_GT(TotalPhysicalMemory(), 0u);
}

TEST_F(AppCommandsTest, AboutBoxShowsMemoryAndDisk)
{
    std::string memory, disk;
    fw::SetDialogHook([&](fw::Dialog& dialog) {
        memory = qobject_cast<QLabel*>(dialog.GetDlgItem(IDC_MEMORY))->text().toStdString();
        disk = qobject_cast<QLabel*>(dialog.GetDlgItem(IDC_DISK))->text().toStdString();
        dialog.PressButton(fw::IDOK);
    });
    ASSERT_TRUE(app.GetMainWnd()->SendCommand(fw::ID_APP_ABOUT));
    EXPECT_EQ(memory, PhysicalMemoryText(TotalPhysicalMemory()));
    EXPECT_NE(disk.find(" KB Free on /"), std::string::npos) << disk;
}

TEST_F(AppCommandsTest, WebLinkOpensTheSiteThroughTheDesktopOrSaysThereIsNoBrowser)
{
    const QByteArray path = qgetenv("PATH");
    const std::string opener = PathOf("prog") + "/xdg-open";
    platform::AtomicFile::Replace(opener, std::string("#!/bin/sh\n"));
    QFile::setPermissions(QString::fromStdString(opener), QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    qputenv("PATH", PathOf("prog").c_str());
    ASSERT_TRUE(app.GetMainWnd()->SendCommand(ID_WEB_SITE));
    ASSERT_EQ(launcher->started.size(), 1u);
    EXPECT_EQ(launcher->started[0].first, opener);
    EXPECT_EQ(launcher->started[0].second, std::vector<std::string>{COvalbumApp::kWebAddress});
    EXPECT_TRUE(messages.empty());

    qputenv("PATH", PathOf("config").c_str());
    ASSERT_TRUE(app.GetMainWnd()->SendCommand(ID_WEB_SITE));
    EXPECT_EQ(launcher->started.size(), 1u);
    EXPECT_EQ(messages, std::vector<std::string>{"Can't find Internet browser!"});
    qputenv("PATH", path);
}

}  // namespace
