#include "lang/testsupport/MemLsmDsc.h"

#include "base/QnExcept.h"

#include <algorithm>
#include <cstring>

PpQnMemLsmDsc QnMemLsmDsc::Make(const std::string& name, int unique) { return QnCreate<QnMemLsmDsc>(name, unique); }

QnMemLsmDsc::QnMemLsmDsc(std::string name, int unique)
    : QnLsmDsc(unique), name_(std::move(name)), storage_(std::make_shared<Storage>())
{
}

QnLsmHandle* QnMemLsmDsc::Open(dh_mode mode)
{
    events.push_back("Open " + std::to_string(mode));
    if (failOpen_) {
        QnExcept e(("Can't open " + name_).c_str(), "MemLsmDsc", __LINE__);
        e.raise();
    }
    if (mode != DH_CREATE && !storage_->exists) {
        QnExcept e((name_ + " does not exist").c_str(), "MemLsmDsc", __LINE__);
        e.raise();
    }
    if (mode == DH_CREATE) {
        storage_->bytes.clear();
        storage_->exists = true;
    }
    ++opens;
    return new QnMemLsmHandle(storage_, mode != DH_READ);
}

void QnMemLsmDsc::BeginLoad(int bound) { events.push_back("BeginLoad " + std::to_string(bound)); }
void QnMemLsmDsc::EndLoad(int error) { events.push_back("EndLoad " + std::to_string(error)); }
void QnMemLsmDsc::BeginSave(int bound) { events.push_back("BeginSave " + std::to_string(bound)); }

void QnMemLsmDsc::EndSave(int error, int lossy)
{
    events.push_back("EndSave " + std::to_string(error) + " " + std::to_string(lossy));
}

int QnMemLsmDsc::Compare(const PpQnFlVal& other) const
{
    const std::string& theirs = static_cast<const QnMemLsmDsc*>(other.Get())->name_;
    const int r = name_.compare(theirs);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

void QnMemLsmDsc::SetBytes(std::vector<uint8_t> bytes)
{
    storage_->bytes = std::move(bytes);
    storage_->exists = true;
}

QnMemLsmHandle::QnMemLsmHandle(std::shared_ptr<QnMemLsmDsc::Storage> storage, bool writable, uint64_t position)
    : storage_(std::move(storage)), writable_(writable), position_(position)
{
}

QnLsmHandle* QnMemLsmHandle::Dup() { return new QnMemLsmHandle(storage_, writable_, position_); }

uint64_t QnMemLsmHandle::Read(void* buf, uint64_t n)
{
    const uint64_t size = storage_->bytes.size();
    const uint64_t got = position_ >= size ? 0 : std::min(n, size - position_);
    if (got)
        std::memcpy(buf, storage_->bytes.data() + position_, got);
    position_ += got;
    return got;
}

void QnMemLsmHandle::Write(const void* buf, uint64_t n)
{
    if (!writable_) {
        QnExcept e("Stream opened for reading only", "MemLsmDsc", __LINE__);
        e.raise();
    }
    std::vector<uint8_t>& bytes = storage_->bytes;
    if (position_ + n > bytes.size())
        bytes.resize(position_ + n);
    if (n)
        std::memcpy(bytes.data() + position_, buf, n);
    position_ += n;
}

uint64_t QnMemLsmHandle::Seek(int64_t offset, hp_from from)
{
    const int64_t base = from == HP_BEGIN ? 0 : from == HP_CURRENT ? int64_t(position_) : int64_t(storage_->bytes.size());
    const int64_t target = base + offset;
    if (target < 0) {
        QnExcept e("Seek before the beginning of the stream", "MemLsmDsc", __LINE__);
        e.raise();
    }
    position_ = uint64_t(target);
    return position_;
}

uint64_t QnMemLsmHandle::GetLength() const { return storage_->bytes.size(); }

void QnMemLsmHandle::SetLength(uint64_t length)
{
    if (!writable_) {
        QnExcept e("Stream opened for reading only", "MemLsmDsc", __LINE__);
        e.raise();
    }
    storage_->bytes.resize(length);
}
