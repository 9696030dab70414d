#include "lang/LsmDataObj.h"

#include "lang/LangRcStr.h"
#include "lang/LsmExcept.h"

void QnLsmDataObj::LoadData(const PpQnLsmDsc&, QnProcessControl*) {}

int QnLsmDataObj::SaveData(const PpQnLsmDsc&, QnProcessControl*) const { return 0; }

QnPp<QnLsmDataObj> QnLsmDataObj::Obtain(const std::type_info& type, const PpQnLsmDsc& dsc,
                                        QnProcessControl* control)
{
    if (!dsc)
        QN_LANG_RAISE_AS(QnLsmExcept, QN_LSM_BAD_DESCRIPTOR, "Lsm", 88);
    // Serialises loads and saves on this descriptor; the table itself is
    // guarded by the collector's section inside.
    QnCriticalSectionLock section(dsc->GetCS());

    if (PpQnLsmDataObj bound = dsc->FindBound(type)) {
        QnLsmDsc::LoadSync sync(dsc, 1);
        return bound;
    }

    QnPp<QnLsmDataObj> obj(QnAbstractFactory::create<QnLsmDataObj>(type));
    obj.Get()->RegisterObject();
    {
        QnLsmDsc::LoadSync sync(dsc, 0);
        try {
            obj->LoadData(dsc, control);
        } catch (...) {
            sync.SetErrorFlag(1);
            throw;
        }
    }
    dsc->Insert(obj.Get());
    dsc->associated_ = 1;
    return obj;
}

int QnLsmDataObj::Save(const PpQnLsmDsc& dsc, QnProcessControl* control)
{
    if (!dsc)
        QN_LANG_RAISE_AS(QnLsmExcept, QN_LSM_BAD_DESCRIPTOR, "Lsm", 35);
    QnCriticalSectionLock section(dsc->GetCS());

    if (dsc->associated_) {
        if (dsc->FindBound(typeid(*this)).Get() != this)
            QN_LANG_RAISE_AS(QnLsmExcept, QN_LSM_DESCRIPTOR_ASSOCIATED, "Lsm", 53);
        QnLsmDsc::SaveSync sync(dsc, 1);
        return 0;
    }

    int lossy = 0;
    {
        QnLsmDsc::SaveSync sync(dsc, 0);
        try {
            lossy = SaveData(dsc, control);
        } catch (...) {
            sync.SetErrorFlag(1);
            throw;
        }
        sync.SetLossyFlag(lossy);
    }
    if (lossy == 0) {
        dsc->Insert(this);
        dsc->associated_ = 1;
    }
    return lossy;
}
