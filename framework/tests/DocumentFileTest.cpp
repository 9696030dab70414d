// Opening and saving documents through their archives: round trip, damaged
// files refused with a message and nothing left open, a failed save leaving
// the old file whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TestApp.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "framework/RecentFileList.h"

namespace fwtest {
namespace {

class DocumentFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& r) {
            messages.push_back(r.text);
            return fw::IDOK;
        });
        app.LoadStdProfileSettings(4);
        ASSERT_TRUE(app.InitInstance());
    }
    void TearDown() override
    {
        fw::SetMessageBoxHook({});
        fw::SetFileDialogHook({});
    }
    std::string PathOf(const char* name) const { return dir.filePath(name).toStdString(); }
    size_t OpenCount() { return app.GetDocManager().GetOpenDocumentCount(); }

    QTemporaryDir dir;
    TestApp app;
    std::vector<std::string> messages;
};

TEST_F(DocumentFiles, SaveAsThenOpenAgain)
{
    ASSERT_TRUE(app.main->SendCommand(fw::ID_FILE_NEW));
    auto* doc = dynamic_cast<TextDoc*>(app.main->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    doc->text = "hello";
    doc->SetModifiedFlag(true);
    const std::string path = PathOf("a.txd");
    fw::FileDialogRequest asked;
    fw::SetFileDialogHook([&](const fw::FileDialogRequest& r) {
        asked = r;
        return std::optional<std::string>(path);
    });
    ASSERT_TRUE(app.main->SendCommand(fw::ID_FILE_SAVE));  // untitled: asks for a name
    EXPECT_FALSE(asked.open);
    EXPECT_EQ(asked.fileName, "Text1.txd");
    EXPECT_EQ(asked.filters.front(), "Text (*.txd *.TXD)");
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(doc->GetTitle(), "a.txd");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(app.GetRecentFileList()->GetNames().front(), path);

    // Opening the same file again activates the open document.
    EXPECT_EQ(app.OpenDocumentFile(path), doc);
    doc->OnCloseDocument();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(OpenCount(), 0u);

    auto* back = dynamic_cast<TextDoc*>(app.OpenDocumentFile(path));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->text, "hello");
    EXPECT_FALSE(back->IsModified());
    EXPECT_TRUE(messages.empty());
}

TEST_F(DocumentFiles, DamagedFileIsRefusedAndNothingStaysOpen)
{
    const std::string path = PathOf("bad.txd");
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x07Text v1\x20shorter than it says");
    file.close();
    EXPECT_EQ(app.OpenDocumentFile(path), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages.front().find("end of file"), std::string::npos);
    EXPECT_EQ(OpenCount(), 0u);
    EXPECT_TRUE(app.main->GetChildren().empty());
}

TEST_F(DocumentFiles, FailedSaveKeepsTheOldFile)
{
    const std::string path = PathOf("keep.txd");
    {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old contents");
    }
    ASSERT_TRUE(app.main->SendCommand(fw::ID_FILE_NEW));
    auto* doc = dynamic_cast<TextDoc*>(app.main->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    // A write that fails half-way: the temporary file goes, the target stays.
    doc->text = std::string(1000, 'x');
    doc->failWhileSaving = true;
    const bool saved = doc->OnSaveDocument(path);
    EXPECT_FALSE(saved);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages.front().find("not enough space"), std::string::npos);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

}  // namespace
}  // namespace fwtest
