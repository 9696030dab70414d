// What the document tests share: a recording host, answers for message
// boxes and dialogs, a test edit built-in that stands in for the tools, and
// pictures written to files through the import library.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/document/DocumentHost.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/effects/tests/ProgramEffectModules.h"
#include "framework/View.h"
#include "lang/Expr.h"
#include "picture/Picture.h"

namespace doctest {

class FakeHost : public CLdDocumentHost {
public:
    int32_t UndoDepth() override { return depth; }
    uint32_t Background() override { return background; }
    uint32_t Foreground() override { return foreground; }
    NewDocumentRequest& NewRequest() override { return request; }
    std::string MenuCommandText(uint32_t id) override { return "Menu " + std::to_string(id); }
    std::optional<std::string> SelectFileToWrite(int type, const std::string& proposed) override
    {
        asked.push_back({type, proposed});
        return saveAs;
    }
    QWidget* MainWidget() override { return nullptr; }
    // The clipboard's DIB as a BMP file in the test's folder.
    std::string WriteClipboardDibToTempFile() override;
    void SendCommand(uint32_t id) override { sent.push_back(id); }
    void SwitchTask(const std::string& name) override { switched.push_back(name); }

    int32_t depth = 5;
    uint32_t background = 0x00FFFFFF;
    uint32_t foreground = 0;
    NewDocumentRequest request;
    std::optional<std::string> saveAs;
    std::vector<std::pair<int, std::string>> asked;
    std::vector<uint32_t> sent;
    std::vector<std::string> switched;
    std::string clipboardFile;  // where the clipboard's DIB is written
};

// A view that records the updates it is sent.
class RecordingView : public fw::View {
public:
    struct Update {
        int64_t hint;
        bool whole;
        QnRect rect;
    };
    void OnUpdate(fw::View*, int64_t hint, const void* object) override
    {
        updates.push_back({hint, object == nullptr, object ? *static_cast<const QnRect*>(object) : QnRect{}});
    }
    std::vector<Update> updates;
};

// A picture of 3 x 2 pixels whose pixel (0, 0) holds value in its blue
// byte, over the previous picture (the test edit).
PpQnExpr EditExpr(const PpQnExpr& picture, int32_t value);
// The blue byte of pixel (0, 0) of the document's picture.
int BlueAt00(const CLodo40Doc& doc);
// A 24-bit picture with distinct pixels.
PpQnPicture Pattern(int32_t width, int32_t height);

// Whether the document's update handler of command id enables it.
bool CommandEnabled(CLodo40Doc& doc, uint32_t id);

class DocTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A document made as New makes it from an expression (mode 3).
    void NewFromExpression(CLodo40Doc& doc, const PpQnExpr& expr);
    std::string TempPath(const std::string& name) const { return (folder / name).string(); }

    FakeHost host;
    std::vector<std::string> messages;
    std::deque<int> answers;  // message box answers in turn; IDOK when empty
    std::filesystem::path folder;
};

}  // namespace doctest
