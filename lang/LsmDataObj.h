// A data object: a value that loads itself from a descriptor and saves
// itself to one, and that a descriptor keeps bound as a droppable cache.
// Libraries that define data classes register them with a
// QnLsmDataObjFactory, through which the cache makes objects to load.
#pragma once

#include "base/QnAbstractFactory.h"
#include "lang/LsmDsc.h"
#include "lang/ProcessControl.h"

#include <typeinfo>

class QnLsmDataObj : public QnFlVal {
public:
    // Writes the object to dsc, unless dsc already holds it. Returns 0 when
    // the stored form holds all of the object's data (dsc is then bound to
    // it), or SaveData's nonzero answer for a lossy form.
    int Save(const PpQnLsmDsc& dsc, QnProcessControl* control);

protected:
    explicit QnLsmDataObj(int unique) : QnFlVal(unique) {}

    // Fills the object from dsc.
    virtual void LoadData(const PpQnLsmDsc& dsc, QnProcessControl* control);
    // Writes the object through dsc; nonzero when the stored form loses data.
    virtual int SaveData(const PpQnLsmDsc& dsc, QnProcessControl* control) const;

private:
    friend class PpQnLsmDataObj;
    template <class> friend class QnLsmDataObjFactory;

    static QnPp<QnLsmDataObj> Obtain(const std::type_info& type, const PpQnLsmDsc& dsc,
                                     QnProcessControl* control);
};

class PpQnLsmDataObj : public QnPp<QnLsmDataObj> {
public:
    using QnPp::QnPp;
    PpQnLsmDataObj(const QnPp<QnLsmDataObj>& other) : QnPp(other) {}
    // The object of class type bound to dsc, loaded from dsc when none is.
    PpQnLsmDataObj(const std::type_info& type, const PpQnLsmDsc& dsc, QnProcessControl* control)
        : QnPp(QnLsmDataObj::Obtain(type, dsc, control))
    {
    }
};

// Registers data class T (default-constructible by this factory) with the
// base library's factory under QnLsmDataObj while it lives. The object is
// handed out unregistered: the cache locks and registers it.
template <class T>
class QnLsmDataObjFactory : public QnAbstractFactory {
public:
    QnLsmDataObjFactory() : QnAbstractFactory(typeid(QnLsmDataObj), typeid(T)) {}

protected:
    void* make() const override { return static_cast<QnLsmDataObj*>(new T()); }
};
