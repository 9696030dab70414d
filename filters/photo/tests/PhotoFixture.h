// One run of the photo module per test, in a process of its own: the
// module's settings go to a fresh config folder, and the test answers its
// dialogs and messages through the framework's hooks.
#pragma once

#include "filters/frame/tests/ModuleRunFixture.h"
#include "filters/art/frame/ArtParams.h"
#include "filters/frame/tests/ScriptedHost.h"
#include "filters/photo/PhotoFilterDialog.h"
#include "framework/Dialog.h"
#include "framework/HelpProvider.h"
#include "framework/MessageBox.h"
#include "platform/IniFile.h"
#include "platform/tests/TestFolder.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class PhotoFixture : public ModuleRunFixture {
protected:
    PhotoFixture() : ModuleRunFixture("Fxrun") {}

    std::unique_ptr<ScriptedHost> MakeHost(ScriptedHost::Options options, const char* entry,
                                           const char* module = FXRUN_MODULE)
    {
        auto host = std::make_unique<ScriptedHost>(module, options, entry);
        EXPECT_TRUE(host->Loaded()) << entry;
        return host;
    }

    static ArtParams& Params(ScriptedHost& host) { return *static_cast<ArtParams*>(host.parameters->data); }

    // A block with p1 and p2 and no dialog at the next run.
    static void PrepareBlock(ScriptedHost& host, int32_t p1, int32_t p2)
    {
        host.Reset();
        ASSERT_EQ(host.Call(filterSelectorParameters), 0);
        ArtParams& p = Params(host);
        p.Param(1) = p1;
        p.Param(2) = p2;
        p.showDialog = 0;
    }

    void Answer(fw::Dialog& d) override
    {
        const std::string title = d.windowTitle().toStdString();
        if (AcceptHostSelection(d))
            return;
        if (auto* photo = dynamic_cast<PhotoFilterDialog*>(&d)) {
            filterTitles.push_back(title);
            if (filterDialog)
                filterDialog(*photo);
            if (d.IsOpen())
                d.PressButton(filterOk ? fw::IDOK : fw::IDCANCEL);
        } else if (title == "About") {
            ++abouts;
            aboutTexts.clear();
            for (QLabel* label : d.findChildren<QLabel*>())
                aboutTexts.push_back(label->text().toStdString());
            d.PressButton(fw::IDOK);
        } else {
            ADD_FAILURE() << "unexpected dialog " << title;
        }
    }

    std::vector<std::string> filterTitles;
    std::vector<std::string> aboutTexts;
    int abouts = 0;
    bool filterOk = true;
    std::function<void(PhotoFilterDialog&)> filterDialog;
};
