// Start-up and exit of the album program: its settings file, the command
// line, the scanner's calls and the idle check of the albums' files.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTest>
#include <unistd.h>

#include "AppTestSupport.h"
#include "album/app/FakeAlbumScanner.h"
#include "album/app/OvalbumApp.h"
#include "album/doc/OvalbumDoc.h"
#include "framework/DocTemplate.h"
#include "framework/FrameWnd.h"
#include "framework/RecentFileList.h"
#include "platform/AtomicFile.h"
#include "platform/IniFile.h"

namespace {

// The album program, with its check of the albums' files counted.
struct CountingApp : COvalbumApp {
    void CheckAlbumFiles(COvalbumDoc&) override { ++checks; }
    int checks = 0;
};

class AppStartTest : public albumapptest::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        app.SetProgramFolder(ProgramFolder());
        auto fake = std::make_unique<FakeAlbumScanner>();
        scanner = fake.get();
        app.SetScanner(std::move(fake));
    }
    void TearDown() override
    {
        app.CloseAllDocuments(true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        AppFixture::TearDown();
    }

    void Ship(const std::string& text) { platform::AtomicFile::Replace(ProgramFolder() + "OVALBUM.INI", text); }
    std::string Setting(const std::string& section, const std::string& key)
    {
        return platform::IniFile(SettingsFile()).GetString(section, key, "<absent>");
    }
    // An album of n records saved as name.
    std::string SaveAlbum(const std::string& name, int n)
    {
        COvalbumDoc doc;
        for (int i = 0; i < n; ++i) {
            auto record = std::make_unique<COvalbumRec>();
            record->path = PathOf(std::to_string(i)) + ".jpg";
            doc.InsertRecord(std::move(record));
        }
        EXPECT_TRUE(doc.OnSaveDocument(PathOf(name)));
        return PathOf(name);
    }
    COvalbumDoc* OpenAlbum()
    {
        fw::FrameWnd* frame = app.GetMainWnd();
        return frame ? dynamic_cast<COvalbumDoc*>(frame->GetActiveDocument()) : nullptr;
    }

    CountingApp app;
    FakeAlbumScanner* scanner = nullptr;
};

TEST_F(AppStartTest, StartReadsTheShippedSettingsAndKnowsTheEditor)
{
    Ship("[TWAIN]\nTMPFOLDER=scans/\nEXTENSION=TIF\nFILEFORMAT=1\n"
         "[Recent File List]\nFile1=/albums/a.ova\nFile2=/albums/b.ova\n");
    app.SetArguments({"/HW4321"});
    ASSERT_TRUE(app.InitInstance());

    // The shipped file was copied into the user's config folder and is used.
    EXPECT_EQ(app.GetSettingsFileName(), SettingsFile());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(SettingsFile())));
    EXPECT_EQ(app.scan.folder, "scans/");
    EXPECT_EQ(app.scan.extension, "TIF");
    EXPECT_EQ(app.scan.format, 1);
    ASSERT_NE(app.GetRecentFileList(), nullptr);
    EXPECT_EQ(app.GetRecentFileList()->GetSize(), 4u);
    EXPECT_EQ(app.GetRecentFileList()->GetNames(), (std::vector<std::string>{"/albums/a.ova", "/albums/b.ova"}));

    EXPECT_EQ(app.GetEditor().GetEditor(), 4321);
    // A new, empty album in the main frame; the scanner knows the frame.
    COvalbumDoc* doc = OpenAlbum();
    ASSERT_NE(doc, nullptr);
    EXPECT_TRUE(doc->GetRecords().empty());
    EXPECT_EQ(app.GetAppTitle(), "Telvy Album v.1.0");
    EXPECT_EQ(scanner->calls, std::vector<std::string>{"init"});
    EXPECT_EQ(scanner->mainWindow, app.GetMainWidget());
}

TEST_F(AppStartTest, WithoutSettingsFileTheDefaultsHold)
{
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.scan.folder, "");
    EXPECT_EQ(app.scan.extension, "");
    EXPECT_EQ(app.scan.format, 0);
    EXPECT_EQ(app.GetEditor().GetEditor(), 0);
}

TEST_F(AppStartTest, ExitWritesBackOnlyTheScanValuesThatAreSet)
{
    Ship("; kept\n[TWAIN]\nTMPFOLDER=old/\n");
    const std::string album = SaveAlbum("kept.ova", 1);
    app.SetArguments({album});
    ASSERT_TRUE(app.InitInstance());
    app.scan.folder.clear();  // an empty folder leaves the file's value alone
    app.scan.extension = "BMP";
    app.scan.format = 2;
    EXPECT_EQ(app.ExitInstance(), 0);

    EXPECT_EQ(Setting("TWAIN", "TMPFOLDER"), "old/");
    EXPECT_EQ(Setting("TWAIN", "EXTENSION"), "BMP");
    EXPECT_EQ(Setting("TWAIN", "FILEFORMAT"), "2");
    EXPECT_EQ(Setting("Recent File List", "File1"), album);
    EXPECT_NE(platform::AtomicFile::ReadAll(SettingsFile()).find("; kept"), std::string::npos);
    EXPECT_EQ(scanner->calls, (std::vector<std::string>{"init", "shutdown"}));
}

TEST_F(AppStartTest, AlbumOnTheCommandLineIsOpened)
{
    const std::string album = SaveAlbum("three.ova", 3);
    app.SetArguments({"/HW55", album});
    ASSERT_TRUE(app.InitInstance());
    COvalbumDoc* doc = OpenAlbum();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetPathName(), album);
    EXPECT_EQ(doc->GetRecords().size(), 3u);
    EXPECT_EQ(app.GetEditor().GetEditor(), 55);
}

TEST_F(AppStartTest, AlbumThatDoesNotOpenFailsTheStart)
{
    platform::AtomicFile::Replace(PathOf("bad.ova"), std::string("not an album"));
    app.SetArguments({PathOf("bad.ova")});
    EXPECT_FALSE(app.InitInstance());
    EXPECT_FALSE(messages.empty());
    EXPECT_TRUE(scanner->calls.empty());  // start-up ended before the scanner
    EXPECT_EQ(app.ExitInstance(), 0);
}

TEST_F(AppStartTest, EventsGoToTheScannerFirst)
{
    ASSERT_TRUE(app.InitInstance());
    QEvent event(QEvent::User);
    EXPECT_FALSE(app.PreTranslateEvent(app.GetMainWidget(), &event));
    scanner->consumeEvents = true;
    EXPECT_TRUE(app.PreTranslateEvent(app.GetMainWidget(), &event));
    EXPECT_EQ(scanner->eventsOffered, 2);
}

TEST_F(AppStartTest, AlbumFilesAreCheckedOnceAfterAHundredIdleRounds)
{
    ASSERT_TRUE(app.InitInstance());
    for (int32_t count = 0; count < COvalbumApp::kIdleRoundsBeforeFileCheck; ++count)
        ASSERT_TRUE(app.OnIdle(count)) << count;
    EXPECT_EQ(app.checks, 0);
    EXPECT_FALSE(app.OnIdle(COvalbumApp::kIdleRoundsBeforeFileCheck));
    EXPECT_EQ(app.checks, 1);
    // The event loop's idle run stops there too: once per burst.
    app.ProcessIdle();
    EXPECT_EQ(app.checks, 2);
}


}  // namespace
