// Random closed lambda terms over integers and the standard built-ins,
// compiled and reduced by the machine, against a small call-by-name
// interpreter of the same terms. Fixed seeds: the same terms every run.
#include "MachineTestSupport.h"

#include "lang/CompileFlExpr.h"
#include "lang/LangExcept.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// ---- terms ----------------------------------------------------------------

enum class Type { Int, Fun }; // Fun: int -> int

struct Term;
using TermP = std::shared_ptr<const Term>;
struct Term {
    enum Kind { Int, Var, Lam, App, Prim } kind;
    int32_t value = 0; // Int
    int var = 0;       // Var, Lam: the variable
    QnFunId prim;      // Prim
    TermP a, b;        // Lam: body in a; App: function a, argument b
};

TermP MakeInt(int32_t v) { return std::make_shared<Term>(Term{Term::Int, v, 0, {}, nullptr, nullptr}); }
TermP MakeVar(int v) { return std::make_shared<Term>(Term{Term::Var, 0, v, {}, nullptr, nullptr}); }
TermP MakeLam(int v, TermP body) { return std::make_shared<Term>(Term{Term::Lam, 0, v, {}, body, nullptr}); }
TermP MakeApp(TermP f, TermP x) { return std::make_shared<Term>(Term{Term::App, 0, 0, {}, f, x}); }
TermP MakePrim(QnFunId id) { return std::make_shared<Term>(Term{Term::Prim, 0, 0, id, nullptr, nullptr}); }
TermP MakeApp(QnFunId id, std::initializer_list<TermP> args)
{
    TermP t = MakePrim(id);
    for (const TermP& a : args)
        t = MakeApp(t, a);
    return t;
}

// Well-typed random terms: int terms and int -> int functions, with
// variables of both types in scope.
class Generator {
public:
    explicit Generator(uint32_t seed) : rng_(seed) {}

    TermP Int(int depth) { return Gen(Type::Int, depth); }

private:
    struct Bound {
        int var;
        Type type;
    };

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    int32_t Constant()
    {
        static const int32_t special[] = {0, 1, -1, 2, INT32_MAX, INT32_MIN};
        return Pick(4) == 0 ? special[Pick(6)] : std::uniform_int_distribution<int32_t>(-20, 20)(rng_);
    }

    TermP VarOf(Type type)
    {
        std::vector<int> vars;
        for (const Bound& b : scope_)
            if (b.type == type)
                vars.push_back(b.var);
        return vars.empty() ? nullptr : MakeVar(vars[size_t(Pick(int(vars.size())))]);
    }

    // A lambda of v over a body of type body, with v of type vType in scope.
    TermP Lambda(Type vType, Type body, int depth)
    {
        const int v = next_++;
        scope_.push_back({v, vType});
        TermP b = Gen(body, depth);
        scope_.pop_back();
        return MakeLam(v, b);
    }

    TermP Gen(Type type, int depth)
    {
        if (type == Type::Fun) {
            const int choice = depth <= 0 ? Pick(2) : Pick(5);
            if (choice == 0)
                if (TermP v = VarOf(Type::Fun))
                    return v;
            if (choice <= 1) {
                static const QnFunId binary[] = {FL_ADD, FL_SUB, FL_MUL, FL_GT, FL_LE};
                return MakeApp(MakePrim(binary[Pick(5)]), Gen(Type::Int, depth - 1));
            }
            if (choice == 2)
                return MakePrim(Pick(2) ? FL_NEG : FL_NOT);
            return Lambda(Type::Int, Type::Int, depth - 1);
        }
        if (depth <= 0) {
            if (Pick(2) == 0)
                if (TermP v = VarOf(Type::Int))
                    return v;
            return MakeInt(Constant());
        }
        switch (Pick(12)) {
        case 0:
            if (TermP v = VarOf(Type::Int))
                return v;
            return MakeInt(Constant());
        case 1:
            return MakeInt(Constant());
        case 2:
        case 3: {
            static const QnFunId binary[] = {FL_ADD, FL_SUB, FL_MUL, FL_DIV, FL_MOD, FL_EQ, FL_NE,
                                             FL_GT,  FL_LT,  FL_GE,  FL_LE,  FL_AND, FL_OR, FL_EQUIV};
            return MakeApp(binary[Pick(14)], {Gen(Type::Int, depth - 1), Gen(Type::Int, depth - 1)});
        }
        case 4: {
            static const QnFunId unary[] = {FL_NEG, FL_NOT, FL_LNOT, FL_ID};
            return MakeApp(unary[Pick(4)], {Gen(Type::Int, depth - 1)});
        }
        case 5:
            return MakeApp(FL_SELECT, {Gen(Type::Int, depth - 1), Gen(Type::Int, depth - 1), Gen(Type::Int, depth - 1)});
        case 6: // mostly 0 or 1, sometimes out of range
            return MakeApp(FL_ELEMENT, {Pick(5) ? MakeInt(Pick(2)) : Gen(Type::Int, depth - 1),
                                        MakeApp(FL_DIVMOD, {Gen(Type::Int, depth - 1), Gen(Type::Int, depth - 1)})});
        case 7:
        case 8: // let: (λv. body) arg
            return MakeApp(Lambda(Type::Int, Type::Int, depth - 1), Gen(Type::Int, depth - 1));
        case 9:
        case 10: // a function applied
            return MakeApp(Gen(Type::Fun, depth - 1), Gen(Type::Int, depth - 1));
        default: // a function passed to a lambda
            return MakeApp(Lambda(Type::Fun, Type::Int, depth - 1), Gen(Type::Fun, depth - 1));
        }
    }

    std::mt19937 rng_;
    std::vector<Bound> scope_;
    int next_ = 0;
};

// ---- the reference: call by name -----------------------------------------

struct Val;
using Thunk = std::function<Val()>;
struct Val {
    enum { Int, Fun, Tuple } kind = Int;
    int32_t i = 0;
    std::function<Val(const Thunk&)> fn;
    std::vector<int32_t> tuple;
};

struct LangError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int32_t Wrap(int64_t v) { return int32_t(uint32_t(uint64_t(v))); }

int32_t ForceInt(const Thunk& t)
{
    const Val v = t();
    if (v.kind != Val::Int)
        throw std::logic_error("ill-typed term");
    return v.i;
}

void CheckDivisor(int32_t y)
{
    if (y == 0)
        throw LangError("Division by zero");
}

// The built-in of id once it has all of its arguments, argument 1 first.
Val ApplyPrim(QnFunId id, const std::vector<Thunk>& a)
{
    auto v = [](int64_t i) { Val r; r.i = Wrap(i); return r; };
    auto two = [&](auto op) {
        const int64_t x = ForceInt(a[0]);
        const int64_t y = ForceInt(a[1]);
        return v(op(x, y));
    };
    switch (uint32_t(id)) {
    case FL_ADD: return two([](int64_t x, int64_t y) { return x + y; });
    case FL_SUB: return two([](int64_t x, int64_t y) { return x - y; });
    case FL_MUL: return two([](int64_t x, int64_t y) { return x * y; });
    case FL_DIV: return two([](int64_t x, int64_t y) { CheckDivisor(int32_t(y)); return x / y; });
    case FL_MOD: return two([](int64_t x, int64_t y) { CheckDivisor(int32_t(y)); return x % y; });
    case FL_EQ: return two([](int64_t x, int64_t y) { return x == y; });
    case FL_NE: return two([](int64_t x, int64_t y) { return x != y; });
    case FL_GT: return two([](int64_t x, int64_t y) { return x > y; });
    case FL_LT: return two([](int64_t x, int64_t y) { return x < y; });
    case FL_GE: return two([](int64_t x, int64_t y) { return x >= y; });
    case FL_LE: return two([](int64_t x, int64_t y) { return x <= y; });
    case FL_AND: return two([](int64_t x, int64_t y) { return x != 0 && y != 0; });
    case FL_OR: return two([](int64_t x, int64_t y) { return x != 0 || y != 0; });
    case FL_EQUIV: return two([](int64_t x, int64_t y) { return (x != 0) == (y != 0); });
    case FL_NEG: return v(-int64_t(ForceInt(a[0])));
    case FL_NOT:
    case FL_LNOT: return v(ForceInt(a[0]) == 0);
    case FL_ID: return v(ForceInt(a[0]));
    case FL_SELECT: return ForceInt(a[0]) == 0 ? a[2]() : a[1]();
    case FL_DIVMOD: {
        const int64_t x = ForceInt(a[0]), y = ForceInt(a[1]);
        CheckDivisor(int32_t(y));
        Val t;
        t.kind = Val::Tuple;
        t.tuple = {Wrap(x / y), Wrap(x % y)};
        return t;
    }
    case FL_ELEMENT: {
        const int32_t k = ForceInt(a[0]);
        const Val t = a[1]();
        if (k < 0 || k >= int32_t(t.tuple.size()))
            throw LangError("Bad tuple index");
        return v(t.tuple[size_t(k)]);
    }
    }
    throw std::logic_error("no such built-in in the generator");
}

int PrimArity(QnFunId id) { return PpQnFun(id)->GetArity(); }

// A built-in waiting for more arguments.
Val Partial(QnFunId id, std::vector<Thunk> have)
{
    Val f;
    f.kind = Val::Fun;
    f.fn = [id, have](const Thunk& x) {
        std::vector<Thunk> now = have;
        now.push_back(x);
        return int(now.size()) == PrimArity(id) ? ApplyPrim(id, now) : Partial(id, now);
    };
    return f;
}

using Env = std::map<int, Thunk>;

Val Interpret(const TermP& t, const Env& env)
{
    switch (t->kind) {
    case Term::Int: {
        Val v;
        v.i = t->value;
        return v;
    }
    case Term::Var:
        return env.at(t->var)();
    case Term::Prim:
        return Partial(t->prim, {});
    case Term::Lam: {
        Val f;
        f.kind = Val::Fun;
        f.fn = [t, env](const Thunk& x) {
            Env inner = env;
            inner[t->var] = x;
            return Interpret(t->a, inner);
        };
        return f;
    }
    case Term::App: {
        const Val f = Interpret(t->a, env);
        const TermP arg = t->b;
        return f.fn([arg, env] { return Interpret(arg, env); });
    }
    }
    throw std::logic_error("bad term");
}

// ---- the same term for the compiler ----------------------------------------

PpQnComp ToComp(const TermP& t, std::map<int, PpQnCompVar>& vars)
{
    switch (t->kind) {
    case Term::Int: return CInt(t->value);
    case Term::Var: return vars.at(t->var);
    case Term::Prim: return CFn(t->prim);
    case Term::Lam: {
        const PpQnCompVar v = NewVar();
        vars[t->var] = v;
        return CLam(v, ToComp(t->a, vars));
    }
    case Term::App: return CApp(ToComp(t->a, vars), ToComp(t->b, vars));
    }
    return PpQnComp();
}

std::string Expected(const TermP& t)
{
    try {
        return std::to_string(Interpret(t, {}).i);
    } catch (const LangError& e) {
        return e.what();
    }
}

std::string Actual(QnMachineContext& m, const TermP& t)
{
    try {
        std::map<int, PpQnCompVar> vars;
        const PpQnExpr e = QnCompileFlExpr(ToComp(t, vars));
        return std::to_string(IntOf(m.eval(e, nullptr)));
    } catch (const QnLangExcept& e) {
        return e.what();
    }
}

} // namespace

TEST(CompileDifferential, RandomTermsAgreeWithADirectInterpreter)
{
    QnMachineContext m;
    int errors = 0, lambdas = 0;
    for (uint32_t seed : {1u, 2u, 3u}) {
        Generator gen(seed);
        for (int i = 0; i < 120; ++i) {
            const TermP t = gen.Int(2 + i % 5);
            const std::string expected = Expected(t);
            ASSERT_EQ(Actual(m, t), expected) << "seed " << seed << " term " << i;
            errors += expected[0] != '-' && (expected[0] < '0' || expected[0] > '9');
            lambdas += t->kind == Term::App && t->a->kind == Term::Lam;
            ASSERT_EQ(m.f_getdepth(), 0u);
            ASSERT_EQ(m.a_getdepth(), 0u);
        }
        // Collections between rounds drop the cached reducts; the next round
        // must not depend on them.
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    }
    // The generator does reach errors and lambdas, not only arithmetic.
    EXPECT_GT(errors, 3);
    EXPECT_GT(lambdas, 10);
}
