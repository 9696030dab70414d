#include "lang/CompVar.h"

#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"
#include "lang/MfeContext.h"
#include "lang/Program.h"
#include "lang/VarContext.h"

#include <memory>

QnComp::COMPSTAT QnCompVar::Compile(PpQnExpr&, PpQnComp& term, const QnMfeContext&, QnVarContext& vars)
{
    term = PpQnComp(this);
    if (vars.current.var.Get() == this)
        return COMPSTAT(STAT_BOUND, 0);
    std::unique_ptr<QnContainerEnum_<QnVarDsc>> e(vars.CreateEnum(0));
    QnVarDsc* d;
    while (e->Next(d, nullptr))
        if (d->var.Get() == this)
            return COMPSTAT(d->depth);
    QN_LANG_RAISE(QN_LANG_UNBOUND_VARIABLES, "Flcompil", 122);
}

void QnCompVar::GenerateCode(const PpQnProgram& program, const QnMfeArray& parameters, int) const
{
    std::unique_ptr<QnContainerEnum_<QnMfeDsc>> e(const_cast<QnMfeArray&>(parameters).CreateEnum(0));
    QnMfeDsc* d;
    for (uint32_t position = 0; e->Next(d, nullptr); ++position) {
        if (d->var.Get() == this) {
            program->AddCode(OP_ARG, position);
            return;
        }
    }
    QN_LANG_RAISE(QN_LANG_UNBOUND_VARIABLES, "Flcompil", 142);
}

PpQnCompVar::PpQnCompVar(QnCompVar::VAR) : QnPp(QnCreate<QnCompVar>()) {}
