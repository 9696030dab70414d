// An editor application whose settings file the test writes, and a registry
// that reads it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "editor/registry/LdRegistry.h"
#include "framework/App.h"
#include "platform/ProgramLocation.h"

class RegistryFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("ldregistry-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        app_ = std::make_unique<fw::App>("Telvy12");
        app_->SetProfileFile((folder_ / "Telvy12.INI").string());
    }

    void TearDown() override
    {
        registry_.reset();
        app_.reset();
        std::filesystem::remove_all(folder_);
    }

    void WriteSettings(const std::string& text)
    {
        std::ofstream((folder_ / "Telvy12.INI").string()) << text;
    }

    // Loads as the editor does at start-up.
    CLdRegistry& Load(const std::string& settings)
    {
        WriteSettings(settings);
        registry_ = std::make_unique<CLdRegistry>();
        registry_->LoadTaskNames(app_->GetProfile());
        registry_->LoadTaskLibraries(app_->GetProfile());
        registry_->LoadToolLibraries(app_->GetProfile());
        return *registry_;
    }

    static std::string Beside(const std::string& name) { return platform::ProgramLocation::ProgramFolder() + name; }

    std::filesystem::path folder_;
    std::unique_ptr<fw::App> app_;
    std::unique_ptr<CLdRegistry> registry_;
};

// True when one of the problems contains text.
inline bool HasProblem(const CLdRegistry& registry, const std::string& text)
{
    for (const std::string& problem : registry.Problems())
        if (problem.find(text) != std::string::npos)
            return true;
    return false;
}
