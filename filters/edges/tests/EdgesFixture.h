// Runs of edges.8bf, each test in a process of its own: the module's
// settings go to a fresh config folder, its dialogs and messages are
// answered through the framework's hooks, and the expected pixels are
// worked out here from the masks the module carries.
#pragma once

#include "filters/frame/tests/ScriptedHost.h"
#include "framework/Dialog.h"
#include "framework/HelpProvider.h"
#include "framework/MessageBox.h"
#include "platform/IniFile.h"
#include "platform/ResourceTable.h"
#include "platform/tests/TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The 28-byte block as a host sees it.
struct EdgesBlock {
    int32_t showDialog, mask, shadow, reserved[3], rowCounter;
};
static_assert(sizeof(EdgesBlock) == 28);

// A mask as the module's bitmap holds it, rows from the top.
struct ReferenceMask {
    int32_t w = 0, h = 0;
    std::vector<int32_t> b;
    int32_t At(int32_t x, int32_t y) const { return b[size_t(y * w + x)]; }
    int32_t& Stored(int32_t x, int32_t y) { return b[size_t((h - 1 - y) * w + x)]; } // y bottom-up
};

inline ReferenceMask ReadMask(int32_t resource)
{
    static const platform::ResourceTable table = platform::ResourceTable::FromFile(EDGES_MODULE);
    ReferenceMask m;
    const auto bytes = table.Find(platform::ResourceType::Bitmap, uint32_t(resource));
    if (!bytes)
        return m;
    const uint8_t* d = bytes->data();
    auto le32 = [&](size_t at) { return int32_t(d[at] | d[at + 1] << 8 | d[at + 2] << 16 | uint32_t(d[at + 3]) << 24); };
    m.w = le32(4);
    m.h = le32(8);
    const int32_t rowBytes = (m.w + 3) / 4 * 4;
    m.b.resize(size_t(m.w * m.h));
    for (int32_t y = 0; y < m.h; ++y) // bottom-up rows after the header and 256 colours
        for (int32_t x = 0; x < m.w; ++x)
            m.b[size_t((m.h - 1 - y) * m.w + x)] = d[40 + 1024 + size_t(y * rowBytes + x)];
    return m;
}

// Smoothed along the rows forward and back (+4), then along the columns in
// stored order forward and back down to stored row 1 (+7).
inline ReferenceMask BlurMask(ReferenceMask m)
{
    for (int32_t y = 0; y < m.h; ++y) {
        int32_t* b = &m.b[size_t(y * m.w)];
        for (int32_t x = 1; x < m.w; ++x)
            b[x] = ((b[x - 1] + b[x]) * 4 + 4) >> 3;
        for (int32_t x = m.w - 2; x >= 0; --x)
            b[x] = ((b[x + 1] + b[x]) * 4 + 4) >> 3;
    }
    for (int32_t x = 0; x < m.w; ++x) {
        for (int32_t y = 1; y < m.h; ++y)
            m.Stored(x, y) = ((m.Stored(x, y - 1) + m.Stored(x, y)) * 4 + 7) >> 3;
        for (int32_t y = m.h - 2; y >= 1; --y)
            m.Stored(x, y) = ((m.Stored(x, y + 1) + m.Stored(x, y)) * 4 + 7) >> 3;
    }
    return m;
}

// The bilinear weight at column j, row r of an area fw x fh.
inline int32_t MaskWeight(const ReferenceMask& m, int64_t j, int64_t r, int64_t fw, int64_t fh)
{
    const int64_t F = j * m.w * 16 / fw, t = r * m.h * 16 / fh;
    const int32_t x0 = int32_t(F >> 4), x1 = std::min(m.w - 1, x0 + 1);
    const int32_t y0 = int32_t(t >> 4), y1 = std::min(m.h - 1, y0 + 1);
    const int32_t fx = int32_t(F & 15), fy = int32_t(t & 15);
    const int32_t sum = m.At(x0, y0) * (15 - fy) * (15 - fx) + m.At(x1, y0) * (15 - fy) * fx +
                        m.At(x0, y1) * fy * (15 - fx) + m.At(x1, y1) * fy * fx;
    return std::min(255, sum / 225);
}

// The whole picture after the filter, from the host's input.
inline std::vector<uint8_t> ExpectedEdges(const ScriptedHost& host, int32_t resource, int32_t shadow,
                                          const int32_t colour[3])
{
    const ReferenceMask mask = ReadMask(resource);
    const ReferenceMask blurred = shadow ? BlurMask(mask) : ReferenceMask{};
    std::vector<uint8_t> out = host.input;
    const Rect f = host.FilterRect();
    const int32_t fw = f.right - f.left, fh = f.bottom - f.top, planes = host.Planes();
    const int32_t s = std::max(fw, fh) * 3 / 100;
    const int32_t dx = (shadow == 1 || shadow == 3) ? -s : s, dy = (shadow == 1 || shadow == 2) ? -s : s;
    for (int32_t r = 0; r < fh; ++r)
        for (int32_t j = 0; j < fw; ++j) {
            const int32_t m = MaskWeight(mask, j, r, fw, fh);
            const bool shaded = shadow && m > 191 && j + dx > 0 && j + dx < fw && r + dy > 0 && r + dy < fh;
            const int32_t x = shaded ? MaskWeight(blurred, j + dx, r + dy, fw, fh) : 0;
            for (int32_t k = 0; k < planes; ++k) {
                const size_t at = (size_t(f.top + r) * size_t(host.Width()) + size_t(f.left + j)) * size_t(planes) + size_t(k);
                int32_t v = (m * colour[k] + host.input[at] * (255 - m)) / 255;
                if (shaded)
                    v = (x * colour[k] + v * (255 - x) / 2) / 255;
                out[at] = uint8_t(v);
            }
        }
    return out;
}

class EdgesFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("QN_CONFIG_HOME", config.Path().c_str(), 1);
        fw::SetMessageBoxHook([this](const fw::MessageBoxRequest& r) {
            messages.push_back(r);
            return fw::IDOK;
        });
        fw::SetDialogHook([this](fw::Dialog& d) {
            ++dialogs;
            if (answer)
                answer(d);
            d.PressButton(dialogOk ? fw::IDOK : fw::IDCANCEL);
        });
        fw::HelpProvider::Instance().SetBackend([this](const fw::HelpRequest& r) { help.push_back(r); });
    }
    void TearDown() override
    {
        fw::SetMessageBoxHook({});
        fw::SetDialogHook({});
        fw::HelpProvider::Instance().SetBackend({});
    }

    std::string IniPath() const { return config / "edges/edges.INI"; }
    platform::IniFile Ini() const { return platform::IniFile(IniPath()); }

    std::unique_ptr<ScriptedHost> MakeHost(ScriptedHost::Options options)
    {
        auto host = std::make_unique<ScriptedHost>(EDGES_MODULE, options);
        EXPECT_TRUE(host->Loaded());
        return host;
    }

    // Kept parameters, as a host holds them after an earlier run.
    static void Keep(ScriptedHost& host, int32_t mask, int32_t shadow)
    {
        if (!host.parameters)
            host.parameters = NewHostHandle(sizeof(EdgesBlock));
        auto* block = static_cast<EdgesBlock*>(host.parameters->data);
        *block = EdgesBlock{};
        block->mask = mask;
        block->shadow = shadow;
    }
    static EdgesBlock& Block(const ScriptedHost& host) { return *static_cast<EdgesBlock*>(host.parameters->data); }

    TestFolder config;
    std::vector<fw::MessageBoxRequest> messages;
    std::vector<fw::HelpRequest> help;
    std::function<void(fw::Dialog&)> answer;
    bool dialogOk = true;
    int dialogs = 0;
};
