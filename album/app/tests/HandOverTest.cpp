// Pictures handed to the editor: to a running editor over its instance
// channel (a peer listening under the editor's program name), or by starting
// the editor with the picture when none runs.
#include <gtest/gtest.h>

#include <QTest>
#include <future>
#include <unistd.h>

#include "AppTestSupport.h"
#include "album/app/EditorHandOver.h"
#include "framework/InstanceChannel.h"

namespace {

using albumapptest::AppFixture;
using albumapptest::RecordingLauncher;
using Result = EditorHandOver::Result;

// The editor's side of the channel, in this process.
struct EditorPeer {
    EditorPeer() : channel(EditorHandOver::kEditorProgram)
    {
        listening = channel.Listen();
        channel.onCopyData = [this](uint32_t kind, const std::string& data) { copies.emplace_back(kind, data); };
        channel.onDropFiles = [this](const std::vector<std::string>& paths) { drops.push_back(paths); };
    }
    fw::InstanceChannel channel;
    bool listening = false;
    std::vector<std::pair<uint32_t, std::string>> copies;
    std::vector<std::vector<std::string>> drops;
};

// Hands over from another thread: the peer answers from this thread's loop.
Result HandOver(const std::function<Result()>& call, EditorPeer& peer)
{
    auto result = std::async(std::launch::async, call);
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QTest::qWait(10);
    // The peer's handlers run from the loop after it confirmed receipt.
    for (int i = 0; i < 100 && peer.copies.empty() && peer.drops.empty(); ++i)
        QTest::qWait(10);
    return result.get();
}

class HandOverTest : public AppFixture {
protected:
    RecordingLauncher launcher;
    EditorHandOver handOver{launcher, "/opt/qn/Telvy12"};
};

TEST_F(HandOverTest, DoubleClickFormReachesTheRunningEditorAsCopyDataRecord)
{
    EditorPeer peer;
    ASSERT_TRUE(peer.listening);
    handOver.SetEditor(::getpid());
    ASSERT_TRUE(handOver.EditorExists());

    const std::string path = "/home/ann/my pictures/cat.jpg";
    EXPECT_EQ(HandOver([&] { return handOver.SendPicture(path); }, peer), Result::Handed);
    ASSERT_EQ(peer.copies.size(), 1u);
    EXPECT_EQ(peer.copies[0].first, 563u);
    const std::string& block = peer.copies[0].second;
    ASSERT_EQ(block.size(), 260u);
    EXPECT_EQ(std::string(block.c_str()), path);
    EXPECT_EQ(block.find_first_not_of('\0', path.size()), std::string::npos);
    EXPECT_TRUE(peer.drops.empty());
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(HandOverTest, OpenToEditFormReachesTheRunningEditorAsDroppedFile)
{
    EditorPeer peer;
    ASSERT_TRUE(peer.listening);
    handOver.SetEditor(::getpid());
    EXPECT_EQ(HandOver([&] { return handOver.DropPicture("/p/a.bmp"); }, peer), Result::Handed);
    EXPECT_EQ(peer.drops, (std::vector<std::vector<std::string>>{{"/p/a.bmp"}}));
    EXPECT_TRUE(peer.copies.empty());
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(HandOverTest, PathTooLongForTheRecordGoesWholeAsDroppedFile)
{
    EditorPeer peer;
    ASSERT_TRUE(peer.listening);
    handOver.SetEditor(::getpid());
    const std::string fits = "/" + std::string(258, 'a');
    const std::string tooLong = fits + "b";
    EXPECT_EQ(EditorHandOver::CopyDataBlock(fits).size(), 260u);
    EXPECT_TRUE(EditorHandOver::CopyDataBlock(tooLong).empty());

    EXPECT_EQ(HandOver([&] { return handOver.SendPicture(tooLong); }, peer), Result::Handed);
    EXPECT_TRUE(peer.copies.empty());
    EXPECT_EQ(peer.drops, (std::vector<std::vector<std::string>>{{tooLong}}));
}

TEST_F(HandOverTest, WithoutARunningEditorTheEditorIsStartedWithThePicture)
{
    // A path with blanks and a quote still reaches the editor as one argument.
    const std::string path = "/home/ann/my \"best\" pictures/a b.jpg";
    struct Case {
        const char* what;
        int64_t editor;
    } const cases[] = {
        {"no editor named", 0},
        {"a process that is no editor", ::getppid()},
        {"an editor that ended", 999999999},
        {"this process, without a channel", ::getpid()},
    };
    for (const Case& c : cases) {
        for (const bool drop : {false, true}) {
            launcher.started.clear();
            handOver.SetEditor(c.editor);
            EXPECT_FALSE(handOver.EditorExists()) << c.what;
            const Result result = drop ? handOver.DropPicture(path) : handOver.SendPicture(path);
            EXPECT_EQ(result, Result::Started) << c.what;
            ASSERT_EQ(launcher.started.size(), 1u) << c.what;
            EXPECT_EQ(launcher.started[0].first, "/opt/qn/Telvy12");
            EXPECT_EQ(launcher.started[0].second, std::vector<std::string>{path});
        }
    }
}

}  // namespace
