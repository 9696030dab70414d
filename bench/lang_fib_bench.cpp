// The evaluation machine on whole programs, each run as a process of its
// own so that its time and its peak memory are those of that program alone:
//
// - naive Fibonacci of 25 through the fixed-point built-in, compiled from a
//   lambda term, against the same program run by the Hugs interpreter
//   (runhugs): the wall time of the first run and of the best of three, the
//   same less each side's start-up (an empty program), and the peak
//   resident memory of each side;
// - a sum through the fixed-point built-in, n + (n-1) + ... + 0, at 10^4,
//   10^5 and 10^6 levels: the time per level, which should not grow with n,
//   and the peak memory.
//
// The machine's side is this program started again with a task ("fib 25",
// "sum 100000", "empty"); it writes its result and the time of compiling
// and evaluating to a file named on its command line.
#include "BenchResult.h"
#include "ProcessMeasure.h"

#include "lang/CompApply.h"
#include "lang/CompConst.h"
#include "lang/CompLambda.h"
#include "lang/CompVar.h"
#include "lang/CompileFlExpr.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

constexpr int kFibN = 25;
constexpr int kRuns = 3;

PpQnComp C(QnFunId id) { return PpQnCompConst(id, -1); }
PpQnComp I(int32_t v) { return PpQnCompConst(PpQnFlVal(v)); }
PpQnComp A(const PpQnComp& f, const PpQnComp& x) { return PpQnCompApply(f, x); }
PpQnComp A(const PpQnComp& f, const PpQnComp& x, const PpQnComp& y) { return A(A(f, x), y); }

// Y (λf. λn. body(f, n)), compiled.
using BodyOf = PpQnComp (*)(const PpQnComp& f, const PpQnComp& n);
PpQnExpr Recursive(BodyOf body)
{
    const PpQnCompVar f(QnCompVar::NEW_VAR), n(QnCompVar::NEW_VAR);
    return PpQnExpr(PpQnExpr(FL_Y, -1), QnCompileFlExpr(PpQnCompLambda(f, PpQnCompLambda(n, body(f, n)))));
}

// SELECT (LT n 2) n (ADD (f (SUB n 1)) (f (SUB n 2)))
PpQnExpr Fib()
{
    return Recursive([](const PpQnComp& f, const PpQnComp& n) -> PpQnComp {
        return A(A(C(FL_SELECT), A(C(FL_LT), n, I(2)), n),
                 A(C(FL_ADD), A(f, A(C(FL_SUB), n, I(1))), A(f, A(C(FL_SUB), n, I(2)))));
    });
}

// SELECT (LT n 1) 0 (ADD n (f (SUB n 1)))
PpQnExpr Sum()
{
    return Recursive([](const PpQnComp& f, const PpQnComp& n) -> PpQnComp {
        return A(A(C(FL_SELECT), A(C(FL_LT), n, I(1)), I(0)), A(C(FL_ADD), n, A(f, A(C(FL_SUB), n, I(1)))));
    });
}

// The child: compiles and evaluates one task, writes "result seconds".
int RunTask(const std::string& task, int32_t n, const char* out)
{
    const auto t0 = std::chrono::steady_clock::now();
    int32_t result = 0;
    if (task != "empty") {
        const PpQnExpr e(task == "fib" ? Fib() : Sum(), PpQnExpr(PpQnFlVal(n)));
        QnMachineContext m;
        const PpQnExpr r = m.eval(e, nullptr);
        result = static_cast<QnFlInt*>(static_cast<QnValueExpr*>(r.Get())->ValuePtr())->Value();
    }
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::ofstream(out) << result << ' ' << s << '\n';
    return 0;
}

struct Child {
    Measure process;
    int32_t result = 0;
    double evalSeconds = 0; // of the last run
};

Child RunChild(const std::string& task, int32_t n, const std::string& dir, int runs)
{
    const std::string out = dir + "/result.txt";
    Child c;
    c.process = RunProcess({"/proc/self/exe", task, std::to_string(n), out}, runs);
    std::ifstream(out) >> c.result >> c.evalSeconds;
    return c;
}

int32_t FibOf(int32_t n) { return n < 2 ? n : FibOf(n - 1) + FibOf(n - 2); }

int32_t SumTo(int32_t n) { return int32_t(uint32_t(int64_t(n) * (n + 1) / 2)); }

void PrintRow(const char* name, const Measure& m, const Measure& start)
{
    std::printf("%-26s %9.0f %9.0f %11.0f %11.0f %9.1f\n", name, m.firstMs, m.ms, m.firstMs - start.firstMs,
                m.ms - start.ms, m.maxrssKb / 1024.0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4)
        return RunTask(argv[1], std::atoi(argv[2]), argv[3]);

    char dirTemplate[] = "/tmp/qnfibXXXXXX";
    if (!mkdtemp(dirTemplate)) {
        std::printf("no temporary folder\n");
        return 1;
    }
    const std::string dir = dirTemplate;
    int status = 0;

    // Fibonacci, both sides.
    const Child fib = RunChild("fib", kFibN, dir, kRuns);
    const Child empty = RunChild("empty", 0, dir, kRuns);
    if (!fib.process.ok || fib.result != FibOf(kFibN)) {
        std::printf("machine: fib %d failed (result %d)\n", kFibN, fib.result);
        status = 1;
    }
    std::ofstream(dir + "/fib.hs") << "fib :: Int -> Int\n"
                                      "fib n = if n < 2 then n else fib (n - 1) + fib (n - 2)\n"
                                      "main :: IO ()\n"
                                      "main = print (fib "
                                   << kFibN << ")\n";
    std::ofstream(dir + "/empty.hs") << "main :: IO ()\nmain = return ()\n";
    // Through the shell for its output to go, which then becomes runhugs.
    auto runhugs = [](const std::string& file) {
        return RunProcess({"sh", "-c", "exec runhugs " + file + " >/dev/null"}, kRuns);
    };
    const Measure hugs = runhugs(dir + "/fib.hs");
    const Measure hugsEmpty = runhugs(dir + "/empty.hs");

    std::printf("fib %d, wall time of the whole process (ms) and peak resident memory (MB):\n", kFibN);
    std::printf("%-26s %9s %9s %11s %11s %9s\n", "", "first", "best", "first-start", "best-start", "peak MB");
    PrintRow("machine", fib.process, empty.process);
    PrintRow("machine, empty program", empty.process, empty.process);
    if (hugs.ok && hugsEmpty.ok) {
        PrintRow("hugs", hugs, hugsEmpty);
        PrintRow("hugs, empty program", hugsEmpty, hugsEmpty);
        std::printf("machine / hugs: time %.2f (first) %.2f (best), less start-up %.2f (first) %.2f (best); "
                    "peak memory %.2f\n",
                    fib.process.firstMs / hugs.firstMs, fib.process.ms / hugs.ms,
                    (fib.process.firstMs - empty.process.firstMs) / (hugs.firstMs - hugsEmpty.firstMs),
                    (fib.process.ms - empty.process.ms) / (hugs.ms - hugsEmpty.ms),
                    double(fib.process.maxrssKb) / double(hugs.maxrssKb));
        ReportRatio("lang_fib", "fib 25 / Hugs, time (best)", fib.process.ms / hugs.ms, 5);
        ReportRatioOnly("lang_fib", "fib 25 / Hugs, time less start-up (best)",
                        (fib.process.ms - empty.process.ms) / (hugs.ms - hugsEmpty.ms));
        ReportRatioOnly("lang_fib", "fib 25 / Hugs, peak memory", double(fib.process.maxrssKb) / double(hugs.maxrssKb));
    } else {
        std::printf("hugs: runhugs not found or failed (install the hugs package)\n");
        ReportNotMeasured("lang_fib", "fib 25 / Hugs, time (best)", "5x");
    }

    // The recursive sum: time per level at three depths.
    std::printf("\nsum through Y, compile and evaluate in one process each:\n");
    std::printf("%10s %12s %12s %10s\n", "levels", "eval ms", "us/level", "peak MB");
    double perLevelFirst = 0, perLevelLast = 0;
    for (int32_t n : {10000, 100000, 1000000}) {
        const Child sum = RunChild("sum", n, dir, 1);
        if (!sum.process.ok || sum.result != SumTo(n)) {
            std::printf("%10d failed (result %d)\n", n, sum.result);
            status = 1;
            continue;
        }
        const double perLevel = sum.evalSeconds * 1e6 / n;
        if (perLevelFirst == 0)
            perLevelFirst = perLevel;
        perLevelLast = perLevel;
        std::printf("%10d %12.1f %12.2f %10.1f\n", n, sum.evalSeconds * 1e3, perLevel,
                    sum.process.maxrssKb / 1024.0);
    }
    if (perLevelFirst > 0) {
        std::printf("time per level, 10^6 / 10^4: %.2f\n", perLevelLast / perLevelFirst);
        ReportRatioOnly("lang_fib", "sum through Y: time per level, 10^6 / 10^4", perLevelLast / perLevelFirst);
    }

    std::system(("rm -rf " + dir).c_str());
    return status;
}
