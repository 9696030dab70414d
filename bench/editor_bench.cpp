// The editor with a 6000 x 4000 JPEG: opening it and painting a 1920 x 1080
// view at Fit until every tile is drawn (the full pixels of a picture opened
// shrunk come later, when the editor is idle; BENCH_PHASES=1 times them
// too), beside decoding the same file with libjpeg-turbo alone (djpeg, the
// floor) and ImageMagick's resize to the same size; the resident memory
// after opening against the picture's raw pixels plus the empty program;
// and 50 edits then undo of all of them: peak memory against 50 pixel
// snapshots, and the time of one undo step with 10 results kept and with
// none (every step computed again). Each measured run is a process of its
// own (this program re-run).
#include "BenchResult.h"
#include "EditorBenchSupport.h"
#include "ProcessMeasure.h"
#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/document/DocumentHost.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/view/Lodo40View.h"
#include "framework/MessageBox.h"
#include "imexp/ImExp.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"
#include "picture/Picture.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kWidth = 6000, kHeight = 4000;
constexpr int kEdits = 50;
constexpr int kRuns = 3;

void MakeInput(const std::string& path)
{
    const PpQnPicture p = PatternPicture(kWidth, kHeight, 24, 16);
    imexp::WriteOptions options;
    options.jpegQuality = 90;
    if (!imexp::WritePicture(path, *p, options))
        std::fprintf(stderr, "could not write %s\n", path.c_str());
}

// An edit as a tool makes one: a 64 x 64 square of the picture changed, the
// rest shared with the previous picture.
PpQnExpr SquareEdit(QnMachineContext& m, int, QnEvalControl*)
{
    const PpQnPicture source = QnCheckedCast<QnPicture>(QnValueOf(*m.arg_get(1)), "bench", __LINE__);
    const int32_t n = QnCheckedCast<QnFlInt>(QnValueOf(*m.arg_get(2)), "bench", __LINE__)->Value();
    PpQnPicture result(source, 1);
    QnRect tile;
    const PpQnPixBuf buf = result->GetAccessToBuffer(0, QnPoint{(n * 97) % kWidth, (n * 61) % kHeight}, &tile);
    for (int32_t y = 0; y < int32_t(tile.Height()); ++y)
        std::memset(buf->Row(y), n * 5, size_t(tile.Width()) * 3);
    return PpQnExpr(PpQnFlVal(result));
}

PpQnExpr EditExpr(const PpQnExpr& picture, int32_t n)
{
    static BuiltinSlot slot(SquareEdit, 2);
    return PpQnExpr(PpQnExpr(PpQnExpr(slot.Id(), -1), picture), PpQnExpr(PpQnFlVal(n)));
}

using BenchHost = BenchDocumentHost;

// Child: open (unless path is empty) and paint a 1920 x 1080 view at Fit.
int OpenAndPaint(int argc, char** argv, const std::string& path)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchHost host;
    LdSetDocumentHost(&host);
    auto* doc = new CLodo40Doc;
    doc->autoDelete = false;
    CLodo40View view;
    view.resize(1920, 1080);
    doc->AddView(&view);
    view.show();
    if (!path.empty()) {
        const auto t0 = std::chrono::steady_clock::now();
        if (!doc->OnOpenDocument(path))
            return 1;
        const double opened = Ms(t0);
        view.OnViewFitInWindow();
        view.PaintAll();
        if (qEnvironmentVariableIsSet("BENCH_PHASES")) {
            const double painted = Ms(t0);
            // What the editor does next, once idle: the full pixels of a
            // picture opened shrunk.
            doc->DecodeWaitingPixels();
            std::fprintf(stderr, "open %.0f ms, paint %.0f ms, then the full pixels %.0f ms\n", opened,
                         painted - opened, Ms(t0) - painted);
        }
    }
    doc->RemoveView(&view);
    delete doc;
    return 0;
}

// Child: 50 edits, then all undone with depth results kept; prints the time
// of one undo step.
int EditsAndUndo(int argc, char** argv, const std::string& path, int depth)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchHost host;
    host.depth = depth;
    LdSetDocumentHost(&host);
    fw::SetMessageBoxHook([](const fw::MessageBoxRequest&) { return fw::IDYES; });
    CLodo40Doc doc;
    if (!doc.OnOpenDocument(path))
        return 1;
    for (int i = 1; i <= kEdits; ++i)
        doc.ApplyExpression(EditExpr(doc.GetExpression(), i), nullptr, nullptr, "Edit", false, true);
    // Without results kept, every cache is also dropped before each step, as
    // memory pressure would: each step is then computed from the file again.
    const bool dropCaches = depth == 0;
    double total = 0;
    for (int i = 0; i < kEdits; ++i) {
        if (dropCaches)
            QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
        const auto start = std::chrono::steady_clock::now();
        doc.StepHistory(1);
        total += Ms(start);
    }
    std::printf("  one undo step with %2d results kept%s: %8.2f ms\n", depth,
                dropCaches ? " and the caches dropped" : "", total / kEdits);
    ReportFigureOnly("editor", "undo step, " + std::to_string(depth) + " results kept", total / kEdits, "ms");
    std::fflush(stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--open") == 0)
        return OpenAndPaint(argc, argv, argc > 2 ? argv[2] : "");
    if (argc == 3 && std::strcmp(argv[1], "--make") == 0) {
        MakeInput(argv[2]);
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "--edits") == 0)
        return EditsAndUndo(argc, argv, argv[2], std::atoi(argv[3]));

    char pattern[] = "/tmp/editor-bench-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    const std::string jpg = folder + "/in.jpg";
    // Made by a child: this process stays small, since a child's peak memory
    // counts what it shares with this one until it starts its program.
    RunProcess({"/proc/self/exe", "--make", jpg}, 1);
    const double rawMb = double(kWidth) * kHeight * 3 / (1024 * 1024);

    std::printf("a %d x %d JPEG opened and a 1920 x 1080 view painted at Fit, best of %d runs\n", kWidth, kHeight,
                kRuns);
    std::fflush(stdout);
    const Measure ours = RunProcess({"/proc/self/exe", "--open", jpg}, kRuns);
    const Measure empty = RunProcess({"/proc/self/exe", "--open"}, kRuns);
    const Measure djpeg = RunProcess({"djpeg", "-outfile", "/dev/null", jpg}, kRuns);
    const Measure convert = RunProcess({"convert", jpg, "-resize", "1920x1080", folder + "/out.ppm"}, kRuns);
    std::printf("%-28s %10s %10s\n", "", "ms", "MB");
    std::printf("%-28s %10.0f %10.1f\n", "Telvy12 open and paint", ours.ms, ours.maxrssKb / 1024.0);
    std::printf("%-28s %10.0f %10.1f\n", "Telvy12 start, no picture", empty.ms, empty.maxrssKb / 1024.0);
    std::printf("%-28s %10.0f %10.1f\n", "djpeg (the floor)", djpeg.ms, djpeg.maxrssKb / 1024.0);
    std::printf("%-28s %10.0f %10.1f\n", "ImageMagick -resize", convert.ms, convert.maxrssKb / 1024.0);
    std::printf("time against the floor: %.2fx (target 1.5x); against ImageMagick: %.2fx\n", ours.ms / djpeg.ms,
                ours.ms / convert.ms);
    const double programMb = empty.maxrssKb / 1024.0;
    std::printf("resident memory: %.1f MB against raw pixels %.1f MB + the empty program %.1f MB: %.2fx "
                "(target 1.5x)\n",
                ours.maxrssKb / 1024.0, rawMb, programMb, (ours.maxrssKb / 1024.0) / (rawMb + programMb));
    if (ours.ok && djpeg.ok) {
        ReportRatio("editor", "open and paint / djpeg", ours.ms / djpeg.ms, 1.5);
        ReportRatio("editor", "memory / (raw pixels + empty program)", (ours.maxrssKb / 1024.0) / (rawMb + programMb),
                    1.5);
    } else {
        ReportNotMeasured("editor", "open and paint / djpeg", "1.5x");
        ReportNotMeasured("editor", "memory / (raw pixels + empty program)", "1.5x");
    }
    if (ours.ok && convert.ok)
        ReportRatioOnly("editor", "open and paint / ImageMagick -resize", ours.ms / convert.ms);

    std::printf("%d edits of a 64 x 64 square, then all undone\n", kEdits);
    std::fflush(stdout);
    const Measure fast = RunProcess({"/proc/self/exe", "--edits", jpg, "10"}, 1);
    const Measure slow = RunProcess({"/proc/self/exe", "--edits", jpg, "0"}, 1);
    std::printf("peak memory with 10 results kept: %.1f MB; with none: %.1f MB; 50 pixel snapshots would take "
                "%.1f MB\n",
                fast.maxrssKb / 1024.0, slow.maxrssKb / 1024.0, kEdits * rawMb);
    std::remove(jpg.c_str());
    std::remove((folder + "/out.ppm").c_str());
    rmdir(folder.c_str());
    return ours.ok && empty.ok && djpeg.ok && convert.ok && fast.ok && slow.ok ? 0 : 1;
}
