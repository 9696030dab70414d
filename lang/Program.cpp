#include "lang/Program.h"

#include "base/QnExcept.h"

void QnProgram::AddCode(uint32_t w) { code_.push_back(w); }

void QnProgram::AddCode(uint32_t w1, uint32_t w2)
{
    code_.push_back(w1);
    code_.push_back(w2);
}

uint32_t QnProgram::GetCode(uint32_t i) const
{
    if (i >= code_.size())
        QnRangeExcept("Flmachin", __LINE__).raise();
    return code_[i];
}

uint32_t QnProgram::AddConstant(const PpQnExpr& e)
{
    QnLockGc lock;
    for (size_t i = constants_.size(); i-- > 0;)
        if (constants_[i] == e.Get())
            return uint32_t(i);
    constants_.push_back(e.Get());
    return uint32_t(constants_.size() - 1);
}

PpQnExpr QnProgram::GetConstant(uint32_t i) const
{
    QnLockGc lock;
    if (i >= constants_.size())
        QnRangeExcept("Flmachin", __LINE__).raise();
    return PpQnExpr(constants_[i]);
}

uint32_t QnProgram::GetConstantCount() const
{
    QnLockGc lock;
    return uint32_t(constants_.size());
}

void QnProgram::MarkFixedObjects(Visitor visit)
{
    for (size_t i = constants_.size(); i-- > 0;)
        visit(constants_[i]);
}

PpQnProgram::PpQnProgram(EP) : QnPp(QnCreate<QnProgram>()) {}
