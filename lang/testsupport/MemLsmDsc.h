// A descriptor over bytes in memory, for tests of the load/save cache and of
// the data classes built on it: it records every notification it receives,
// can be told to refuse opening, and its storage can be inspected and filled.
#pragma once

#include "lang/LsmDsc.h"
#include "lang/LsmHandle.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QnMemLsmDsc;
using PpQnMemLsmDsc = QnPp<QnMemLsmDsc>;

class QnMemLsmDsc : public QnLsmDsc {
public:
    // The storage: shared by the descriptor and its open streams.
    struct Storage {
        std::vector<uint8_t> bytes;
        bool exists = false;
    };

    // A new descriptor named name; no storage exists until it is written or
    // filled. Descriptors compare by name, byte by byte.
    static PpQnMemLsmDsc Make(const std::string& name, int unique = 0);

    QnLsmHandle* Open(dh_mode mode) override;
    void BeginLoad(int bound) override;
    void EndLoad(int error) override;
    void BeginSave(int bound) override;
    void EndSave(int error, int lossy) override;
    int Compare(const PpQnFlVal& other) const override;

    const std::string& Name() const { return name_; }
    // Replaces the stored bytes (the storage then exists).
    void SetBytes(std::vector<uint8_t> bytes);
    const std::vector<uint8_t>& Bytes() const { return storage_->bytes; }
    bool Exists() const { return storage_->exists; }
    // While set, Open raises a QnExcept as a missing or locked file would.
    void SetFailOpen(bool fail) { failOpen_ = fail; }

    // "BeginLoad 1", "EndLoad 0", "BeginSave 0", "EndSave 0 1", "Open 1", in order.
    std::vector<std::string> events;
    int opens = 0;

protected:
    friend struct ::QnObjCreator;
    QnMemLsmDsc(std::string name, int unique);

private:
    std::string name_;
    std::shared_ptr<Storage> storage_;
    bool failOpen_ = false;
};

// A stream on a QnMemLsmDsc's storage.
class QnMemLsmHandle : public QnLsmHandle {
public:
    QnMemLsmHandle(std::shared_ptr<QnMemLsmDsc::Storage> storage, bool writable, uint64_t position = 0);

    QnLsmHandle* Dup() override;
    uint64_t Read(void* buf, uint64_t n) override;
    void Write(const void* buf, uint64_t n) override;
    void Flush() override {}
    uint64_t Seek(int64_t offset, hp_from from) override;
    uint64_t GetLength() const override;
    void SetLength(uint64_t length) override;

private:
    std::shared_ptr<QnMemLsmDsc::Storage> storage_;
    bool writable_;
    uint64_t position_;
};
