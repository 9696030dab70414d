// A filter of rubber.8bf run by the plug-in host library the way the
// editor's effect table runs the module's filters: the module loaded by
// path, the entry by name, a colour picture handed over as work areas.
#pragma once

#include "RubberFixture.h"

#include "pluginhost/PlugInHost.h"
#include "pluginhost/tests/CatalogueRun.h"

#include <string>
#include <vector>

// A colour picture of gradients and checks, w x h.
inline TestPicture CheckedPicture(int32_t w, int32_t h)
{
    TestPicture p(16, w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            for (int32_t k = 0; k < 3; ++k)
                p.At(x, y)[k] = uint8_t(k == 0 ? x * 255 / w : k == 1 ? y * 255 / h : ((x / 4 + y / 3) % 2) * 200);
    return p;
}

class FxgateByName {
public:
    // The catalogue in config; the module's folder scanned.
    FxgateByName(const std::string& config, const char* entry)
    {
        CatalogueModuleFolder(config, RUBBER_MODULE, "");
        EXPECT_EQ(Fxgate()->host.LoadModule(RUBBER_MODULE, entry, nullptr), kRunDone);
    }
    ~FxgateByName() { FreeHostHandle(parameters); }

    // One run over source into destination; ask 1 asks for the parameters.
    int32_t Run(TestPicture& source, TestPicture& destination, int32_t ask)
    {
        PlugInHost& host = Fxgate()->host;
        int32_t within = 0;
        PIRECT changed{};
        const int32_t begun =
            host.BeginRun(nullptr, 0, 0, &destination, &source, 0, 0, nullptr, nullptr, nullptr, &within);
        if (begun != kRunDone)
            return begun;
        return host.Run(&ask, host.Entry(), supportsRGBColor | supportsGrayScale, nullptr, &parameters, &data,
                        &changed);
    }

    Handle parameters = nullptr;
    intptr_t data = 0;
};

// The pixels a field gives a whole colour picture under the library (its
// background is black).
template <class Field>
void ExpectFxgateField(TestPicture& source, TestPicture& destination, const Field& field)
{
    const std::vector<uint8_t> in = TopDown(source);
    const int32_t w = source.Width(), h = source.Height();
    const RefPicture picture{w, h, 3, in.data()};
    const uint8_t back[3] = {0, 0, 0};
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            for (int32_t k = 0; k < 3; ++k)
                ASSERT_EQ(destination.At(x, y)[k], RubberPixel(picture, {0, 0, w, h}, field, x, y, k, back))
                    << x << "," << y << " plane " << k;
}
