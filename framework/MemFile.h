// A growable block of memory as a file (undo snapshots, clipboard data).
#pragma once

#include <vector>

#include "framework/File.h"

namespace fw {

class MemFile : public File {
public:
    explicit MemFile(size_t growBy = 1024) : growBy_(growBy ? growBy : 1) {}
    explicit MemFile(std::vector<uint8_t> data) : data_(std::move(data)) {}

    size_t Read(void* buffer, size_t count) override;
    void Write(const void* buffer, size_t count) override;
    uint64_t GetLength() const override { return data_.size(); }
    uint64_t GetPosition() const override { return position_; }
    void Seek(uint64_t position) override;

    const std::vector<uint8_t>& data() const { return data_; }
    std::vector<uint8_t> Detach();

private:
    std::vector<uint8_t> data_;
    size_t position_ = 0;
    size_t growBy_ = 1024;
};

}  // namespace fw
