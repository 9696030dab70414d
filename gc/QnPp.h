// Typed handles on collectable objects, and their creation.
//
// QnPp<T> holds one lock on a T (a QnObj) for as long as it points at it;
// dereferencing marks the object used. Each library names its handles after
// the class, as an alias or a thin subclass that adds factory constructors:
//
//     using PpQnExpr = QnPp<QnExpr>;
//     class PpQnFlInt : public QnPp<QnFlInt> {
//     public:
//         using QnPp::QnPp;
//         explicit PpQnFlInt(int32_t v) : QnPp(QnCreate<QnFlInt>(v)) {}
//     };
//
// A handle converts to a handle on any base class (a new lock on the same
// object). QnCreate<T>(args...) makes an object in the one safe order:
// allocate from the collecting allocator, construct, lock through the new
// handle, register; so no collection ever sees it registered and unlocked.
// A class with non-public constructors befriends it: friend struct ::QnObjCreator;
#pragma once

#include "gc/QnObj.h"

#include <cstddef>
#include <type_traits>
#include <utility>

template <class T>
class QnPp {
public:
    using element_type = T;

    QnPp() noexcept = default;
    QnPp(std::nullptr_t) noexcept {}
    QnPp(T* p) noexcept : p_(p) { Lock(); }
    QnPp(const QnPp& other) noexcept : p_(other.p_) { Lock(); }
    QnPp(QnPp&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    // A handle on a base class of U.
    template <class U>
        requires std::is_convertible_v<U*, T*>
    QnPp(const QnPp<U>& other) noexcept : p_(other.p_)
    {
        Lock();
    }
    template <class U>
        requires std::is_convertible_v<U*, T*>
    QnPp(QnPp<U>&& other) noexcept : p_(std::exchange(other.p_, nullptr))
    {
    }
    ~QnPp() { Unlock(); }

    // Locks the new object before unlocking the old one.
    QnPp& operator=(const QnPp& other) noexcept
    {
        Reseat(other.p_);
        return *this;
    }
    QnPp& operator=(QnPp&& other) noexcept
    {
        if (this != &other) {
            Unlock();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    template <class U>
        requires std::is_convertible_v<U*, T*>
    QnPp& operator=(const QnPp<U>& other) noexcept
    {
        Reseat(other.p_);
        return *this;
    }
    template <class U>
        requires std::is_convertible_v<U*, T*>
    QnPp& operator=(QnPp<U>&& other) noexcept
    {
        Unlock();
        p_ = std::exchange(other.p_, nullptr);
        return *this;
    }
    QnPp& operator=(std::nullptr_t) noexcept
    {
        Reset();
        return *this;
    }

    // Dereference: marks the object used first.
    T* operator->() const
    {
        QnObj::UsedIfAny(AsObj(p_));
        return p_;
    }
    T& operator*() const { return *operator->(); }

    // The object without marking it used: for identity, not for use.
    T* Get() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    void Reset() noexcept
    {
        Unlock();
        p_ = nullptr;
    }

    template <class U>
    bool operator==(const QnPp<U>& other) const noexcept
    {
        return AsObj(p_) == QnPp<U>::AsObj(other.p_);
    }
    bool operator==(std::nullptr_t) const noexcept { return p_ == nullptr; }

private:
    template <class> friend class QnPp;

    static QnObj* AsObj(T* p) noexcept { return p; }
    void Lock() const noexcept
    {
        if (p_)
            AsObj(p_)->Lock(1);
    }
    void Unlock() const noexcept
    {
        if (p_)
            AsObj(p_)->Lock(0);
    }
    void Reseat(T* p) noexcept
    {
        if (p)
            AsObj(p)->Lock(1);
        Unlock();
        p_ = p;
    }

    T* p_ = nullptr;
};

// A handle on the same object as a U, or null when the object is not a U.
template <class U, class T>
QnPp<U> QnPpDynamicCast(const QnPp<T>& handle)
{
    return QnPp<U>(dynamic_cast<U*>(handle.Get()));
}

// A handle on the same object, known to be a U.
template <class U, class T>
QnPp<U> QnPpStaticCast(const QnPp<T>& handle)
{
    return QnPp<U>(static_cast<U*>(handle.Get()));
}

// Makes collectable objects; classes whose constructors are not public
// declare it a friend.
struct QnObjCreator {
    template <class T, class... Args>
    static QnPp<T> Create(Args&&... args)
    {
        static_assert(std::is_base_of_v<QnObj, T>, "QnCreate makes collectable objects only");
        static_assert(alignof(T) <= 16, "collectable blocks are 16-byte aligned");
        QnPp<T> handle(new T(std::forward<Args>(args)...));
        static_cast<QnObj*>(handle.Get())->RegisterObject();
        return handle;
    }
};

template <class T, class... Args>
QnPp<T> QnCreate(Args&&... args)
{
    return QnObjCreator::Create<T>(std::forward<Args>(args)...);
}
