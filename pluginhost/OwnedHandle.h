// Sole ownership of a 'FOTO' handle: freed with its owner, copied only by
// duplicating the data, so that no two owners ever free one handle.
#pragma once

#include "filters/sdk/PIHandles.h"

#include <new>
#include <utility>

class OwnedHandle {
public:
    OwnedHandle() = default;
    // Takes h over as it is (null or not valid: owns nothing).
    explicit OwnedHandle(Handle h) : h_(IsValidHostHandle(h) ? h : nullptr) {}
    OwnedHandle(OwnedHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.h_, nullptr));
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { Reset(); }

    Handle Get() const { return h_; }
    // Whether it holds a handle that is still valid (a module may have
    // disposed of it through the handle suite).
    bool Valid() const { return IsValidHostHandle(h_) != 0; }
    Handle Release() { return std::exchange(h_, nullptr); }
    // Frees what it held (when still valid) and holds h.
    void Reset(Handle h = nullptr)
    {
        if (h_ && h_ != h)
            FreeHostHandle(h_);
        h_ = h;
    }

    // A copy of the data in a new handle; null when empty or not valid.
    // Throws std::bad_alloc when memory runs out.
    Handle Duplicate() const;

private:
    Handle h_ = nullptr;
};

inline Handle OwnedHandle::Duplicate() const
{
    if (!Valid())
        return nullptr;
    Handle copy = DuplicateHandleBlock(h_);
    if (!copy)
        throw std::bad_alloc();
    return copy;
}
