// Plug-in modules catalogued by the plug-in host library and run on test
// pictures through CPIInstance, as the editor runs catalogued plug-ins.
// Shared by the tests of the filter modules.
#pragma once

#include "pluginhost/CPIInstance.h"
#include "pluginhost/Fxgate.h"
#include "pluginhost/FxgateLibrary.h"
#include "pluginhost/piInstExceptions.h"
#include "pluginhost/tests/TestPicture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// Starts the library with its catalogue in config and the folder of module
// as its plug-in folder; the id of the plug-in named name (0 or less when
// the catalogue has none).
inline int32_t CatalogueModuleFolder(const std::filesystem::path& config, const std::string& module,
                                     const char* name)
{
    const std::string folder = std::filesystem::path(module).parent_path();
    const std::string catalogue = config / "Telvy12.DAT";
    const PIInitPaths paths{catalogue.c_str(), folder.c_str()};
    if (PIInitPluginSupport(&paths) != 1) {
        ADD_FAILURE() << "the plug-in support did not start over " << folder;
        return 0;
    }
    return Fxgate()->catalogue.IdByName(name);
}

// One run of application over source into a copy of it: the copy as the
// run left it.
inline TestPicture RunOnCopy(CPIInstance& application, TestPicture& source, uint32_t background = 0)
{
    TestPicture destination = source;
    PIRECT changed{};
    int32_t within = 0;
    EXPECT_NO_THROW(application.Execute(nullptr, background, 0, &destination, &source, PIPOINT{0, 0}, nullptr,
                                        nullptr, nullptr, &changed, &within));
    return destination;
}

// A new application of plug-in id whose dialog the test cancels: a
// cancelled run that leaves the picture as it was.
inline void ExpectCancelledApplication(uint32_t id, TestPicture& source)
{
    TestPicture destination = source;
    PIRECT changed{};
    int32_t within = 0;
    CPIInstance instance{id};
    EXPECT_THROW(instance.Execute(nullptr, 0, 0, &destination, &source, PIPOINT{0, 0}, nullptr, nullptr, nullptr,
                                  &changed, &within),
                 piInst_cancel);
    EXPECT_EQ(destination.Pixels(), source.Pixels());
}

// Byte i of the picture is i * step + 1.
inline void FillRamp(TestPicture& picture, int step)
{
    for (size_t i = 0; i < picture.Pixels().size(); ++i)
        picture.Pixels()[i] = uint8_t(i * size_t(step) + 1);
}

// A colour picture's pixels top-down, as a module receives them.
inline std::vector<uint8_t> TopDown(TestPicture& picture)
{
    std::vector<uint8_t> pixels;
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x)
            for (int32_t k = 0; k < 3; ++k)
                pixels.push_back(picture.At(x, y)[k]);
    return pixels;
}
