// The cost of one typical editor expression: a registered built-in applied
// to a value object and a few integers, built as a lambda term over the
// value, compiled, applied to a fresh value object and evaluated. Shown in
// its stages and as a whole, in microseconds.
#include "BenchmarkRatios.h"
#include "lang/CompApply.h"
#include "lang/CompConst.h"
#include "lang/CompLambda.h"
#include "lang/CompVar.h"
#include "lang/CompileFlExpr.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"

#include <benchmark/benchmark.h>

namespace {

// Stands for a picture: a value never shared with an equal one.
class PictureLike : public QnFlVal {
protected:
    friend struct ::QnObjCreator;
    PictureLike() : QnFlVal(1) {}
};

// Stands for a picture operation: reads its four arguments, makes a new
// picture.
PpQnExpr Operation(QnMachineContext& m, int, QnEvalControl*)
{
    const PpQnExpr* a = m.arg_get(4);
    for (int i = 0; i < 3; ++i)
        benchmark::DoNotOptimize(a[i]->CastToValue()->ValuePtr());
    return PpQnExpr(PpQnFlVal(QnCreate<PictureLike>()));
}

QnFunId OperationId()
{
    static const QnFunId id = QnFun::RegisterFun(PpQnFun(Operation, 4));
    return id;
}

// λp. OP p 640 480 1
PpQnExpr Compile()
{
    const PpQnCompVar p(QnCompVar::NEW_VAR);
    PpQnComp body = PpQnCompApply(PpQnCompConst(OperationId(), -1), p);
    for (int32_t v : {640, 480, 1})
        body = PpQnCompApply(body, PpQnCompConst(PpQnFlVal(v)));
    return QnCompileFlExpr(PpQnCompLambda(p, body));
}

// Every expression leaves its nodes behind as caches, which ordinary
// collections keep. Dropping them now and then, outside the timed part, as
// memory pressure does in the editor, keeps the heap at a steady size, so
// the figure does not grow with the number of iterations.
void DropCachesNowAndThen(benchmark::State& state, int64_t& n)
{
    if (++n % 256 == 0) {
        state.PauseTiming();
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
        state.ResumeTiming();
    }
}

void BM_BuildAndCompile(benchmark::State& state)
{
    int64_t n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Compile().Get());
        DropCachesNowAndThen(state, n);
    }
}
BENCHMARK(BM_BuildAndCompile)->Unit(benchmark::kMicrosecond);

void BM_Evaluate(benchmark::State& state)
{
    const PpQnExpr op = Compile();
    QnMachineContext m;
    int64_t n = 0;
    for (auto _ : state) {
        const PpQnExpr picture(PpQnFlVal(QnCreate<PictureLike>()));
        benchmark::DoNotOptimize(m.eval(PpQnExpr(op, picture), nullptr).Get());
        DropCachesNowAndThen(state, n);
    }
}
BENCHMARK(BM_Evaluate)->Unit(benchmark::kMicrosecond);

void BM_BuildCompileAndEvaluate(benchmark::State& state)
{
    QnMachineContext m;
    int64_t n = 0;
    for (auto _ : state) {
        const PpQnExpr picture(PpQnFlVal(QnCreate<PictureLike>()));
        benchmark::DoNotOptimize(m.eval(PpQnExpr(Compile(), picture), nullptr).Get());
        DropCachesNowAndThen(state, n);
    }
}
BENCHMARK(BM_BuildCompileAndEvaluate)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(argc, argv, "lang_expr",
                                   {{"build, compile and evaluate", "BM_BuildCompileAndEvaluate", ""}});
}
