// Reductions per second of the evaluation machine on naive Fibonacci of 25
// through the fixed-point built-in, compiled from a lambda term, against
// the same program run by the Hugs interpreter (runhugs) in the same run.
// Hugs' own reduction count comes from "hugs +s"; its time is the wall time
// of runhugs less the time of runhugs on an empty program (start-up).
#include "lang/CompApply.h"
#include "lang/CompConst.h"
#include "lang/CompLambda.h"
#include "lang/CompVar.h"
#include "lang/CompileFlExpr.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"
#include "lang/ProcessControl.h"
#include "lang/ValueExpr.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr int kN = 25;
constexpr int kRuns = 3;

class CountingControl : public QnEvalControl {
public:
    int TestAbort() const override { return 0; }
    QnProgressIndicator* CreateProgressIndicator(int) override { return nullptr; }
    void NoteStep(int) override { ++steps; }
    int64_t steps = 0;
};

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

PpQnComp C(QnFunId id) { return PpQnCompConst(id, -1); }
PpQnComp I(int32_t v) { return PpQnCompConst(PpQnFlVal(v)); }
PpQnComp A(const PpQnComp& f, const PpQnComp& x) { return PpQnCompApply(f, x); }
PpQnComp A(const PpQnComp& f, const PpQnComp& x, const PpQnComp& y) { return A(A(f, x), y); }

// Y (λf. λn. SELECT (LT n 2) n (ADD (f (SUB n 1)) (f (SUB n 2)))), freshly
// compiled, so no result of an earlier run is found in a cache.
PpQnExpr Fib()
{
    const PpQnCompVar f(QnCompVar::NEW_VAR), n(QnCompVar::NEW_VAR);
    const PpQnComp body = A(A(C(FL_SELECT), A(C(FL_LT), n, I(2)), n),
                            A(C(FL_ADD), A(f, A(C(FL_SUB), n, I(1))), A(f, A(C(FL_SUB), n, I(2)))));
    return PpQnExpr(PpQnExpr(FL_Y, -1), QnCompileFlExpr(PpQnCompLambda(f, PpQnCompLambda(n, body))));
}

// Wall time of a shell command, best of kRuns; negative when it fails.
double TimeCommand(const std::string& cmd)
{
    double best = 1e30;
    for (int i = 0; i < kRuns; ++i) {
        const double t0 = Now();
        if (std::system(cmd.c_str()) != 0)
            return -1;
        best = std::min(best, Now() - t0);
    }
    return best;
}

int64_t HugsReductions(const std::string& dir)
{
    const std::string cmd = "echo 'fib " + std::to_string(kN) + "' | hugs +s " + dir + "/fib.hs 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return -1;
    char line[512];
    int64_t reductions = -1;
    while (std::fgets(line, sizeof line, p)) {
        const char* open = std::strchr(line, '(');
        long long r = 0;
        if (open && std::sscanf(open, "(%lld reductions", &r) == 1)
            reductions = r;
    }
    pclose(p);
    return reductions;
}

} // namespace

int main()
{
    // The machine.
    double best = 1e30;
    int64_t steps = 0;
    int32_t result = 0;
    for (int i = 0; i < kRuns; ++i) {
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
        const PpQnExpr e(Fib(), PpQnExpr(PpQnFlVal(kN)));
        QnMachineContext m;
        CountingControl ctl;
        const double t0 = Now();
        const PpQnExpr r = m.eval(e, &ctl);
        best = std::min(best, Now() - t0);
        steps = ctl.steps;
        result = static_cast<QnFlInt*>(static_cast<QnValueExpr*>(r.Get())->ValuePtr())->Value();
    }
    std::printf("machine: fib %d = %d, %lld reductions in %.3f s: %.2f M reductions/s\n", kN, result,
                static_cast<long long>(steps), best, double(steps) / best / 1e6);

    // Hugs, on the same program.
    char dir[] = "/tmp/qnfibXXXXXX";
    if (!mkdtemp(dir)) {
        std::printf("hugs: no temporary folder\n");
        return 1;
    }
    const std::string d = dir;
    std::ofstream(d + "/fib.hs") << "fib :: Int -> Int\n"
                                    "fib n = if n < 2 then n else fib (n - 1) + fib (n - 2)\n"
                                    "main :: IO ()\n"
                                    "main = print (fib "
                                 << kN << ")\n";
    std::ofstream(d + "/empty.hs") << "main :: IO ()\nmain = return ()\n";
    const double hugsAll = TimeCommand("runhugs " + d + "/fib.hs >/dev/null 2>&1");
    const double hugsStart = TimeCommand("runhugs " + d + "/empty.hs >/dev/null 2>&1");
    const int64_t hugsReductions = HugsReductions(d);
    std::system(("rm -rf " + d).c_str());
    if (hugsAll < 0 || hugsStart < 0 || hugsReductions < 0) {
        std::printf("hugs: runhugs not found or failed (install the hugs package)\n");
        return 0;
    }
    const double hugs = std::max(hugsAll - hugsStart, 1e-6);
    std::printf("hugs:    fib %d, %lld reductions in %.3f s (%.3f s less %.3f s start-up): %.2f M reductions/s\n", kN,
                static_cast<long long>(hugsReductions), hugs, hugsAll, hugsStart,
                double(hugsReductions) / hugs / 1e6);
    std::printf("time of the whole program, machine / hugs: %.2f\n", best / hugs);
    return 0;
}
