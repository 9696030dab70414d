// One run of an art module per test, in a process of its own: the module's
// settings go to a fresh config folder, and the test answers its dialogs
// and messages through the framework's hooks.
#pragma once

#include "filters/frame/tests/ModuleRunFixture.h"
#include "filters/art/frame/ArtParams.h"
#include "filters/frame/tests/ScriptedHost.h"
#include "framework/Dialog.h"
#include "framework/HelpProvider.h"
#include "framework/MessageBox.h"
#include "platform/IniFile.h"
#include "platform/tests/TestFolder.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QComboBox>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class ArtFixture : public ModuleRunFixture {
protected:
    ArtFixture() : ModuleRunFixture("arttest") {}

    std::unique_ptr<ScriptedHost> MakeHost(ScriptedHost::Options options, const char* entry = "ENTRYPOINT",
                                           const char* module = ART_TEST_MODULE)
    {
        auto host = std::make_unique<ScriptedHost>(module, options, entry);
        EXPECT_TRUE(host->Loaded()) << entry;
        return host;
    }

    static ArtParams& Params(ScriptedHost& host) { return *static_cast<ArtParams*>(host.parameters->data); }

    // A block with the ring and noise asked for and no dialog at the next
    // run.
    static void PrepareBlock(ScriptedHost& host, int32_t ringSize, int32_t margin, int32_t noise = 0)
    {
        host.Reset();
        ASSERT_EQ(host.Call(filterSelectorParameters), 0);
        ArtParams& p = Params(host);
        p.Param(1) = ringSize;
        p.Param(2) = margin;
        p.Param(3) = noise;
        p.showDialog = 0;
    }

    void Answer(fw::Dialog& d) override
    {
        const std::string title = d.windowTitle().toStdString();
        if (AcceptHostSelection(d))
            return;
        if (title == "Art ring test") {
            ++filterDialogs;
            if (filterDialog)
                filterDialog(d);
            if (d.IsOpen())
                d.PressButton(filterOk ? fw::IDOK : fw::IDCANCEL);
        } else if (title.rfind("About ", 0) == 0) {
            aboutTitles.push_back(title);
            std::vector<std::string> texts;
            for (QLabel* label : d.findChildren<QLabel*>())
                texts.push_back(label->text().toStdString());
            aboutTexts = texts;
            d.PressButton(aboutButton);
        } else {
            ADD_FAILURE() << "unexpected dialog " << title;
        }
    }

    std::vector<std::string> aboutTitles;
    std::vector<std::string> aboutTexts;
    uint32_t aboutButton = fw::IDOK;
    bool filterOk = true;
    int filterDialogs = 0;
    std::function<void(fw::Dialog&)> filterDialog;
};
