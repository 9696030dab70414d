// A lock on one collectable object: while it points at an object, that
// object is a root of the collector. Going away never deletes anything.
#pragma once

#include "gc/QnObj.h"

#include <utility>

class QnObjLock {
public:
    QnObjLock() noexcept = default;
    QnObjLock(QnObj* obj) noexcept : obj_(obj) { Lock(); }
    QnObjLock(const QnObjLock& other) noexcept : obj_(other.obj_) { Lock(); }
    QnObjLock(QnObjLock&& other) noexcept : obj_(std::exchange(other.obj_, nullptr)) {}
    ~QnObjLock() { Unlock(); }

    // The new object is locked before the old one is unlocked, so an object
    // that both name never passes through zero locks.
    QnObjLock& operator=(const QnObjLock& other) noexcept
    {
        if (this != &other)
            Reseat(other.obj_);
        return *this;
    }
    QnObjLock& operator=(QnObj* obj) noexcept
    {
        if (obj != obj_)
            Reseat(obj);
        return *this;
    }
    QnObjLock& operator=(QnObjLock&& other) noexcept
    {
        if (this != &other) {
            Unlock();
            obj_ = std::exchange(other.obj_, nullptr);
        }
        return *this;
    }

    QnObj* Get() const noexcept { return obj_; }

private:
    void Lock() const
    {
        if (obj_)
            obj_->Lock(1);
    }
    void Unlock() const
    {
        if (obj_)
            obj_->Lock(0);
    }
    void Reseat(QnObj* obj)
    {
        if (obj)
            obj->Lock(1);
        Unlock();
        obj_ = obj;
    }

    QnObj* obj_ = nullptr;
};
