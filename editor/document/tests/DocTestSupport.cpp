#include "DocTestSupport.h"

#include "framework/CmdUI.h"

#include <unistd.h>

#include <fstream>

#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "framework/Clipboard.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"
#include "platform/Dib.h"

namespace doctest {

namespace {

PpQnExpr TestEditFunction(QnMachineContext& m, int, QnEvalControl*)
{
    const PpQnPicture source = QnCheckedCast<QnPicture>(QnValueOf(*m.arg_get(1)), "test", __LINE__);
    const int32_t value = QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(2)), "test", __LINE__)->Value();
    PpQnPicture result(source, 1);
    QnRect tile;
    const PpQnPixBuf buf = result->GetAccessToBuffer(0, QnPoint{0, 0}, &tile);
    buf->Row(0)[0] = uint8_t(value);
    return PpQnExpr(PpQnFlVal(result));
}

}  // namespace

std::string FakeHost::WriteClipboardDibToTempFile()
{
    const auto dib = fw::Clipboard::GetDib();
    std::string error;
    const auto layout = dib ? platform::ReadDibLayout(*dib, &error) : std::nullopt;
    if (!layout)
        return CLdDocumentHost::WriteClipboardDibToTempFile();
    platform::BITMAPFILEHEADER header;
    header.bfSize = uint32_t(platform::BITMAPFILEHEADER::kSize + dib->size());
    header.bfOffBits = uint32_t(platform::BITMAPFILEHEADER::kSize + layout->bitsOffset);
    uint8_t head[platform::BITMAPFILEHEADER::kSize];
    header.Write(head);
    std::ofstream out(clipboardFile, std::ios::binary);
    out.write(reinterpret_cast<const char*>(head), sizeof head);
    out.write(reinterpret_cast<const char*>(dib->data()), std::streamsize(dib->size()));
    return clipboardFile;
}

PpQnExpr EditExpr(const PpQnExpr& picture, int32_t value)
{
    static BuiltinSlot slot(TestEditFunction, 2);
    return PpQnExpr(PpQnExpr(PpQnExpr(slot.Id(), -1), picture), PpQnExpr(PpQnFlVal(value)));
}

int BlueAt00(const CLodo40Doc& doc)
{
    return int(doc.GetPixelColor(QnPoint{0, 0}) >> 16);
}

PpQnPicture Pattern(int32_t width, int32_t height)
{
    PpQnPicture p(width, height, WA_RGB24, nullptr);
    std::vector<uint8_t> row(size_t(width) * 3);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            row[size_t(3 * x)] = uint8_t(x * 7);
            row[size_t(3 * x + 1)] = uint8_t(y * 11);
            row[size_t(3 * x + 2)] = uint8_t((x + y) * 5);
        }
        p->SetRow(0, 0, height - 1 - y, row.data());
    }
    return p;
}

void DocTest::SetUp()
{
    LdSetDocumentHost(&host);
    fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& r) {
        messages.push_back(r.text);
        if (answers.empty())
            return fw::IDOK;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    });
    folder = std::filesystem::temp_directory_path() /
             ("qndoc-" + std::to_string(getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
}

void DocTest::TearDown()
{
    fw::SetMessageBoxHook({});
    fw::SetDialogHook({});
    LdSetDocumentHost(nullptr);
    std::filesystem::remove_all(folder);
}

bool CommandEnabled(CLodo40Doc& doc, uint32_t id)
{
    struct Probe : fw::CmdUI {
        using fw::CmdUI::CmdUI;
        void Enable(bool on) override { enabled = on; }
        bool enabled = true;
    } probe(id);
    EXPECT_TRUE(doc.OnCmdMsg(id, fw::CmdCode::UpdateUI, &probe)) << "no update handler for " << id;
    return probe.enabled;
}

void DocTest::NewFromExpression(CLodo40Doc& doc, const PpQnExpr& expr)
{
    host.request = NewDocumentRequest{NewDocumentRequest::Expression, {}, expr, "New"};
    ASSERT_TRUE(doc.OnNewDocument());
    host.request = NewDocumentRequest{};
}

}  // namespace doctest
