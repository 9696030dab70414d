// The painting tools on a 6000 x 4000 picture in a real view (offscreen):
// a recorded 2 000-point stroke replayed through the painter, from each
// mouse event to the repainted view, per mode and brush size (median and
// 99th percentile of a segment); the memory a 5 000-segment stroke leaves,
// against the picture's raw size; and the gradient fills over the whole
// picture in megapixels a second, beside ImageMagick's gradient and radial
// gradient of the same size. Each measured run is a process of its own.
#include "BenchResult.h"
#include "EditorBenchSupport.h"
#include "OutsideTool.h"
#include "ProcessMeasure.h"
#include "editor/document/DocumentHost.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/operations/FlRgn.h"
#include "editor/operations/RgnToSelect.h"
#include "editor/builtins/FL_Functions.h"
#include "editor/builtins/ToolValues.h"
#include "editor/painting/FillFunction.h"
#include "editor/ui/ProgramEnvironment.h"
#include "editor/view/LdPainter.h"
#include "editor/view/Lodo40View.h"
#include "framework/MessageBox.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"
#include "platform/OwnResources.h"

#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 6000, kHeight = 4000;

class BenchHost : public BenchDocumentHost, public CLdViewHost {
public:
    int ViewMode() override { return 2; }
    CLdViewTool* CurrentTool() override { return &painter; }
    void LockOutline(bool) override {}
    void ViewActivated(CLodo40View*) override {}

    CBrushParams brush;
    CLdPainter painter{brush};
};

// A hand's stroke: a loop across the picture with small steps.
std::vector<QnPoint> RecordedStroke(int points)
{
    std::vector<QnPoint> path;
    for (int i = 0; i < points; ++i) {
        const double t = double(i) / points;
        path.push_back(QnPoint{int32_t(3000 + 2500 * std::sin(6.2832 * t)), int32_t(2000 + 1700 * std::sin(12.566 * t))});
    }
    return path;
}

// Child: replays the stroke in a 1280 x 800 view at Fit and prints the
// median and 99th percentile of a segment.
int Stroke(int argc, char** argv, int mode, int size, int points)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LdSetProgramResources(platform::OwnResources());
    BenchHost host;
    host.brush.mode = mode;
    host.brush.size = size;
    host.brush.smooth = 1;
    host.brush.color = 0x3060C0;
    LdSetDocumentHost(&host);
    LdSetViewHost(&host);
    auto* doc = new CLodo40Doc;
    doc->autoDelete = false;
    CLodo40View view;
    view.resize(1280, 800);
    doc->AddView(&view);
    view.show();
    doc->SetPictureFromExpression(MakeNewPictureExpr(0x808080, kWidth, kHeight, 300, 300), nullptr, nullptr, "New",
                                  false, nullptr);
    view.OnViewFitInWindow();
    view.PaintAll();
    const std::vector<QnPoint> path = RecordedStroke(points);
    std::vector<double> segments;
    const auto send = [&](QEvent::Type type, const QnPoint& p) {
        const QnPoint c = view.PictureToClient(p);
        const QPointF local(c.x, c.y);
        QMouseEvent event(type, local, view.viewport()->mapToGlobal(local),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        const auto start = std::chrono::steady_clock::now();
        QApplication::sendEvent(view.viewport(), &event);
        view.UpdateNow();
        segments.push_back(Ms(start));
    };
    send(QEvent::MouseButtonPress, path.front());
    for (size_t i = 1; i < path.size(); ++i)
        send(QEvent::MouseMove, path[i]);
    send(QEvent::MouseButtonRelease, path.back());
    std::sort(segments.begin(), segments.end());
    // The short stroke run for its memory alone has no percentile worth the name.
    if (segments.size() >= 100)
        ReportFigure("painting", "stroke mode " + std::to_string(mode) + " size " + std::to_string(size) + ", p99",
                     segments[segments.size() * 99 / 100], "ms", 10);
    std::printf("  mode %d size %2d: median %6.2f ms, 99th percentile %6.2f ms (%zu segments, %zu undo step)\n", mode,
                size, segments[segments.size() / 2], segments[segments.size() * 99 / 100], segments.size(),
                doc->UndoList().Size());
    std::fflush(stdout);
    doc->RemoveView(&view);
    delete doc;
    return 0;
}

// Child: a 5 000-segment stroke of size 15, then the process's peak is
// what the caller reads.
int LongStroke(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LdSetProgramResources(platform::OwnResources());
    BenchHost host;
    LdSetDocumentHost(&host);
    CLodo40Doc doc;
    doc.SetPictureFromExpression(MakeNewPictureExpr(0x808080, kWidth, kHeight, 300, 300), nullptr, nullptr, "New",
                                 false, nullptr);
    host.brush.size = 15;
    const std::vector<QnPoint> path = RecordedStroke(5000);
    QnPoint last{1, 0};
    for (size_t i = 0; i < path.size(); ++i) {
        doc.PaintStroke(host.brush, {path[i]}, last, false, i == 0);
        last = path[i];
    }
    return doc.UndoList().Size() == 1 ? 0 : 1;
}

// Child: every gradient over the whole picture; megapixels a second.
int Fills()
{
    const PpQnExpr picture = MakeNewPictureExpr(0x808080, kWidth, kHeight, 300, 300);
    const PpQnExpr mask = MakeRgnToSelectExpr(MakeRgnValueExpr(QnRgn()), kWidth, kHeight);
    for (int kind = 0; kind <= 6; ++kind) {
        CFillParams fill;
        fill.kind = kind;
        fill.color1 = 0x102030;
        fill.color2 = 0xF0E0D0;
        QnMachineContext m;
        const auto start = std::chrono::steady_clock::now();
        m.eval(MakeFillExpr(picture, mask, PpQnExpr(PpQnFlVal(MakeFlFillParams(fill))), 0, 0), nullptr);
        const double ms = Ms(start);
        std::printf("  fill pattern %d: %7.0f ms, %6.1f megapixels a second\n", kind, ms,
                    double(kWidth) * kHeight / 1e3 / ms);
    }
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "--stroke") == 0)
        return Stroke(argc, argv, std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    if (argc == 2 && std::strcmp(argv[1], "--long") == 0)
        return LongStroke(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--fills") == 0)
        return Fills();

    std::printf("a recorded 2 000-point stroke on a %d x %d picture, each segment from the mouse event to the "
                "repainted view (target: 99th percentile under 10 ms)\n",
                kWidth, kHeight);
    std::fflush(stdout);
    bool ok = true;
    for (int mode = 0; mode <= 4; ++mode)
        for (int size : {1, 15, 35, 51})
            ok &= RunProcess({argv[0], "--stroke", std::to_string(mode), std::to_string(size), "2000"}, 1).ok;

    const Measure empty = RunProcess({argv[0], "--stroke", "0", "1", "2"}, 1);
    const Measure longStroke = RunProcess({argv[0], "--long"}, 1);
    const double rawMb = double(kWidth) * kHeight * 3 / (1024 * 1024);
    std::printf("a 5 000-segment stroke of size 15: peak %.1f MB; the picture's raw pixels %.1f MB, a one-point "
                "stroke's whole run %.1f MB\n",
                longStroke.maxrssKb / 1024.0, rawMb, empty.maxrssKb / 1024.0);
    ok &= longStroke.ok;
    if (longStroke.ok)
        ReportRatioOnly("painting", "5 000-segment stroke: peak / raw pixels", longStroke.maxrssKb / 1024.0 / rawMb);

    std::printf("gradient fills over %d x %d\n", kWidth, kHeight);
    std::fflush(stdout);
    const Measure ours = RunProcess({argv[0], "--fills"}, 1);
    ok &= ours.ok;
    const std::string size = std::to_string(kWidth) + "x" + std::to_string(kHeight);
    if (HaveTool("convert")) {
        const std::string out = "ppm:/tmp/qn-painting-bench-" + std::to_string(getpid()) + ".ppm";
        const Measure linear =
            RunProcess({"convert", "-limit", "thread", "1", "-size", size, "gradient:#302010-#D0E0F0", out}, 1);
        const Measure radial =
            RunProcess({"convert", "-limit", "thread", "1", "-size", size, "radial-gradient:#302010-#D0E0F0", out}, 1);
        std::remove(out.substr(4).c_str());
        std::printf("  ImageMagick gradient: %7.0f ms, %6.1f megapixels a second (with its start and write)\n",
                    linear.ms, double(kWidth) * kHeight / 1e3 / linear.ms);
        std::printf("  ImageMagick radial-gradient: %7.0f ms, %6.1f megapixels a second (with its start and write)\n",
                    radial.ms, double(kWidth) * kHeight / 1e3 / radial.ms);
    } else {
        std::printf("  ImageMagick: not installed, skipped\n");
    }
    return ok ? 0 : 1;
}
