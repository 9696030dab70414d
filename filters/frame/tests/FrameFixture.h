// One run of the test module per test, in a process of its own: the
// module's settings go to a fresh config folder, and the test answers the
// module's dialogs and messages through the framework's hooks.
#pragma once

#include "ScriptedHost.h"
#include "platform/IniFile.h"
#include "platform/tests/TestFolder.h"
#include "framework/Dialog.h"
#include "framework/HelpProvider.h"
#include "framework/MessageBox.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class FrameFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("QN_CONFIG_HOME", config.Path().c_str(), 1);
        fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& r) {
            messages.push_back(r);
            return fw::IDOK;
        });
        fw::SetDialogHook([this](fw::Dialog& d) { Answer(d); });
        fw::HelpProvider::Instance().SetBackend([this](const fw::HelpRequest& r) { helpTopics.push_back(r.data); });
    }
    void TearDown() override
    {
        fw::SetMessageBoxHook({});
        fw::SetDialogHook({});
        fw::HelpProvider::Instance().SetBackend({});
    }

    std::string IniPath() const { return config / "frametest/frametest.INI"; }
    platform::IniFile Ini() const { return platform::IniFile(IniPath()); }
    // As if the user had chosen row for a host of signature sig before.
    void RememberHost(int32_t row, uint32_t sig)
    {
        std::filesystem::create_directories(config / "frametest");
        Ini().WriteInt("Host", "Hostnum", row);
        Ini().WriteInt("Host", "Hostsign", int32_t(sig));
    }

    std::unique_ptr<ScriptedHost> MakeHost(ScriptedHost::Options options)
    {
        auto host = std::make_unique<ScriptedHost>(FRAME_TEST_MODULE, options);
        EXPECT_TRUE(host->Loaded());
        return host;
    }

    // The module's dialogs, told apart by their titles.
    void Answer(fw::Dialog& d)
    {
        const std::string title = d.windowTitle().toStdString();
        if (title == "Host application selection") {
            auto* hosts = qobject_cast<QComboBox*>(d.GetDlgItem(1014));
            ASSERT_NE(hosts, nullptr);
            ASSERT_EQ(hosts->count(), 6);
            preselected.push_back(hosts->currentIndex());
            if (hostChoice >= 0)
                hosts->setCurrentIndex(hostChoice);
            d.PressButton(hostOk ? fw::IDOK : fw::IDCANCEL);
        } else if (title == "Frame test filter") {
            ++filterDialogs;
            d.PressButton(filterOk ? fw::IDOK : fw::IDCANCEL);
        } else if (title == "Frame test shift") {
            ++filterDialogs;
            if (shiftDialog)
                shiftDialog(d);
            d.PressButton(filterOk ? fw::IDOK : fw::IDCANCEL);
        } else if (title == "About Frame test") {
            std::vector<std::string> texts;
            for (QLabel* label : d.findChildren<QLabel*>())
                texts.push_back(label->text().toStdString());
            aboutTexts = texts;
            d.PressButton(aboutButton);
        } else {
            ADD_FAILURE() << "unexpected dialog " << title;
        }
    }

    TestFolder config;
    std::vector<fw::MessageBoxRequest> messages;
    std::vector<int> preselected;
    std::vector<uint32_t> helpTopics;
    std::vector<std::string> aboutTexts;
    int32_t hostChoice = -1; // keep the preselected row
    bool hostOk = true;
    bool filterOk = true;
    uint32_t aboutButton = fw::IDOK;
    int filterDialogs = 0;
    std::function<void(fw::Dialog&)> shiftDialog;
};

// Every pixel of the filter area subtracted from 255, every other one kept.
inline void ExpectFiltered(const ScriptedHost& host)
{
    const Rect& f = host.FilterRect();
    for (int32_t y = 0; y < host.Height(); ++y)
        for (int32_t x = 0; x < host.Width(); ++x)
            for (int32_t k = 0; k < host.Planes(); ++k) {
                const bool inside = y >= f.top && y < f.bottom && x >= f.left && x < f.right;
                const uint8_t expected = inside ? uint8_t(255 - host.In(x, y, k)) : host.In(x, y, k);
                ASSERT_EQ(host.Out(x, y, k), expected) << "pixel " << x << "," << y << " plane " << k;
            }
}
