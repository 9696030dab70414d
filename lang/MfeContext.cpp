#include "lang/MfeContext.h"

#include <memory>

PpQnCompVar QnMfeContext::AddMfe(const PpQnComp& term, int level) const
{
    {
        std::unique_ptr<QnContainerEnum_<QnMfeDsc>> e(mfes_->CreateEnum(0));
        QnMfeDsc* d;
        while (e->Next(d, nullptr))
            if (QnComp::AreEqual(d->term, term))
                return d->var;
    }
    PpQnCompVar v(QnCompVar::NEW_VAR);
    mfes_->Add(QnMfeDsc{term, v, level});
    return v;
}
