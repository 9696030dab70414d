#include "lang/LsmDsc.h"

#include "lang/LsmDataObj.h"

#include <exception>

QnLsmDsc::QnLsmDsc(int unique) : QnFlVal(unique) {}

// The bound objects are not told: they live on as plain values.
QnLsmDsc::~QnLsmDsc() { table_.clear(); }

void QnLsmDsc::BeginLoad(int) {}
void QnLsmDsc::EndLoad(int) {}
void QnLsmDsc::BeginSave(int) {}
void QnLsmDsc::EndSave(int, int) {}

PpQnLsmDataObj QnLsmDsc::FindBound(const std::type_info& type) const
{
    QnLockGc lock;
    auto it = table_.find(std::type_index(type));
    return it == table_.end() ? PpQnLsmDataObj() : PpQnLsmDataObj(it->second);
}

void QnLsmDsc::Insert(QnLsmDataObj* obj)
{
    QnLockGc lock;
    table_.emplace(std::type_index(typeid(*obj)), obj);
}

void QnLsmDsc::MarkDiscardableObjects(Visitor visit)
{
    for (const auto& [type, obj] : table_)
        visit(obj);
}

void QnLsmDsc::NoteObjectDiscarded(QnObj* obj)
{
    auto it = table_.find(std::type_index(typeid(*obj)));
    if (it != table_.end() && it->second == obj)
        table_.erase(it);
}

QnLsmDsc::LoadSync::LoadSync(const PpQnLsmDsc& dsc, int bound) : dsc_(dsc) { dsc_->BeginLoad(bound); }

QnLsmDsc::LoadSync::~LoadSync() { dsc_->EndLoad(error_); }

QnLsmDsc::LoadSync& QnLsmDsc::LoadSync::operator=(const LoadSync& other)
{
    dsc_ = other.dsc_;
    error_ = other.error_;
    return *this;
}

QnLsmDsc::SaveSync::SaveSync(const PpQnLsmDsc& dsc, int bound)
    : dsc_(dsc), uncaught_(std::uncaught_exceptions())
{
    dsc_->BeginSave(bound);
}

QnLsmDsc::SaveSync::~SaveSync() noexcept(false)
{
    if (std::uncaught_exceptions() > uncaught_) {
        try {
            dsc_->EndSave(error_, lossy_);
        } catch (...) {
        }
        return;
    }
    dsc_->EndSave(error_, lossy_);
}

QnLsmDsc::SaveSync& QnLsmDsc::SaveSync::operator=(const SaveSync& other)
{
    dsc_ = other.dsc_;
    error_ = other.error_;
    lossy_ = other.lossy_;
    return *this;
}
