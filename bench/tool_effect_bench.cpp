// An effect run through the tasks module's tool (the editor makes the tool
// by name as its bar does, the tool sends the editor its menu command)
// against the same command sent by the editor's menu directly: the real
// editor started on a settings file naming the built module, one 2000 x 1500
// picture, the effect's settings as its dialog opens them. Runs alternate;
// each is undone before the next and starts after a collection, and both
// ways must give the same pixels.
// Prints the median and the best time (ms) of each way and their ratios
// (target: at most 1.05).
#include "BenchResult.h"
#include "EditorBenchSupport.h"
#include "editor/app/Lodo40App.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/effects/tests/ProgramEffectModules.h"
#include "editor/frame/MainFrm.h"
#include "editor/loadable/LdLoadable.h"
#include "editor/registry/LdRegistry.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"
#include "gc/QnObj.h"
#include "imexp/ImExp.h"
#include "platform/AtomicFile.h"
#include "platform/ProgramLocation.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int32_t kWidth = 2000, kHeight = 1500;
constexpr int kRuns = 11;

struct Effect {
    const char* tool;
    uint32_t command;
};
constexpr Effect kEffects[] = {{"Focus", 32792}, {"Edge", 32868}};

uint64_t PixelSum(const CLodo40Doc& doc)
{
    uint64_t sum = 0;
    for (int32_t y = 0; y < kHeight; y += 7)
        for (int32_t x = 0; x < kWidth; x += 5)
            sum = sum * 31 + doc.GetPixelColor({x, y});
    return sum;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QN_SOUND", "silent", 1);
    QApplication qapp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    fw::SetDialogHook([](fw::Dialog& d) { d.PressButton(fw::IDOK); });
    fw::SetMessageBoxHook([](const fw::MessageBoxRequest& r) {
        std::fprintf(stderr, "unexpected message: %s\n", r.text.c_str());
        return fw::IDOK;
    });

    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("qn_tool_effect_bench-" + std::to_string(getpid()));
    for (const char* sub : {"config/Telvy12", "run", "plugins"})
        fs::create_directories(folder / sub);
    fs::permissions(folder / "run", fs::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", (folder / "run").c_str(), 1);
    const std::string bin = fs::canonical(platform::ProgramLocation::ProgramFolder() + "../bin").string() + "/";
    UseProgramEffectModules(bin, folder / "config");
    platform::AtomicFile::Replace((folder / "config/Telvy12/Telvy12.INI").string(),
                                  "[Tasks]\nlibs=1\nlib0=" + bin + "Wrenkit.so\n[Tools]\nlibs=1\nlib0=" + bin +
                                      "Wrenkit.so\n[INTERFACE]\nAnimation=0\nPalette=0\nSound=0\n[PLUGIN_DIR]\ndir=" +
                                      (folder / "plugins").string() + "\n");
    const std::string picture = (folder / "picture.bmp").string();
    if (!imexp::WritePicture(picture, *PatternPicture(kWidth, kHeight, 8, 6))) {
        std::fprintf(stderr, "could not write %s\n", picture.c_str());
        return 1;
    }

    int status = 0;
    {
        CLodo40App app;
        app.SetArguments({"-nosplash"});
        app.InstallEventHooks();
        if (!app.InitInstance()) {
            std::fprintf(stderr, "the editor did not start\n");
            return 1;
        }
        app.OpenFile(picture);
        QCoreApplication::processEvents();
        CLodo40Doc* doc = app.ActiveLodoDocument();
        if (!doc) {
            std::fprintf(stderr, "the picture did not open\n");
            return 1;
        }
        const uint64_t original = PixelSum(*doc);
        std::printf("%-6s %12s %12s %8s %12s %12s %8s\n", "effect", "tool median", "menu median", "ratio",
                    "tool best", "menu best", "ratio");
        for (const Effect& effect : kEffects) {
            // One run: the effect, its result read, then undone.
            auto run = [&](const std::function<void()>& start, uint64_t* result) {
                // Each run starts from the same memory: a collection of the
                // last run's garbage falls into no run of either way.
                QnObj::CollectGarbage(QnObj::DF_FIX, -1);
                const auto t0 = std::chrono::steady_clock::now();
                start();
                *result = PixelSum(*doc);
                const double ms = Ms(t0);
                doc->OnEditUndo();
                return ms;
            };
            if (!app.CreateLoadable(effect.tool)) {
                std::fprintf(stderr, "the module has no tool %s\n", effect.tool);
                for (const std::string& problem : app.Registry().Problems())
                    std::fprintf(stderr, "  %s\n", problem.c_str());
                return 1;
            }
            auto byTool = [&] { app.CreateLoadable(effect.tool)->Execute(); };
            auto byMenu = [&] { app.MainFrame()->SendCommand(effect.command); };
            std::vector<double> tool, menu;
            uint64_t fromTool = 0, fromMenu = 0;
            run(byTool, &fromTool);  // both modules loaded once before timing
            run(byMenu, &fromMenu);
            // Turn about, each way first as often, so that a drift of the
            // machine weighs on both alike.
            for (int i = 0; i < kRuns; ++i) {
                if (i % 2) {
                    menu.push_back(run(byMenu, &fromMenu));
                    tool.push_back(run(byTool, &fromTool));
                } else {
                    tool.push_back(run(byTool, &fromTool));
                    menu.push_back(run(byMenu, &fromMenu));
                }
            }
            if (fromTool != fromMenu || fromTool == original || PixelSum(*doc) != original) {
                std::fprintf(stderr, "%s: the tool and the menu gave different pictures (%llx %llx %llx)\n",
                             effect.tool, (unsigned long long)fromTool, (unsigned long long)fromMenu,
                             (unsigned long long)original);
                status = 1;
            }
            const double t = Median(tool), m = Median(menu);
            const double tMin = *std::min_element(tool.begin(), tool.end());
            const double mMin = *std::min_element(menu.begin(), menu.end());
            std::printf("%-6s %12.1f %12.1f %8.3f %12.1f %12.1f %8.3f\n", effect.tool, t, m, t / m, tMin, mMin,
                        tMin / mMin);
            ReportRatio("tool_effect", std::string(effect.tool) + " tool / the menu command (median)", t / m, 1.05);
        }
        app.CloseAllDocuments(true);
        app.ExitInstance();
        delete app.MainFrame();
    }
    fs::remove_all(folder);
    return status;
}
