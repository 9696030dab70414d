#include "lang/CompApply.h"

#include "lang/ApplyExpr.h"
#include "lang/CompConst.h"
#include "lang/CompileWalk.h"
#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"
#include "lang/MfeContext.h"
#include "lang/Program.h"

#include <utility>
#include <vector>

namespace {

PpQnComp Const(const PpQnExpr& e) { return PpQnCompConst(e); }
PpQnComp Apply(const PpQnComp& f, const PpQnComp& x) { return PpQnCompApply(f, x); }

QnCompiled Term(const PpQnComp& t, QnComp::COMPSTAT s) { return QnCompiled{s, PpQnExpr(), t}; }

} // namespace

QnCompiled QnCompApply::Combine(const QnCompiled& f, const QnCompiled& x, const QnMfeContext& mfes)
{
    auto valid = [](STATUS s) { return s == STAT_CLOSED || s == STAT_FREE || s == STAT_BOUND; };
    if (!valid(f.stat.status) || !valid(x.stat.status))
        QN_LANG_RAISE(QN_LANG_BAD_COMPILED_STATUS, "Flcompil", 390);

    switch (f.stat.status * 3 + x.stat.status) {
    case STAT_CLOSED * 3 + STAT_CLOSED:
        return QnCompiled{COMPSTAT(STAT_CLOSED, 0), PpQnExpr(f.expr, x.expr), PpQnComp()};
    case STAT_CLOSED * 3 + STAT_FREE:
        return Term(Apply(Const(f.expr), x.term), COMPSTAT(x.stat.level));
    case STAT_CLOSED * 3 + STAT_BOUND:
        return Term(Apply(Const(f.expr), x.term), COMPSTAT(STAT_BOUND, 0));
    case STAT_FREE * 3 + STAT_CLOSED:
        return Term(Apply(f.term, Const(x.expr)), COMPSTAT(f.stat.level));
    case STAT_FREE * 3 + STAT_FREE:
        return Term(Apply(f.term, x.term), COMPSTAT(f.stat.level > x.stat.level ? f.stat.level : x.stat.level));
    case STAT_FREE * 3 + STAT_BOUND:
        return Term(Apply(mfes.AddMfe(f.term, f.stat.level), x.term), COMPSTAT(STAT_BOUND, 0));
    case STAT_BOUND * 3 + STAT_CLOSED:
        return Term(Apply(f.term, Const(x.expr)), COMPSTAT(STAT_BOUND, 0));
    case STAT_BOUND * 3 + STAT_FREE:
        return Term(Apply(f.term, mfes.AddMfe(x.term, x.stat.level)), COMPSTAT(STAT_BOUND, 0));
    default: // both bound
        return Term(Apply(f.term, x.term), COMPSTAT(STAT_BOUND, 0));
    }
}

QnComp::COMPSTAT QnCompApply::Compile(PpQnExpr& expr, PpQnComp& term, const QnMfeContext& mfes, QnVarContext& vars)
{
    return QnCompileWalk::Run(PpQnComp(this), expr, term, mfes.Array(), vars);
}

void QnCompApply::GenerateCode(const PpQnProgram& program, const QnMfeArray& parameters, int depth) const
{
    // Work items: a term to generate at a depth, or (null term) the
    // OP_APPLY that closes an application once both parts are out.
    struct Item {
        QnComp* term;
        int depth;
    };
    std::vector<Item> work;
    auto expand = [&work](const QnCompApply* a, int d) {
        work.push_back({nullptr, 0});
        work.push_back({a->argument_, d + 1});
        work.push_back({a->function_, d});
    };
    QnCompileWalk::Guard([&] {
        expand(this, depth);
        while (!work.empty()) {
            const Item item = work.back();
            work.pop_back();
            if (!item.term) {
                program->AddCode(OP_APPLY);
                continue;
            }
            const PpQnComp t(item.term);
            if (GetNodeId(t) == NODE_APPLY)
                expand(static_cast<QnCompApply*>(item.term), item.depth);
            else
                QnComp::GenerateCode(t, program, parameters, item.depth);
        }
    });
}

int QnCompApply::IsEqualTo(const PpQnComp& other) const
{
    // Pairs still to compare, the function pair above the argument pair so
    // that functions are compared first.
    std::vector<std::pair<QnComp*, QnComp*>> work;
    auto expand = [&work](const QnCompApply* a, const QnCompApply* b) {
        work.emplace_back(a->argument_, b->argument_);
        work.emplace_back(a->function_, b->function_);
    };
    int equal = 1;
    QnCompileWalk::Guard([&] {
        if (GetNodeId(other) != NODE_APPLY) {
            equal = 0;
            return;
        }
        expand(this, static_cast<QnCompApply*>(other.Get()));
        while (!work.empty()) {
            const auto [a, b] = work.back();
            work.pop_back();
            if (a == b)
                continue;
            const PpQnComp ha(a), hb(b);
            if (GetNodeId(ha) == NODE_APPLY) {
                if (GetNodeId(hb) != NODE_APPLY) {
                    equal = 0;
                    return;
                }
                expand(static_cast<QnCompApply*>(a), static_cast<QnCompApply*>(b));
            } else if (!AreEqual(ha, hb)) {
                equal = 0;
                return;
            }
        }
    });
    return equal;
}

void QnCompApply::MarkFixedObjects(Visitor visit)
{
    visit(function_);
    visit(argument_);
}

PpQnCompApply::PpQnCompApply(const PpQnComp& f, const PpQnComp& x) : QnPp(QnCreate<QnCompApply>(f.Get(), x.Get()))
{
}
