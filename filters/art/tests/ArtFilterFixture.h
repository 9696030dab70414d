// One run of OVARTG.8bf per test, in a process of its own: the module's
// settings in a fresh config folder, its dialogs answered through the
// framework's hooks, and the picture the scripted host hands over seen in
// the filter area's coordinates, as the filters' rules read it.
#pragma once

#include "filters/art/frame/ArtFilterDialog.h"
#include "filters/art/frame/ArtParams.h"
#include "filters/frame/tests/ModuleRunFixture.h"
#include "filters/frame/tests/ScriptedHost.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class ArtFilterFixture : public ModuleRunFixture {
protected:
    ArtFilterFixture() : ModuleRunFixture("OVARTG") {}

    std::unique_ptr<ScriptedHost> MakeHost(ScriptedHost::Options options, const char* entry)
    {
        auto host = std::make_unique<ScriptedHost>(OVARTG_MODULE, options, entry);
        EXPECT_TRUE(host->Loaded()) << entry;
        return host;
    }

    static ArtParams& Params(ScriptedHost& host) { return *static_cast<ArtParams*>(host.parameters->data); }

    // A block with Param1, Param2 .. as given and no dialog at the next run.
    static void PrepareBlock(ScriptedHost& host, std::initializer_list<int32_t> values)
    {
        host.Reset();
        ASSERT_EQ(host.Call(filterSelectorParameters), 0);
        ArtParams& p = Params(host);
        int32_t k = 1;
        for (int32_t v : values)
            p.Param(k++) = v;
        p.showDialog = 0;
    }

    // A picture of smooth ramps with sharp steps and some noise, so that
    // thresholds fall on both sides.
    static void PaintInput(ScriptedHost& host, uint32_t seed = 5)
    {
        const int32_t n = host.Planes();
        for (int32_t y = 0; y < host.Height(); ++y)
            for (int32_t x = 0; x < host.Width(); ++x)
                for (int32_t k = 0; k < n; ++k) {
                    seed = seed * 1103515245u + 12345u;
                    const int32_t base = (x * 6 + y * 4 + k * 50) % 220 + int32_t(seed >> 29);
                    host.input[size_t((y * host.Width() + x) * n + k)] =
                        uint8_t((x / 5 + y / 4) % 3 == 0 ? 250 - base : base);
                }
        host.output = host.input;
    }

    void Answer(fw::Dialog& d) override
    {
        const std::string title = d.windowTitle().toStdString();
        if (AcceptHostSelection(d))
            return;
        if (auto* art = dynamic_cast<ArtFilterDialog*>(&d)) {
            filterTitles.push_back(title);
            if (filterDialog)
                filterDialog(*art);
            if (d.IsOpen())
                d.PressButton(filterOk ? fw::IDOK : fw::IDCANCEL);
        } else {
            ADD_FAILURE() << "unexpected dialog " << title;
        }
    }

    std::vector<std::string> filterTitles;
    bool filterOk = true;
    std::function<void(ArtFilterDialog&)> filterDialog;
};

// The host's picture inside the filter area: pixel (x, y) counted from the
// area's top-left corner, and the ring's view of it.
struct AreaView {
    const ScriptedHost& host;
    Rect f;

    int32_t W() const { return f.right - f.left; }
    int32_t H() const { return f.bottom - f.top; }
    int32_t N() const { return host.Planes(); }
    int32_t Px(int32_t x, int32_t y, int32_t k) const { return host.In(f.left + x, f.top + y, k); }
    // The area column that ring column j of margin m shows: the first
    // pixel repeated to the left, the pixel 2m - 1 before the last to the
    // right.
    int32_t RingColumn(int32_t j, int32_t m) const
    {
        const int32_t x = j - m;
        return x < 0 ? 0 : x >= W() ? std::max(0, W() - 2 * m) : x;
    }
    // Ring row k of a ring of n rows when area row y is filtered (the top
    // row stands for the rows above), ring column j of margin m.
    int32_t Ring(int32_t k, int32_t j, int32_t y, int32_t n, int32_t m, int32_t plane) const
    {
        return Px(RingColumn(j, m), std::max(0, y - (n - 1) + k), plane);
    }
    int32_t Mean(int32_t x, int32_t y) const
    {
        int32_t sum = 0;
        for (int32_t k = 0; k < N(); ++k)
            sum += Px(x, y, k);
        return sum / N();
    }
};

inline int32_t Clamp255(int32_t v) { return std::clamp(v, 0, 255); }

// Compares the host's output with want(x, y, k) inside the area and with
// the input outside it.
template <typename Want>
void ExpectPicture(const ScriptedHost& host, const Rect& f, Want want)
{
    for (int32_t y = 0; y < host.Height(); ++y)
        for (int32_t x = 0; x < host.Width(); ++x)
            for (int32_t k = 0; k < host.Planes(); ++k) {
                const bool inside = y >= f.top && y < f.bottom && x >= f.left && x < f.right;
                const int32_t expected = inside ? want(x - f.left, y - f.top, k) : host.In(x, y, k);
                ASSERT_EQ(host.Out(x, y, k), expected) << "pixel " << x << "," << y << " plane " << k;
            }
}
