// What running an effect through the editor costs beyond the effect itself:
// Whirl (rubber.8bf) and Focus (Fxrun.8bf) on a 6000 x 4000 colour picture
// as a document command with stored parameters (the palette's way: no
// dialog, the expression, its evaluation and the commit with its undo
// step), against the same module entry with the same block run directly by
// the plug-in host library over pictures in memory; and both against
// ImageMagick's -swirl and -unsharp on the same picture, with one thread.
// Each path runs in a process of its own, whose modules' settings name the
// host that runs them, best of three after one run that is not counted
// (an editor that has been running has the memory its effects reuse). The
// target for the editor against the host is 1.1x.
#include "BenchResult.h"
#include "EditorBenchSupport.h"
#include "HostMemoryPicture.h"
#include "PpmFile.h"
#include "ProcessMeasure.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/effects/EffectModuleFolder.h"
#include "editor/palette/LdPlugInPaletteItem.h"
#include "editor/ui/ProgramEnvironment.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"
#include "filters/sdk/PIHandles.h"
#include "gc/QnObj.h"
#include "lang/ValueExpr.h"
#include "platform/IniFile.h"
#include "platform/OwnResources.h"
#include "pluginhost/FxgateLibrary.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int32_t kWidth = 6000, kHeight = 4000;
constexpr int kRuns = 3;
constexpr int kWarmUpRuns = 1;  // in each process, before the runs counted

struct EffectCase {
    const char* name;
    uint32_t command;     // the editor's effect command
    const char* module;   // file name beside the program
    const char* entry;
    std::vector<int32_t> block;  // the stored parameters, ShowDialog 0
    std::vector<std::string> magick;
};

std::vector<EffectCase> Cases()
{
    std::vector<int32_t> focus(10, 0);
    focus[0] = 2;  // Param1 2 of 1..9: sharpening
    return {
        {"Whirl", 32826, "rubber.8bf", "ENTRYPOINT10", {50, 10, 3, 0, 0, 0, 0}, {"-swirl", "180"}},
        {"Focus", 32792, "Fxrun.8bf", "ENTRYPOINT5", focus, {"-unsharp", "0x1+1.5+0"}},
    };
}

PpQnPicture Sample() { return PatternPicture(kWidth, kHeight, 16, 12); }

void TellModules(const std::string& config, int32_t hostNumber, uint32_t signature)
{
    for (const char* stem : {"rubber", "Fxrun"}) {
        std::filesystem::create_directories(config + "/" + stem);
        platform::IniFile ini(config + "/" + stem + "/" + stem + ".INI");
        ini.WriteInt("Host", "Hostnum", hostNumber);
        ini.WriteInt("Host", "Hostsign", int32_t(signature));
    }
}

// Nothing may ask, not even which host runs a module (the settings name
// it): a dialog would be measured with the effect.
bool& Asked()
{
    static bool asked = false;
    return asked;
}

void AnswerDialogs()
{
    fw::SetDialogHook([](fw::Dialog& d) {
        std::fprintf(stderr, "asked: %s\n", d.windowTitle().toStdString().c_str());
        Asked() = true;
        d.PressButton(fw::IDCANCEL);
    });
}

// Child: the effect through the plug-in host; prints the best milliseconds.
int RunUnderHost(const EffectCase& c, const std::string& folder, int argc, char** argv)
{
    QApplication app(argc, argv);
    AnswerDialogs();
    const PpQnPicture picture = Sample();
    HostMemoryPicture source(kWidth, kHeight), destination(kWidth, kHeight);
    for (int32_t y = 0; y < kHeight; ++y)
        picture->GetRow(0, 0, y, source.Row(y));
    PlugInHost& host = Fxgate()->host;
    if (host.LoadModule((folder + c.module).c_str(), c.entry, nullptr) != kRunDone)
        return 1;
    double best = 1e30;
    for (int run = -kWarmUpRuns; run < kRuns; ++run) {
        Handle parameters = NewHostHandle(int32_t(c.block.size() * 4));
        std::memcpy(parameters->data, c.block.data(), c.block.size() * 4);
        intptr_t data = 0;
        int32_t ask = 0, within = 0;
        PIRECT changed{};
        const auto start = std::chrono::steady_clock::now();
        const bool ok = host.BeginRun(nullptr, 0xFFFFFF, 0, &destination, &source, 0, 0, nullptr, nullptr, nullptr,
                                      &within) == kRunDone &&
                        host.Run(&ask, host.Entry(), supportsRGBColor, nullptr, &parameters, &data, &changed) ==
                            kRunDone;
        if (run >= 0)
            best = std::min(best, Ms(start));
        FreeHostHandle(parameters);
        if (!ok || Asked())
            return 1;
    }
    std::printf("%.1f\n", best);
    return 0;
}

// Child: the effect as a document command with the stored block.
int RunInEditor(const EffectCase& c, int argc, char** argv)
{
    QApplication app(argc, argv);
    LdSetProgramResources(platform::OwnResources());
    BenchDocumentHost documentHost;
    LdSetDocumentHost(&documentHost);
    AnswerDialogs();
    const PpQnPicture picture = Sample();
    std::vector<uint8_t> block(c.block.size() * 4);
    std::memcpy(block.data(), c.block.data(), block.size());
    double best = 1e30;
    for (int run = -kWarmUpRuns; run < kRuns; ++run) {
        // The host's runs write into pictures its first run touched; here
        // the last run's pictures are collected so that this run reuses
        // their memory as an editor that has been running does, instead of
        // the first touch of new memory (which a virtual machine makes
        // costly) being measured with the effect.
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
        CLodo40Doc doc;
        doc.SetPictureFromExpression(PpQnExpr(PpQnFlVal(picture)), nullptr, nullptr, "New", false, nullptr);
        const uint32_t before = doc.GetPixelColor({kWidth / 3, kHeight / 3});
        CLdPlugInPaletteItem item(c.command, c.name, 0xFFFFFF, 0);
        item.SetParameters(block);
        const auto start = std::chrono::steady_clock::now();
        doc.ApplyPaletteItem(item);
        if (run >= 0)
            best = std::min(best, Ms(start));
        if (Asked() || doc.UndoListEmpty() || doc.GetPixelColor({kWidth / 3, kHeight / 3}) == before)
            return 1;  // the effect did not run
    }
    std::printf("%.1f\n", best);
    std::fflush(stdout);
    // What the runs left goes before the statics it refers to.
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    return 0;
}

double Child(const std::string& self, const char* mode, const char* name)
{
    const std::string command = self + " " + mode + " " + name;
    FILE* pipe = popen(command.c_str(), "r");
    double ms = -1;
    if (!pipe || std::fscanf(pipe, "%lf", &ms) != 1)
        ms = -1;
    if (pipe && pclose(pipe) != 0)
        ms = -1;
    return ms;
}

void WritePpm(const PpQnPicture& picture, const std::string& path)
{
    WritePpmFromBgrRows(path, kWidth, kHeight, [&](int32_t y, uint8_t* bgr) { picture->GetRow(0, 0, y, bgr); });
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string programFolder = std::filesystem::path(argv[0]).parent_path().parent_path() / "bin/";
    const std::string folder = std::filesystem::temp_directory_path() / ("effect_bench_" + std::to_string(getpid()));
    if (argc == 3) {
        for (const EffectCase& c : Cases()) {
            if (c.name != std::string(argv[2]))
                continue;
            qputenv("QT_QPA_PLATFORM", "offscreen");
            const std::string config = folder + "_child";
            setenv("QN_CONFIG_HOME", config.c_str(), 1);
            if (std::string(argv[1]) == "host") {
                TellModules(config, 5, PI_HOST_SIG_FXGATE);
                return RunUnderHost(c, programFolder, argc, argv);
            }
            TellModules(config, 0, PI_HOST_SIG_EDITOR);
            SetEffectModuleFolder(programFolder);
            return RunInEditor(c, argc, argv);
        }
        return 2;
    }

    std::filesystem::create_directories(folder);
    const std::string ppm = folder + "/in.ppm", out = folder + "/out.ppm";
    WritePpm(Sample(), ppm);
    std::printf("effect on %d x %d, best of %d: editor (document command) / plug-in host / ImageMagick 1 thread\n",
                kWidth, kHeight, kRuns);
    for (const EffectCase& c : Cases()) {
        const double host = Child(argv[0], "host", c.name);
        const double editor = Child(argv[0], "editor", c.name);
        std::vector<std::string> magickArgs{"convert", "-limit", "thread", "1", ppm};
        magickArgs.insert(magickArgs.end(), c.magick.begin(), c.magick.end());
        magickArgs.push_back(out);
        const Measure magick = RunProcess(magickArgs, kRuns);
        const Measure copy = RunProcess({"convert", "-limit", "thread", "1", ppm, out}, kRuns);
        const double magickOp = magick.ok && copy.ok ? magick.ms - copy.ms : -1;
        std::printf("%-6s editor %8.1f ms  host %8.1f ms  ratio %.2fx (target 1.10x)  ImageMagick %s %8.1f ms"
                    " (less its %.1f ms copy: %.1f ms)  editor/ImageMagick %.2fx\n",
                    c.name, editor, host, host > 0 ? editor / host : -1.0, c.magick[0].c_str(),
                    magick.ok ? magick.ms : -1.0, copy.ok ? copy.ms : -1.0, magickOp,
                    magickOp > 0 ? editor / magickOp : -1.0);
        if (editor > 0 && host > 0)
            ReportRatio("effect_overhead", std::string(c.name) + " in the editor / under the plug-in host", editor / host,
                        1.1);
        if (editor > 0 && magickOp > 0)
            ReportRatioOnly("effect_overhead", std::string(c.name) + " in the editor / ImageMagick " + c.magick[0],
                            editor / magickOp);
    }
    std::filesystem::remove_all(folder);
    std::filesystem::remove_all(folder + "_child");
    return 0;
}
