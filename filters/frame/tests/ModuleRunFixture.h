// What every test of a filter module's runs shares: each test in a process
// of its own, the module's settings in a fresh config folder, and the
// module's dialogs, messages and help requests answered and recorded
// through the framework's hooks. A fixture names its module's settings stem
// and answers the dialogs it expects.
#pragma once

#include "framework/Dialog.h"
#include "framework/HelpProvider.h"
#include "framework/MessageBox.h"
#include "platform/IniFile.h"
#include "platform/tests/TestFolder.h"

#include <gtest/gtest.h>

#include <QComboBox>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

class ModuleRunFixture : public ::testing::Test {
protected:
    explicit ModuleRunFixture(std::string settingsStem) : stem(std::move(settingsStem)) {}

    void SetUp() override
    {
        setenv("QN_CONFIG_HOME", config.Path().c_str(), 1);
        fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& r) {
            messages.push_back(r);
            return fw::IDOK;
        });
        fw::SetDialogHook([this](fw::Dialog& d) { Answer(d); });
        fw::HelpProvider::Instance().SetBackend([this](const fw::HelpRequest& r) {
            help.push_back(r);
            helpTopics.push_back(r.data);
        });
    }
    void TearDown() override
    {
        fw::SetMessageBoxHook({});
        fw::SetDialogHook({});
        fw::HelpProvider::Instance().SetBackend({});
    }

    // The module's dialogs, told apart by their titles.
    virtual void Answer(fw::Dialog& d) = 0;

    // The host selection dialog, when d is one: notes the host it offers
    // first and accepts it.
    bool AcceptHostSelection(fw::Dialog& d)
    {
        if (d.windowTitle() != "Host application selection")
            return false;
        auto* hosts = qobject_cast<QComboBox*>(d.GetDlgItem(1014));
        EXPECT_NE(hosts, nullptr);
        if (hosts)
            preselected.push_back(hosts->currentIndex());
        d.PressButton(fw::IDOK);
        return true;
    }

    std::string IniPath() const { return config / (stem + "/" + stem + ".INI"); }
    platform::IniFile Ini() const { return platform::IniFile(IniPath()); }
    bool IniExists() const { return std::filesystem::exists(IniPath()); }
    // As if the user had chosen row for a host of signature sig before.
    void RememberHost(int32_t row, uint32_t sig)
    {
        std::filesystem::create_directories(config / stem);
        Ini().WriteInt("Host", "Hostnum", row);
        Ini().WriteInt("Host", "Hostsign", int32_t(sig));
    }

    std::string stem;
    TestFolder config;
    std::vector<fw::MessageBoxRequest> messages;
    std::vector<fw::HelpRequest> help;
    std::vector<uint32_t> helpTopics; // the topics of help, in order
    std::vector<int> preselected;     // the host each selection dialog offered
};
