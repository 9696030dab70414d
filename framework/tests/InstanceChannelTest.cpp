// Two processes: a second instance hands its command line to the first over
// the instance channel and ends; the first receives it on its GUI thread.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <cstdlib>
#include <thread>
#include <unistd.h>

#include "framework/InstanceChannel.h"

namespace {

std::string ProgramName()
{
    return "fwtest" + std::to_string(::getpid());
}

TEST(InstanceChannel, SecondInstanceHandsOverItsCommandLine)
{
    // The helper program is built beside the tests.
    const QString helper = QCoreApplication::applicationDirPath() + "/fw_instance_helper";
    ASSERT_TRUE(QFileInfo::exists(helper));
    fw::InstanceChannel channel(ProgramName());
    ASSERT_TRUE(channel.Listen());
    std::vector<std::string> received;
    channel.onCommandLine = [&](const std::vector<std::string>& args) { received = args; };

    QProcess second;
    second.start(helper, {QString::fromStdString(ProgramName()), "/home/ann/my pictures/a.bmp", "-nologo"});
    ASSERT_TRUE(second.waitForStarted(5000));
    // The first instance keeps its event loop going while the second talks.
    for (int i = 0; i < 200 && (second.state() != QProcess::NotRunning || received.empty()); ++i)
        QTest::qWait(25);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(received, (std::vector<std::string>{"/home/ann/my pictures/a.bmp", "-nologo"}));
}

TEST(InstanceChannel, ListsOnlyRunningInstancesAndCarriesDroppedFiles)
{
    const std::string program = ProgramName() + "drop";
    EXPECT_TRUE(fw::InstanceChannel::FindRunning(program).empty());
    EXPECT_FALSE(fw::InstanceChannel::SendDropFiles(program, 999999, {"/x.bmp"}, 200));

    fw::InstanceChannel channel(program);
    ASSERT_TRUE(channel.Listen());
    EXPECT_TRUE(fw::InstanceChannel::IsRunning(program, ::getpid()));
    // Listing leaves this process out.
    EXPECT_TRUE(fw::InstanceChannel::FindRunning(program).empty());

    std::vector<std::string> dropped;
    channel.onDropFiles = [&](const std::vector<std::string>& paths) { dropped = paths; };
    // Sending from this process needs the loop to answer: do it from a thread.
    bool sent = false;
    std::thread sender([&] { sent = fw::InstanceChannel::SendDropFiles(program, ::getpid(), {"/p/a.bmp", "/p/b.jpg"}); });
    for (int i = 0; i < 200 && dropped.empty(); ++i)
        QTest::qWait(25);
    sender.join();
    EXPECT_TRUE(sent);
    EXPECT_EQ(dropped, (std::vector<std::string>{"/p/a.bmp", "/p/b.jpg"}));
}

TEST(InstanceChannel, CarriesCopyDataWithItsKindAndRefusesMalformedOnes)
{
    const std::string program = ProgramName() + "copy";
    fw::InstanceChannel channel(program);
    ASSERT_TRUE(channel.Listen());
    std::vector<std::pair<uint32_t, std::string>> received;
    channel.onCopyData = [&](uint32_t kind, const std::string& data) { received.emplace_back(kind, data); };

    const std::string block("/p/a b.bmp\0\0\xff", 13);
    bool sent = false, malformedSent = true;
    std::thread sender([&] {
        sent = fw::InstanceChannel::SendCopyData(program, ::getpid(), 563, block);
        // A copy-data message without its kind number is not answered.
        malformedSent = fw::InstanceChannel::Send(program, ::getpid(), fw::InstanceChannel::Kind::CopyData, {block}, 500);
    });
    for (int i = 0; i < 200 && received.empty(); ++i)
        QTest::qWait(25);
    for (int i = 0; i < 40; ++i)
        QTest::qWait(25);
    sender.join();
    EXPECT_TRUE(sent);
    EXPECT_FALSE(malformedSent);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].first, 563u);
    EXPECT_EQ(received[0].second, block);
}

}  // namespace
