// File > Send... routed to the picture document: a recording xdg-email
// first on PATH is handed the picture, written by the document's own save.
#include "DocTestSupport.h"

#include <cstdlib>
#include <fstream>

#include "editor/operations/DibExport.h"
#include "editor/mail/MailState.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "imexp/ImExp.h"

using namespace doctest;

TEST_F(DocTest, SendMailAttachesThePicture)
{
    const std::string bin = TempPath("bin"), seen = TempPath("seen.bmp"), args = TempPath("args");
    std::filesystem::create_directories(bin);
    std::ofstream(bin + "/xdg-email") << "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" << args << "'\ncp \"$2\" '" << seen
                                      << "'\n";
    std::filesystem::permissions(bin + "/xdg-email", std::filesystem::perms::owner_all);
    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (bin + ":/usr/bin:/bin").c_str(), 1);
    setenv("TMPDIR", folder.c_str(), 1);

    CLdMailState::Get().WaitForSends();
    CLodo40Doc doc;
    NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(21, 13))));
    doc.SetTitle("Picture1");
    const bool modified = doc.IsModified();
    fw::CmdUI ui(fw::ID_FILE_SEND_MAIL);
    EXPECT_TRUE(doc.OnCmdMsg(fw::ID_FILE_SEND_MAIL, fw::CmdCode::UpdateUI, &ui));
    EXPECT_TRUE(doc.ExecuteCommand(fw::ID_FILE_SEND_MAIL));
    CLdMailState::Get().WaitForSends();
    CLdMailState::Get().End();
    setenv("PATH", oldPath.c_str(), 1);
    unsetenv("TMPDIR");

    std::ifstream recorded(args);
    std::string first;
    std::getline(recorded, first);
    EXPECT_EQ(first, "--attach");
    EXPECT_EQ(doc.IsModified(), modified);
    EXPECT_EQ(doc.GetPathName(), "");
    PpQnPicture back = PpQnPicture::Empty();
    const imexp::Status status = imexp::ReadPicture(seen, *back.Get());
    ASSERT_TRUE(status.ok) << status.error;
    EXPECT_EQ(RenderObjToDib(PpQnRenderObj(back), 3), doc.RenderToDib());
    EXPECT_TRUE(messages.empty());
}
