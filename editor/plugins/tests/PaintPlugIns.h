// The painting test filters (modules/PaintModule.cpp) catalogued for one
// test: a plug-in folder holding the module, the host started over it, the
// plug-in menu attached from command 10000 on, and a log of the selectors
// the filters were called with.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "platform/tests/TestFolder.h"
#include "pluginhost/Fxgate.h"
#include "pluginhost/tests/FakeMenu.h"
#include "pluginhost/tests/HostRestart.h"

class PaintPlugIns {
public:
    static constexpr uint32_t kFirstCommand = 10000;

    PaintPlugIns()
    {
        setenv("FXGATE_TEST_LOG", Log().c_str(), 1);
        const std::string plugins = folder_ / "plugins";
        std::filesystem::create_directories(plugins);
        std::filesystem::copy_file(std::string(EDITOR_TEST_PLUGINS) + "/paint.8bf", plugins + "/paint.8bf");
        const std::string catalogue = folder_ / "Telvy12.DAT";
        const PIInitPaths paths{catalogue.c_str(), plugins.c_str()};
        EXPECT_EQ(PIInitPluginSupport(&paths), 1);
        EXPECT_EQ(PIAttachPluginMenu(&menu_, kFirstCommand), 1);
        for (uint32_t command = kFirstCommand; command < kFirstCommand + 10; ++command) {
            const int32_t id = PIGetPluginIDByMenuID(command);
            if (id <= 0)
                continue;
            char name[256];
            int32_t length = sizeof(name);
            PIGetPluginName(uint32_t(id), name, &length);
            commands_[name] = command;
        }
    }
    ~PaintPlugIns()
    {
        PIDettachPluginMenu();
        ForgetHostStart();
        unsetenv("FXGATE_TEST_LOG");
    }

    // The command of the plug-in named (without a trailing "...").
    uint32_t Command(const std::string& name) const { return commands_.at(name); }
    uint32_t Id(const std::string& name) const { return uint32_t(PIGetPluginIDByMenuID(Command(name))); }
    std::string Log() const { return folder_ / "modules.log"; }
    // How many log lines are exactly line.
    int Count(const std::string& line) const
    {
        const std::string text = "\n" + TestFolder::Read(Log());
        int n = 0;
        for (size_t at = text.find("\n" + line + "\n"); at != std::string::npos;
             at = text.find("\n" + line + "\n", at + 1))
            ++n;
        return n;
    }

private:
    TestFolder folder_;
    FakeMenu menu_;
    std::map<std::string, uint32_t> commands_;
};
