// The binary serialisation of the system's files (palette layout, album),
// byte for byte as the framework the files were first written with: little-
// endian numbers, length-prefixed 8-bit strings, element counts, and object
// references with class tags that name each class once and refer back to
// classes and objects by index afterwards.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/Object.h"

namespace fw {

class File;

class Archive {
public:
    enum Mode { load, store };

    // Tags of object references.
    static constexpr uint16_t kNullTag = 0;
    static constexpr uint16_t kNewClassTag = 0xFFFF;
    static constexpr uint16_t kClassTag = 0x8000;
    static constexpr uint16_t kBigObjectTag = 0x7FFF;
    static constexpr uint32_t kBigClassTag = 0x80000000u;
    static constexpr uint32_t kMaxMapCount = 0x3FFFFFFE;
    // Objects read inside objects: far deeper than any file the suite
    // writes, and shallow enough that reading never runs out of stack.
    static constexpr int kMaxObjectDepth = 500;

    Archive(File& file, Mode mode);
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    bool IsLoading() const { return mode_ == load; }
    bool IsStoring() const { return mode_ == store; }
    // The file under the archive; reads and writes through it and through the
    // archive interleave in order (the archive keeps no buffer of its own).
    File* GetFile() const { return &file_; }
    void Flush();
    void Close() { Flush(); }

    // Raw bytes. Read gives fewer bytes only at the end of the file;
    // ReadExact raises an end-of-file error instead.
    void Write(const void* data, size_t count);
    size_t Read(void* data, size_t count);
    void ReadExact(void* data, size_t count);
    // Raises the end-of-file error unless count items of itemSize bytes each
    // can still lie in the file: a damaged count or size must not make the
    // reader allocate what the file cannot hold. Never overflows.
    void RequireStored(uint64_t count, uint64_t itemSize = 1) const;

    Archive& operator<<(uint8_t v);
    Archive& operator<<(int8_t v) { return *this << static_cast<uint8_t>(v); }
    Archive& operator<<(uint16_t v);
    Archive& operator<<(int16_t v) { return *this << static_cast<uint16_t>(v); }
    Archive& operator<<(uint32_t v);
    Archive& operator<<(int32_t v) { return *this << static_cast<uint32_t>(v); }
    Archive& operator<<(uint64_t v);
    Archive& operator<<(int64_t v) { return *this << static_cast<uint64_t>(v); }
    Archive& operator<<(float v);
    Archive& operator<<(double v);
    Archive& operator<<(const std::string& s) { WriteString(s); return *this; }
    Archive& operator<<(const char* s) { WriteString(s); return *this; }
    Archive& operator<<(const Object* object) { WriteObject(object); return *this; }

    Archive& operator>>(uint8_t& v);
    Archive& operator>>(int8_t& v);
    Archive& operator>>(uint16_t& v);
    Archive& operator>>(int16_t& v);
    Archive& operator>>(uint32_t& v);
    Archive& operator>>(int32_t& v);
    Archive& operator>>(uint64_t& v);
    Archive& operator>>(int64_t& v);
    Archive& operator>>(float& v);
    Archive& operator>>(double& v);
    Archive& operator>>(std::string& s) { s = ReadString(); return *this; }

    // A string: its length as a byte below 255; else 0xFF and a word below
    // 0xFFFE; else 0xFF, 0xFFFF and a dword; then the 8-bit characters.
    // Reading also accepts the wide-character form (converted to UTF-8).
    void WriteString(const std::string& s);
    std::string ReadString();

    // An element count: a word below 0xFFFF, else 0xFFFF and a dword.
    void WriteCount(uint64_t count);
    uint64_t ReadCount();

    // An object reference: null, a new object of a new or known class (then
    // its fields), or an index of an object already written.
    void WriteObject(const Object* object);
    // A new object owned by the caller, an object read before (shared) or
    // null; the caller cannot tell a new object from a shared one, so
    // readers that own what they read use ReadOwnedObject instead. Raises
    // badClass when the stored class is unknown, cannot be made or is not
    // derived from expected (when given), and badIndex for objects nested
    // deeper than kMaxObjectDepth.
    Object* ReadObject(const RuntimeClass* expected = nullptr);
    template <class T>
    T* ReadObjectAs() { return static_cast<T*>(ReadObject(FW_RUNTIME_CLASS(T))); }
    // A new object, which the caller owns, or null. Every object read has
    // exactly one owner, so a reference back to an object read before (owned
    // elsewhere) is a damaged file: badIndex.
    std::unique_ptr<Object> ReadOwnedObject(const RuntimeClass* expected = nullptr);
    template <class T>
    std::unique_ptr<T> ReadOwnedObjectAs()
    {
        return std::unique_ptr<T>(static_cast<T*>(ReadOwnedObject(FW_RUNTIME_CLASS(T)).release()));
    }

    // A class tag alone.
    void WriteClass(const RuntimeClass* cls);
    const RuntimeClass* ReadClass(const RuntimeClass* expected = nullptr, uint32_t* schema = nullptr);

    // The schema stored for the object being read by ReadObject (for classes
    // with kVersionableSchema); 0xFFFFFFFF once asked.
    uint32_t GetObjectSchema();

private:
    [[noreturn]] void Fail(int cause) const;
    void CheckMode(Mode wanted) const;
    void WriteIndexTag(uint32_t index, bool isClass);
    // The tag of an object reference, with the escaped dword form folded in.
    struct ObjectTag {
        uint16_t tag;
        uint32_t objectTag;
        bool IsReference() const { return tag != kNewClassTag && !(objectTag & kBigClassTag); }
    };
    ObjectTag ReadObjectTag();
    Object* ReadReferencedObject(uint32_t index, const RuntimeClass* expected);
    Object* ReadNewObject(const ObjectTag& tag, const RuntimeClass* expected);
    const RuntimeClass* ReadClassBody(uint16_t tag, uint32_t objectTag, uint32_t* schema);
    uint64_t Remaining() const;

    File& file_;
    Mode mode_;
    // Storing: index of each class and object written.
    std::map<const void*, uint32_t> storeMap_;
    uint32_t storeCount_ = 1;
    // Loading: what each index stands for.
    struct Loaded {
        const RuntimeClass* cls = nullptr;
        Object* object = nullptr;
    };
    std::vector<Loaded> loadArray_;
    uint32_t objectSchema_ = 0xFFFFFFFFu;
    int objectDepth_ = 0;
};

}  // namespace fw
