#include "picture/FileDescriptor.h"

#include "picture/FileDescRcStr.h"
#include "picture/FileDescRegistry.h"
#include "picture/FileHandle.h"

#include "base/QnExcept.h"
#include "base/QnMemAlloc.h"

#include <cstring>
#include <functional>
#include <new>
#include <typeinfo>
#include <unistd.h>

namespace {

QnCriticalSection registryLock;
QnFileDescRegistry registry;

} // namespace

QnFileDescRegistry& FileDescRegistry() { return registry; }
QnCriticalSection& FileDescRegistryLock() { return registryLock; }

void QnFileDescriptor::Str::settext(const char* text)
{
    char* fresh = nullptr;
    if (text) {
        const size_t n = std::strlen(text);
        char* block = static_cast<char*>(::operator new(sizeof(size_t) + n + 1));
        std::memcpy(block, &n, sizeof n);
        fresh = block + sizeof(size_t);
        std::memcpy(fresh, text, n + 1);
    }
    Free();
    text_ = fresh;
}

size_t QnFileDescriptor::Str::length() const
{
    size_t n = 0;
    if (text_)
        std::memcpy(&n, text_ - sizeof(size_t), sizeof n);
    return n;
}

void QnFileDescriptor::Str::Free()
{
    if (text_)
        ::operator delete(text_ - sizeof(size_t));
    text_ = nullptr;
}

QnFileDescriptor::QnFileDescriptor(const char* name, fd_type kind)
    : QnLsmDsc(0), kind_(kind), temporary_(kind == FD_TEMPORARY ? 1 : 0)
{
    fileName_.settext(name ? name : "");
    realFileName_.settext(fileName_);
}

// Runs inside a collection, under the collector's section: the registry has
// already forgotten the descriptor and must not be touched here.
QnFileDescriptor::~QnFileDescriptor()
{
    if (temporary_)
        unlink(realFileName_);
    if (saving_ && savedTemporary_)
        unlink(savedRealFileName_);
}

QnPp<QnFileDescriptor> QnFileDescriptor::Obtain(const char* name, fd_type kind)
{
    if (kind != FD_EXISTING)
        return QnCreate<QnFileDescriptor>(name, kind);
    QnCriticalSectionLock lock(registryLock);
    if (QnPp<QnFileDescriptor> found = registry.Find(name ? name : ""))
        return found;
    QnPp<QnFileDescriptor> made = QnCreate<QnFileDescriptor>(name, kind);
    registry.Insert(made.Get());
    return made;
}

size_t QnFileDescriptor::RegisteredCount() { return registry.Size(); }

int QnFileDescriptor::Compare(const PpQnFlVal& other) const
{
    const auto* theirs = dynamic_cast<const QnFileDescriptor*>(other.Get());
    if (!theirs) {
        QnCastExcept e(other ? typeid(*other.Get()) : typeid(QnFlVal), typeid(QnFileDescriptor), "FileDesc",
                       __LINE__);
        e.raise();
    }
    if (theirs == this)
        return 0;
    return std::less<const QnFileDescriptor*>()(this, theirs) ? -1 : 1;
}

QnLsmHandle* QnFileDescriptor::Open(dh_mode mode)
{
    QnFileHandle* handle = new QnFileHandle(realFileName_, mode);
    if (!handle)
        qn_standard_new_handler(0);
    return handle;
}

void QnFileDescriptor::BeginLoad(int)
{
    if (kind_ == FD_NEW)
        QN_FDSC_RAISE(QN_FDSC_CANT_LOAD_NEW);
}
