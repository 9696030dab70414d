// File > Send...: a recording xdg-email first on PATH shows what the
// composer is handed; the picture document is a plain document over one
// picture whose save goes through the picture library, as the editor's does.
#include <gtest/gtest.h>

#include "editor/mail/MailState.h"
#include "editor/mail/tests/RecordingXdgEmail.h"
#include "editor/ui/PictureFileSave.h"
#include "editor/ui/SendMail.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/MessageBox.h"
#include "imexp/ImExp.h"
#include "platform/tests/TestFolder.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The picture document as File > Send sees it: title, file, modified flag
// and a save that writes its picture.
class PictureDoc : public fw::Document {
public:
    PpQnPicture picture;
    int saves = 0;

    bool OnSaveDocument(const std::string& path) override
    {
        ++saves;
        if (!LdSavePictureFile(picture, path))
            return false;
        SetModifiedFlag(false);
        return true;
    }
};

// A colour picture whose every pixel differs from its neighbours.
PpQnPicture Gradient(int32_t width, int32_t height)
{
    PpQnPicture pic(width, height, WA_RGB24, nullptr);
    std::vector<uint8_t> line(size_t(width) * 3);
    for (int32_t y = 0; y < height; ++y) {
        for (size_t i = 0; i < line.size(); ++i)
            line[i] = uint8_t(y * 37 + int32_t(i) * 11);
        pic->WriteToRow(0, y, QnRange{0, width}, line.data());
    }
    return pic;
}

// Every row of a picture as the export side hands it out.
std::vector<std::vector<uint8_t>> Rows(const PpQnPicture& pic)
{
    int w = 0, h = 0;
    pic->GetSize(0, 0, w, h);
    std::vector<std::vector<uint8_t>> rows(size_t(h), std::vector<uint8_t>(size_t((w * 24 + 31) / 32 * 4)));
    for (int r = 0; r < h; ++r)
        pic->GetRow(0, 0, r, rows[size_t(r)].data());
    return rows;
}

imexp::Format FormatOf(const std::string& path)
{
    const std::string bytes = TestFolder::Read(path);
    return imexp::DetectFormat(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

PpQnPicture ReadBack(const std::string& path)
{
    PpQnPicture back = PpQnPicture::Empty();
    const imexp::Status status = imexp::ReadPicture(path, *back.Get());
    EXPECT_TRUE(status.ok) << status.error;
    return back;
}

class SendMail : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldTmp_ = Env("TMPDIR");
        fs::create_directories(temp);
        setenv("TMPDIR", temp.c_str(), 1);
        fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& r) {
            messages.push_back(r.text);
            return fw::IDOK;
        });
        tmpl.AddDocument(&doc);
        doc.picture = Gradient(21, 13);
        doc.SetTitle("Picture1");
        doc.SetModifiedFlag(true);
    }
    void TearDown() override
    {
        CLdMailState::Get().WaitForSends();
        CLdMailState::Get().End();
        // Pictures are collectable: what nothing holds goes now.
        doc.picture = PpQnPicture();
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
        fw::SetMessageBoxHook({});
        if (oldTmp_.empty())
            unsetenv("TMPDIR");
        else
            setenv("TMPDIR", oldTmp_.c_str(), 1);
    }

    static std::string Env(const char* name)
    {
        const char* v = std::getenv(name);
        return v ? v : "";
    }

    void InstallXdgEmail(const std::string& ending, const std::string& shebang = "#!/bin/sh")
    {
        xdg.Install(ending, shebang);
    }
    std::vector<std::string> Args() const { return xdg.Args(); }

    // Sends doc at 15:30:12 and waits for xdg-email to end.
    void Send()
    {
        std::tm at{};
        at.tm_hour = 15;
        at.tm_min = 30;
        at.tm_sec = 12;
        CLdSendMail([at] { return at; }).OnFileSendMail(doc);
        CLdMailState::Get().WaitForSends();
    }

    size_t TempFiles() const
    {
        return size_t(std::distance(fs::directory_iterator(temp), fs::directory_iterator()));
    }

    TestFolder folder;
    const std::string temp = folder / "tmp";
    RecordingXdgEmail xdg{folder.Path()};
    const std::string& bin = xdg.bin;
    const std::string& argsFile = xdg.argsFile;
    const std::string& seenFile = xdg.seenFile;
    fw::MultiDocTemplate tmpl{"\nPicture\nPicture\nBitmap (*.bmp)\n.BMP\nOvTelvy1.2.Document\nOrvane Telvy 1.2 Document",
                              nullptr, nullptr, nullptr};
    PictureDoc doc;
    std::vector<std::string> messages;

private:
    std::string oldTmp_;
};

} // namespace

// A picture never saved goes as a BMP file in the temporary folder named
// after the send time; xdg-email gets that one attachment and nothing else
// (no recipients, subject or text); the document keeps its changed state
// and stays untitled. The file stays for the composer until the editor's
// end, and each send has a file of its own.
TEST_F(SendMail, UntitledPictureGoesAsTemporaryBmpKeptUntilTheEnd)
{
    InstallXdgEmail("exit 0");
    Send();
    ASSERT_EQ(messages, std::vector<std::string>{});
    const std::vector<std::string> args = Args();
    ASSERT_EQ(args.size(), 2u);
    EXPECT_EQ(args[0], "--attach");
    const fs::path attached = args[1];
    EXPECT_EQ(attached.parent_path(), fs::path(temp));
    EXPECT_TRUE(std::regex_match(attached.filename().string(), std::regex("afx[A-Za-z0-9]{6}153012\\.bmp")))
        << attached;
    ASSERT_TRUE(fs::exists(attached));
    EXPECT_EQ(TestFolder::Read(seenFile), TestFolder::Read(attached));
    EXPECT_EQ(FormatOf(attached), imexp::Format::Bmp);
    EXPECT_EQ(Rows(ReadBack(attached)), Rows(doc.picture));

    EXPECT_EQ(doc.saves, 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_EQ(doc.GetTitle(), "Picture1");

    Send();
    EXPECT_NE(Args()[1], attached.string());
    EXPECT_EQ(CLdMailState::Get().Kept(), 2u);
    EXPECT_TRUE(fs::exists(attached));

    CLdMailState::Get().End();
    EXPECT_EQ(TempFiles(), 0u);
}

// The copy goes under the document's title with the template's extension;
// one that is never handed over goes with its last owner, and so does one
// kept for a composer when the mail state ends with the editor.
TEST_F(SendMail, TemporaryCopiesGoWithTheirOwner)
{
    {
        std::optional<CLdMailAttachment> a = CLdSendMail().ChooseAttachment(doc);
        ASSERT_TRUE(a);
        EXPECT_EQ(a->Title(), "Picture1.BMP");
        EXPECT_TRUE(fs::exists(a->Path()));
    }
    EXPECT_EQ(TempFiles(), 0u);

    InstallXdgEmail("exit 0");
    {
        CLdMailState state;
        std::optional<CLdMailAttachment> a = CLdSendMail().ChooseAttachment(doc);
        ASSERT_TRUE(a);
        const std::string path = a->Path();
        state.Send(bin + "/xdg-email", std::move(*a), {});
        state.WaitForSends();
        EXPECT_EQ(state.Kept(), 1u);
        EXPECT_TRUE(fs::exists(path));
    }
    EXPECT_EQ(TempFiles(), 0u);
}

// A changed picture with a file goes in its file's format, under a
// temporary name ending in the send time and the file's extension; the
// document keeps its file, title and changed state.
TEST_F(SendMail, ChangedPictureGoesInItsFilesFormat)
{
    InstallXdgEmail("exit 0");
    const std::string photo = folder / "photo.jpg";
    ASSERT_TRUE(LdSavePictureFile(doc.picture, photo));
    doc.SetPathName(photo, false);
    doc.SetModifiedFlag(true);
    Send();
    ASSERT_EQ(messages, std::vector<std::string>{});
    const fs::path attached = Args().at(1);
    EXPECT_TRUE(std::regex_match(attached.filename().string(), std::regex("afx[A-Za-z0-9]{6}153012\\.jpg")))
        << attached;
    EXPECT_EQ(FormatOf(attached), imexp::Format::Jpeg);
    PpQnPicture back = ReadBack(attached);
    EXPECT_EQ(back->GetWidth(), 21);
    EXPECT_EQ(back->GetHeight(), 13);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), photo);
    EXPECT_EQ(doc.GetTitle(), "photo.jpg");
}

// A saved, unchanged picture goes as its own file, which nothing writes
// and nothing removes.
TEST_F(SendMail, UnchangedFileGoesAsItIs)
{
    InstallXdgEmail("exit 0");
    const std::string photo = folder / "photo.png";
    ASSERT_TRUE(LdSavePictureFile(doc.picture, photo));
    const std::string before = TestFolder::Read(photo);
    doc.SetPathName(photo, false);
    doc.SetModifiedFlag(false);
    Send();
    EXPECT_EQ(messages, std::vector<std::string>{});
    EXPECT_EQ(Args(), (std::vector<std::string>{"--attach", photo}));
    EXPECT_EQ(doc.saves, 0);
    CLdMailState::Get().End();
    EXPECT_EQ(TestFolder::Read(photo), before);
    EXPECT_EQ(TempFiles(), 0u);
}

// Whatever goes wrong with xdg-email, the user reads the framework's
// prompt for it once and no temporary file is left.
TEST_F(SendMail, MailFailuresAreToldAndLeaveNoFile)
{
    struct Case {
        const char* what;
        const char* ending;   // null: no xdg-email at all
        const char* shebang;
        const char* message;
        bool ran;
    };
    const Case cases[] = {
        {"none on PATH", nullptr, "", "Unable to load mail system support.", false},
        {"no composer", "exit 3", "#!/bin/sh", "Unable to load mail system support.", true},
        {"cannot start", "exit 0", "#!/nonexistent/shell", "Mail system support is invalid.", false},
        {"syntax", "exit 1", "#!/bin/sh", "Send Mail failed to send message.", true},
        {"action failed", "exit 4", "#!/bin/sh", "Send Mail failed to send message.", true},
        {"killed", "kill -9 $$", "#!/bin/sh", "Send Mail failed to send message.", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(bin + "/xdg-email");
        fs::remove(argsFile);
        fs::remove(seenFile);
        messages.clear();
        // The system's own xdg-email must not answer either.
        setenv("PATH", (c.ending ? bin + ":/usr/bin:/bin" : bin).c_str(), 1);
        if (c.ending)
            InstallXdgEmail(c.ending, c.shebang);
        const int savesBefore = doc.saves;
        Send();
        EXPECT_EQ(messages, std::vector<std::string>{c.message});
        EXPECT_EQ(fs::exists(seenFile), c.ran);
        // Without xdg-email nothing is written at all.
        EXPECT_EQ(doc.saves, savesBefore + (c.ending ? 1 : 0));
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(CLdMailState::Get().Kept(), 0u);
        EXPECT_EQ(TempFiles(), 0u);
    }
}

// A picture the library will not write: its reason is shown, xdg-email
// never runs and no temporary file is left.
TEST_F(SendMail, PictureThatCannotBeWrittenIsToldAndLeavesNoFile)
{
    InstallXdgEmail("exit 0");
    const uint64_t limit = imexp::PixelLimit();
    imexp::SetPixelLimit(100);
    Send();
    imexp::SetPixelLimit(limit);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("too large"), std::string::npos) << messages[0];
    EXPECT_FALSE(fs::exists(argsFile));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(TempFiles(), 0u);
}

// The menu item is enabled exactly while there is an xdg-email.
TEST_F(SendMail, CommandIsEnabledWhileThereIsAnXdgEmail)
{
    fw::CmdUI ui(fw::ID_FILE_SEND_MAIL);
    setenv("PATH", bin.c_str(), 1);
    CLdSendMail::OnUpdateFileSendMail(&ui);
    EXPECT_FALSE(ui.enabled());
    InstallXdgEmail("exit 0");
    CLdSendMail::OnUpdateFileSendMail(&ui);
    EXPECT_TRUE(ui.enabled());
}

// The title the attachment goes under and the extension a temporary copy
// is written with.
TEST(MailAttachment, TitleAndExtension)
{
    struct TitleCase {
        const char* title;
        bool hasPath;
        const char* ext;
        const char* expected;
    };
    const TitleCase titles[] = {
        {"Picture1", false, ".BMP", "Picture1.BMP"},
        {"Picture1", false, "", "Picture1"},
        {"shot.png", false, ".BMP", "shot.png"},
        {"photo", true, ".BMP", "photo"},
        {"pic*", true, ".BMP", "pic"},
        {"a*b*c", false, ".BMP", "abc.BMP"},
        {"**", true, "", ""},
    };
    for (const TitleCase& c : titles)
        EXPECT_EQ(CLdMailAttachment::MakeTitle(c.title, c.hasPath, c.ext), c.expected) << c.title;

    const std::pair<const char*, const char*> extensions[] = {
        {"", ".bmp"},
        {"/p/photo.jpg", ".jpg"},
        {"/p/Photo.JPG", ".JPG"},
        {"/p/photo.jpeg", ".jpeg"},
        {"/p/scan.tiff", ".tiff"},
        {"/p/logo.png", ".png"},
        {"/p/anim.gif", ".bmp"},
        {"/p/noext", ".bmp"},
        {"/p.d/noext", ".bmp"},
    };
    for (const auto& [path, ext] : extensions)
        EXPECT_EQ(CLdMailAttachment::Extension(path), ext) << path;

    std::tm at{};
    at.tm_hour = 9;
    at.tm_min = 5;
    at.tm_sec = 7;
    EXPECT_EQ(CLdMailAttachment::TemporaryPath("/t/afxAb1xYz.tmp", "/p/photo.png", at), "/t/afxAb1xYz090507.png");
}
