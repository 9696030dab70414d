// Owns one open stream of a descriptor for a scope: opened from the
// descriptor in a given mode, duplicated on copy, released on destruction.
#pragma once

#include "lang/LsmDsc.h"
#include "lang/LsmHandle.h"

class QnLsmStream {
public:
    explicit QnLsmStream(QnLsmDsc::dh_mode mode) : mode_(mode) {}
    QnLsmStream(const PpQnLsmDsc& dsc, QnLsmDsc::dh_mode mode);
    QnLsmStream(const QnLsmStream& other);
    ~QnLsmStream() { Clear(); }

    // Releases the own stream, then opens dsc in the own mode.
    QnLsmStream& operator=(const PpQnLsmDsc& dsc);
    QnLsmStream& operator=(const QnLsmStream& other);

    QnLsmHandle* operator->() const { return handle_; }
    QnLsmHandle& operator*() const { return *handle_; }
    QnLsmHandle* Get() const { return handle_; }
    QnLsmDsc::dh_mode Mode() const { return mode_; }

protected:
    // Adopts handle.
    QnLsmStream(QnLsmHandle* handle, QnLsmDsc::dh_mode mode) : mode_(mode), handle_(handle) {}

private:
    void Clear();

    QnLsmDsc::dh_mode mode_;
    QnLsmHandle* handle_ = nullptr;
};
