// Two dialog bars as the main frame has them, over the test module's
// classes: the task bar (vertical) and the tool bar (horizontal), routed by
// a fake interface manager, with a fake application and views.
#pragma once

#include <gtest/gtest.h>

#include "BarFakes.h"
#include "framework/App.h"
#include "framework/MessageBox.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

inline const char* const kBarSettings =
    "[Tasks]\ntasks=3\ntask0=Start\ntask1=Easy\ntask2=Guided\nlibs=1\nlib0=LdBarTest.so\n"
    "[Tools]\nlibs=1\nlib0=LdBarTest.so\n"
    "[Start]\ntools=3\ntool0=Send\ntool1=Wallpaper\ntool2=Copier\n"
    "[Easy]\ntools=3\ntool0=Text\ntool1=Select\ntool2=Paint\n"
    // A step whose class no library gives is passed over.
    "[Guided]\ntools=3\ntool0=Text\ntool1=Missing\ntool2=Select\n";

// The application with its settings file and the registry loaded from it.
class BarSettingsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("ldbars-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        app_ = std::make_unique<fw::App>("Telvy12");
        app_->SetProfileFile((folder_ / "Telvy12.INI").string());
        std::ofstream((folder_ / "Telvy12.INI").string()) << kBarSettings << extraSettings_;
        registry_ = std::make_unique<CLdRegistry>();
        registry_->LoadTaskNames(app_->GetProfile());
        registry_->LoadTaskLibraries(app_->GetProfile());
        registry_->LoadToolLibraries(app_->GetProfile());
        ASSERT_TRUE(registry_->Problems().empty()) << registry_->Problems().front();
        manager_ = std::make_unique<FakeManager>(*registry_);
        host_ = std::make_unique<FakeHost>(*registry_, *manager_);
        previousHook_ = fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& request) {
            messages_.push_back(request.text);
            return fw::IDOK;
        });
    }

    void TearDown() override
    {
        fw::SetMessageBoxHook(previousHook_);
        host_.reset();
        manager_.reset();
        registry_.reset();
        app_.reset();
        std::filesystem::remove_all(folder_);
    }

    std::string extraSettings_;
    std::filesystem::path folder_;
    std::unique_ptr<fw::App> app_;
    std::unique_ptr<CLdRegistry> registry_;
    std::unique_ptr<FakeManager> manager_;
    std::unique_ptr<FakeHost> host_;
    std::vector<std::string> messages_;
    fw::MessageBoxHook previousHook_;
};

// The two bars' logics over recording views, started as the editor starts.
class BarFixture : public BarSettingsFixture {
protected:
    void SetUp() override
    {
        BarSettingsFixture::SetUp();
        taskView_ = std::make_unique<FakeView>(QSize(96, 600));
        toolView_ = std::make_unique<FakeView>(QSize(640, 80));
        taskBar_ = std::make_unique<CLdBarLogic>(*taskView_, *manager_, *host_);
        toolBar_ = std::make_unique<CLdBarLogic>(*toolView_, *manager_, *host_);
        manager_->taskBar = taskBar_.get();
        manager_->toolBar = toolBar_.get();
        taskBar_->OnSize(96, 600);
        toolBar_->OnSize(640, 80);
        host_->ResetToStart(nullptr);
    }

    void TearDown() override
    {
        toolBar_.reset();
        taskBar_.reset();
        toolView_.reset();
        taskView_.reset();
        BarSettingsFixture::TearDown();
    }

    // Clicks the task button showing title on bar.
    void Click(CLdBarLogic& bar, const FakeView& view, const std::string& title)
    {
        for (const auto& [id, button] : view.buttons)
            if (button.title == title) {
                bar.OnTaskButton(id);
                return;
            }
        ADD_FAILURE() << "no button " << title;
    }

    std::unique_ptr<FakeView> taskView_;
    std::unique_ptr<FakeView> toolView_;
    std::unique_ptr<CLdBarLogic> taskBar_;
    std::unique_ptr<CLdBarLogic> toolBar_;
};
