// One run of the test module per test, in a process of its own: the
// module's settings go to a fresh config folder, and the test answers the
// module's dialogs and messages through the framework's hooks.
#pragma once

#include "ModuleRunFixture.h"
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

class FrameFixture : public ModuleRunFixture {
protected:
    FrameFixture() : ModuleRunFixture("frametest") {}

    std::unique_ptr<ScriptedHost> MakeHost(ScriptedHost::Options options)
    {
        auto host = std::make_unique<ScriptedHost>(FRAME_TEST_MODULE, options);
        EXPECT_TRUE(host->Loaded());
        return host;
    }

    // The module's dialogs, told apart by their titles.
    void Answer(fw::Dialog& d) override
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
