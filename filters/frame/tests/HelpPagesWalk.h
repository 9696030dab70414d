// Walks a filter module's dialogs for their help: runs the module's About
// and every entry under the scripted host and, in each dialog, notes the
// topics it names (its own and its controls') and presses its help
// buttons. Every topic named and every page asked for must be among the
// pages built for the module's help file.
#pragma once

#include "filters/frame/tests/ModuleRunFixture.h"
#include "filters/frame/tests/ScriptedHost.h"
#include "framework/ControlId.h"
#include "framework/HelpTopics.h"
#include "framework/tests/EveryTopicHasAPage.h"

#include <QAbstractButton>
#include <QFileInfo>

#include <set>
#include <string>
#include <vector>

class HelpPagesWalk : public ModuleRunFixture {
protected:
    HelpPagesWalk() : ModuleRunFixture("module") {}

    // The entries "ENTRYPOINT" (when bare) and "ENTRYPOINT1" .. "ENTRYPOINT<last>".
    static std::vector<std::string> Entries(bool bare, int last)
    {
        std::vector<std::string> entries;
        if (bare)
            entries.push_back("ENTRYPOINT");
        for (int i = 1; i <= last; ++i)
            entries.push_back("ENTRYPOINT" + std::to_string(i));
        return entries;
    }

    // About through the first entry, then a run of every entry with its dialog.
    void Walk(const std::string& modulePath, const std::vector<std::string>& entries)
    {
        for (const std::string& entry : entries) {
            ScriptedHost host(modulePath, {}, entry.c_str());
            ASSERT_TRUE(host.Loaded()) << entry;
            if (entry == entries.front())
                host.Call(filterSelectorAbout);
            host.Run(true);
        }
    }

    // What the walk found, against the pages in help/<folder> beside the module.
    void ExpectEveryTopicHasAPage(const std::string& folder)
    {
        EXPECT_GT(dialogs, 0);
        ASSERT_FALSE(help.empty()) << "no help button asked for help";
        const std::string helpFile = help.front().helpFile;
        EXPECT_EQ(QFileInfo(QString::fromStdString(fw::HelpProvider::PageFolder(helpFile))).fileName().toStdString(),
                  folder);
        for (const fw::HelpRequest& r : help) {
            EXPECT_EQ(r.helpFile, helpFile);
            EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(r.page)))
                << "topic " << r.data << " (command " << r.command << "): no page " << r.page;
        }
        EXPECT_TRUE(EveryTopicHasAPage(helpFile, topics));
    }

    void Answer(fw::Dialog& d) override
    {
        if (AcceptHostSelection(d))
            return;
        ++dialogs;
        const std::set<uint32_t> own = fw::HelpTopicsOf(d);
        topics.insert(own.begin(), own.end());
        for (QAbstractButton* button : d.findChildren<QAbstractButton*>())
            if (button->text().contains("Help") && d.IsOpen())
                d.PressButton(fw::ControlId(button));
        if (d.IsOpen())
            d.PressButton(fw::IDCANCEL);
    }

    int dialogs = 0;
    std::set<uint32_t> topics;
};
