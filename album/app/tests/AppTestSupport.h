// What the album program's tests share: a folder of their own that holds
// the user's config folder, the sockets of the instance channels (so no
// program of the machine answers a test) and the program's folder; a
// launcher that notes what it was asked to start; message boxes answered.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

#include "album/app/ProgramLauncher.h"
#include "framework/MessageBox.h"

namespace albumapptest {

struct RecordingLauncher : ProgramLauncher {
    bool Start(const std::string& program, const std::vector<std::string>& args) override
    {
        started.emplace_back(program, args);
        return true;
    }
    std::vector<std::pair<std::string, std::vector<std::string>>> started;
};

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char* sub : {"config", "run", "prog"})
            ASSERT_TRUE(QDir(dir.path()).mkdir(sub));
        QFile::setPermissions(dir.filePath("run"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                       QFileDevice::ExeOwner);
        qputenv("QN_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", dir.filePath("run").toLocal8Bit());
        fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& r) {
            messages.push_back(r.text);
            return fw::IDOK;
        });
    }
    void TearDown() override { fw::SetMessageBoxHook({}); }

    std::string PathOf(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
    std::string ProgramFolder() const { return PathOf("prog") + "/"; }
    std::string SettingsFile() const { return PathOf("config/OVALBUM/OVALBUM.INI"); }

    QTemporaryDir dir;
    std::vector<std::string> messages;
};

}  // namespace albumapptest
