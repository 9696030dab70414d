#include "lang/LsmStream.h"

QnLsmStream::QnLsmStream(const PpQnLsmDsc& dsc, QnLsmDsc::dh_mode mode) : mode_(mode), handle_(dsc->Open(mode)) {}

QnLsmStream::QnLsmStream(const QnLsmStream& other)
    : mode_(other.mode_), handle_(other.handle_ ? other.handle_->Dup() : nullptr)
{
}

QnLsmStream& QnLsmStream::operator=(const PpQnLsmDsc& dsc)
{
    Clear();
    handle_ = dsc->Open(mode_);
    return *this;
}

QnLsmStream& QnLsmStream::operator=(const QnLsmStream& other)
{
    if (this != &other) {
        Clear();
        mode_ = other.mode_;
        handle_ = other.handle_ ? other.handle_->Dup() : nullptr;
    }
    return *this;
}

void QnLsmStream::Clear()
{
    if (handle_)
        handle_->qn_delete();
    handle_ = nullptr;
}
