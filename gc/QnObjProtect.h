// A protection on one collectable object: in a collection of mode
// DF_FIX_PROTECTED, caches that a protected object reaches are kept. A
// protection alone does not keep the object itself.
#pragma once

#include "gc/QnObj.h"

#include <utility>

class QnObjProtect {
public:
    QnObjProtect() noexcept = default;
    QnObjProtect(QnObj* obj) noexcept : obj_(obj) { Protect(); }
    QnObjProtect(const QnObjProtect& other) noexcept : obj_(other.obj_) { Protect(); }
    QnObjProtect(QnObjProtect&& other) noexcept : obj_(std::exchange(other.obj_, nullptr)) {}
    ~QnObjProtect() { Unprotect(); }

    // Protects the new object before unprotecting the old one.
    QnObjProtect& operator=(const QnObjProtect& other) noexcept
    {
        if (this != &other) {
            if (other.obj_)
                other.obj_->Protect(1);
            Unprotect();
            obj_ = other.obj_;
        }
        return *this;
    }
    QnObjProtect& operator=(QnObjProtect&& other) noexcept
    {
        if (this != &other) {
            Unprotect();
            obj_ = std::exchange(other.obj_, nullptr);
        }
        return *this;
    }

    QnObj* Get() const noexcept { return obj_; }

private:
    void Protect() const
    {
        if (obj_)
            obj_->Protect(1);
    }
    void Unprotect() const
    {
        if (obj_)
            obj_->Protect(0);
    }

    QnObj* obj_ = nullptr;
};
