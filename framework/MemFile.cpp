#include "framework/MemFile.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "framework/Exception.h"

namespace fw {

size_t MemFile::Read(void* buffer, size_t count)
{
    const size_t n = std::min(count, data_.size() - std::min(position_, data_.size()));
    if (n)
        std::memcpy(buffer, data_.data() + position_, n);
    position_ += n;
    return n;
}

void MemFile::Write(const void* buffer, size_t count)
{
    if (!count)
        return;
    const size_t end = position_ + count;
    if (end > data_.size()) {
        // At least doubled: growing by the step alone copies the whole
        // block at every step, which makes a large file quadratic to write.
        if (end > data_.capacity())
            data_.reserve(std::max((end + growBy_ - 1) / growBy_ * growBy_, data_.capacity() * 2));
        data_.resize(end);
    }
    std::memcpy(data_.data() + position_, buffer, count);
    position_ = end;
}

void MemFile::Seek(uint64_t position)
{
    if (position > data_.size())
        throw FileException(FileException::badPath, {});
    position_ = static_cast<size_t>(position);
}

std::vector<uint8_t> MemFile::Detach()
{
    position_ = 0;
    return std::exchange(data_, {});
}

}  // namespace fw
