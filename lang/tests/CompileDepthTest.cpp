// Terms nested far deeper than the processor stack would allow a recursive
// compiler: each shape is compiled, applied and evaluated at 10^5 and 10^6
// levels (10^6 only without sanitizers, whose stacks and heaps are larger
// and slower), and a term too large for memory raises the language's
// error instead of ending the process.
#include "LangTestValues.h"
#include "MachineTestSupport.h"

#include "lang/CompileFlExpr.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QN_SANITIZED 1
#else
#define QN_SANITIZED 0
#endif

namespace {

// ADD (ADD (... (ADD seed 1) ...) 1) 1, depth levels.
PpQnComp Chain(const PpQnComp& seed, int depth)
{
    const PpQnComp add = CFn(FL_ADD), one = CInt(1);
    PpQnComp t = seed;
    for (int i = 0; i < depth; ++i)
        t = CApp(add, t, one);
    return t;
}

// An identity that leaves its argument as it stands (not strict).
QnFunId LazyId()
{
    static const QnFunId id = QnFun::RegisterFun(
        PpQnFun([](QnMachineContext& m, int, QnEvalControl*) { return *m.arg_get(1); },
                [](int, int) { return 0; }, 1));
    return id;
}

struct Shape {
    const char* name;
    bool atMillion; // also run at 10^6 levels (the others take long there)
    // The term of about depth levels, and the value its evaluation gives.
    std::function<PpQnExpr(int depth, int32_t& expected)> build;
};

const Shape kShapes[] = {
    {"closed chain, no lambda", false,
     [](int depth, int32_t& expected) {
         expected = depth;
         return QnCompileFlExpr(Chain(CInt(0), depth));
     }},
    {"chain over the parameter: (λx. ADD (... (ADD x 1) ...) 1) 5", true,
     [](int depth, int32_t& expected) {
         expected = 5 + depth;
         const PpQnCompVar x = NewVar();
         return App(QnCompileFlExpr(CLam(x, Chain(x, depth))), IntNode(5));
     }},
    {"the same deep free expression twice, one parameter: (λx. λy. ADD (ADD D y) D') 5 7", false,
     [](int depth, int32_t& expected) {
         expected = (5 + depth) + 7 + (5 + depth);
         const PpQnCompVar x = NewVar(), y = NewVar();
         // D and D' are built apart: equal terms, compared level by level.
         const PpQnComp body = CApp(CFn(FL_ADD), CApp(CFn(FL_ADD), Chain(x, depth), y), Chain(x, depth));
         return App(QnCompileFlExpr(CLam(x, CLam(y, body))), IntNode(5), IntNode(7));
     }},
    {"left spine: (λx. I I ... I x) 7, I a lazy identity", true,
     [](int depth, int32_t& expected) {
         expected = 7;
         const PpQnCompVar x = NewVar();
         PpQnComp spine = CFn(LazyId());
         for (int i = 0; i < depth; ++i)
             spine = CApp(spine, CFn(LazyId()));
         return App(QnCompileFlExpr(CLam(x, CApp(spine, x))), IntNode(7));
     }},
};

void CompileAndEvaluateShapes(int depth, bool onlyAtMillion)
{
    for (const Shape& shape : kShapes) {
        if (onlyAtMillion && !shape.atMillion)
            continue;
        SCOPED_TRACE(shape.name);
        int32_t expected = 0;
        const PpQnExpr e = shape.build(depth, expected);
        QnMachineContext m;
        EXPECT_EQ(EvalInt(m, e), expected);
        EXPECT_EQ(m.f_getdepth(), 0u);
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    }
}

// Bytes of address space the process has mapped now.
size_t MappedBytes()
{
    size_t pages = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%zu", &pages) != 1)
            pages = 0;
        std::fclose(f);
    }
    return pages * size_t(sysconf(_SC_PAGESIZE));
}

} // namespace

TEST(CompileDepth, HundredThousandLevels) { CompileAndEvaluateShapes(100000, false); }

TEST(CompileDepth, MillionLevels)
{
    if (QN_SANITIZED)
        GTEST_SKIP() << "10^6 levels only without sanitizers";
    CompileAndEvaluateShapes(1000000, true);
}

// A deep term whose walks cannot get the memory they need: the compiler,
// and then the machine, raise the language's error and the process goes
// on. Ends the process with 0 when both did.
[[noreturn]] static void CompileAndEvaluateWithoutRoom()
{
    constexpr int kDepth = 500000;
    const PpQnComp term = Chain(CInt(0), kDepth);
    PpQnExpr closed = IntNode(0);
    for (int i = 0; i < kDepth; ++i)
        closed = App(Fn(FL_ADD), closed, IntNode(1));
    // Room for a few more small objects, not for the walks' stacks.
    const rlimit limit{MappedBytes() + (16u << 20), RLIM_INFINITY};
    setrlimit(RLIMIT_AS, &limit);
    const std::string expected = "Expression too large (out of memory)";
    int raised = 0;
    try {
        QnCompileFlExpr(term);
    } catch (const QnLangExcept& e) {
        raised += e.what() == expected;
    }
    try {
        QnMachineContext m;
        m.eval(closed, nullptr);
    } catch (const QnLangExcept& e) {
        raised += e.what() == expected;
    }
    std::fprintf(stderr, "raised %d\n", raised);
    _exit(raised == 2 ? 0 : 1);
}

TEST(CompileDepthDeathTest, TooLargeForMemoryRaisesTheLanguagesError)
{
    if (QN_SANITIZED)
        GTEST_SKIP() << "sanitizers reserve address space of their own";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(CompileAndEvaluateWithoutRoom(), ::testing::ExitedWithCode(0), "raised 2");
}
