#include "framework/Archive.h"

#include <bit>
#include <cstring>
#include <memory>

#include <QString>

#include "framework/Exception.h"
#include "framework/File.h"

namespace fw {
namespace {

template <class T>
void PutLE(uint8_t* out, T v)
{
    for (size_t i = 0; i < sizeof(T); ++i)
        out[i] = static_cast<uint8_t>(static_cast<uint64_t>(v) >> (8 * i));
}

template <class T>
T GetLE(const uint8_t* in)
{
    uint64_t v = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        v |= static_cast<uint64_t>(in[i]) << (8 * i);
    return static_cast<T>(v);
}

}  // namespace

Archive::Archive(File& file, Mode mode) : file_(file), mode_(mode)
{
    if (mode == load)
        loadArray_.push_back({});  // index 0 is the null reference
}

void Archive::Fail(int cause) const
{
    throw ArchiveException(static_cast<ArchiveException::Cause>(cause), file_.GetFilePath());
}

void Archive::CheckMode(Mode wanted) const
{
    if (mode_ != wanted)
        Fail(wanted == store ? ArchiveException::readOnly : ArchiveException::writeOnly);
}

void Archive::Flush()
{
    if (mode_ == store)
        file_.Flush();
}

void Archive::Write(const void* data, size_t count)
{
    CheckMode(store);
    file_.Write(data, count);
}

size_t Archive::Read(void* data, size_t count)
{
    CheckMode(load);
    return file_.Read(data, count);
}

void Archive::ReadExact(void* data, size_t count)
{
    if (Read(data, count) != count)
        Fail(ArchiveException::endOfFile);
}

uint64_t Archive::Remaining() const
{
    const uint64_t length = file_.GetLength();
    const uint64_t at = file_.GetPosition();
    return at < length ? length - at : 0;
}

void Archive::RequireStored(uint64_t count, uint64_t itemSize) const
{
    // Divided, not multiplied: a product of two damaged numbers can wrap.
    if (itemSize != 0 && count > Remaining() / itemSize)
        Fail(ArchiveException::endOfFile);
}

#define FW_ARCHIVE_PUT(T)                      \
    Archive& Archive::operator<<(T v)          \
    {                                          \
        uint8_t bytes[sizeof(T)];              \
        PutLE(bytes, v);                       \
        Write(bytes, sizeof bytes);            \
        return *this;                          \
    }
FW_ARCHIVE_PUT(uint8_t)
FW_ARCHIVE_PUT(uint16_t)
FW_ARCHIVE_PUT(uint32_t)
FW_ARCHIVE_PUT(uint64_t)
#undef FW_ARCHIVE_PUT

#define FW_ARCHIVE_GET(T, U)                   \
    Archive& Archive::operator>>(T& v)         \
    {                                          \
        uint8_t bytes[sizeof(T)];              \
        ReadExact(bytes, sizeof bytes);        \
        v = static_cast<T>(GetLE<U>(bytes));   \
        return *this;                          \
    }
FW_ARCHIVE_GET(uint8_t, uint8_t)
FW_ARCHIVE_GET(int8_t, uint8_t)
FW_ARCHIVE_GET(uint16_t, uint16_t)
FW_ARCHIVE_GET(int16_t, uint16_t)
FW_ARCHIVE_GET(uint32_t, uint32_t)
FW_ARCHIVE_GET(int32_t, uint32_t)
FW_ARCHIVE_GET(uint64_t, uint64_t)
FW_ARCHIVE_GET(int64_t, uint64_t)
#undef FW_ARCHIVE_GET

Archive& Archive::operator<<(float v) { return *this << std::bit_cast<uint32_t>(v); }
Archive& Archive::operator<<(double v) { return *this << std::bit_cast<uint64_t>(v); }

Archive& Archive::operator>>(float& v)
{
    uint32_t bits;
    *this >> bits;
    v = std::bit_cast<float>(bits);
    return *this;
}

Archive& Archive::operator>>(double& v)
{
    uint64_t bits;
    *this >> bits;
    v = std::bit_cast<double>(bits);
    return *this;
}

void Archive::WriteString(const std::string& s)
{
    const uint64_t n = s.size();
    if (n < 0xFF) {
        *this << static_cast<uint8_t>(n);
    } else {
        *this << static_cast<uint8_t>(0xFF);
        if (n < 0xFFFE) {
            *this << static_cast<uint16_t>(n);
        } else {
            *this << static_cast<uint16_t>(0xFFFF);
            if (n < 0xFFFFFFFFu) {
                *this << static_cast<uint32_t>(n);
            } else {
                *this << static_cast<uint32_t>(0xFFFFFFFFu) << n;
            }
        }
    }
    Write(s.data(), s.size());
}

std::string Archive::ReadString()
{
    bool wide = false;
    uint64_t n = 0;
    for (;;) {
        uint8_t b;
        *this >> b;
        if (b < 0xFF) {
            n = b;
            break;
        }
        uint16_t w;
        *this >> w;
        if (w == 0xFFFE) {  // wide characters follow, with the length again
            wide = true;
            continue;
        }
        if (w < 0xFFFF) {
            n = w;
            break;
        }
        uint32_t d;
        *this >> d;
        if (d < 0xFFFFFFFFu) {
            n = d;
        } else {
            *this >> n;
        }
        break;
    }
    RequireStored(n, wide ? 2 : 1);
    std::string data(static_cast<size_t>(wide ? n * 2 : n), '\0');
    ReadExact(data.data(), data.size());
    if (!wide)
        return data;
    std::u16string chars(static_cast<size_t>(n), u'\0');
    for (size_t i = 0; i < chars.size(); ++i)
        chars[i] = static_cast<char16_t>(GetLE<uint16_t>(reinterpret_cast<const uint8_t*>(data.data()) + 2 * i));
    return QString::fromUtf16(chars.data(), static_cast<qsizetype>(chars.size())).toStdString();
}

void Archive::WriteCount(uint64_t count)
{
    if (count < 0xFFFF) {
        *this << static_cast<uint16_t>(count);
        return;
    }
    *this << static_cast<uint16_t>(0xFFFF);
    if (count < 0xFFFFFFFFu) {
        *this << static_cast<uint32_t>(count);
        return;
    }
    *this << static_cast<uint32_t>(0xFFFFFFFFu) << count;
}

uint64_t Archive::ReadCount()
{
    uint16_t w;
    *this >> w;
    if (w != 0xFFFF)
        return w;
    uint32_t d;
    *this >> d;
    if (d != 0xFFFFFFFFu)
        return d;
    uint64_t q;
    *this >> q;
    return q;
}

void Archive::WriteIndexTag(uint32_t index, bool isClass)
{
    if (index < kBigObjectTag) {
        *this << static_cast<uint16_t>(index | (isClass ? kClassTag : 0));
    } else {
        *this << kBigObjectTag << static_cast<uint32_t>(index | (isClass ? kBigClassTag : 0));
    }
}

void Archive::WriteClass(const RuntimeClass* cls)
{
    CheckMode(store);
    if (!cls->IsSerializable())
        Fail(ArchiveException::badClass);
    if (auto it = storeMap_.find(cls); it != storeMap_.end()) {
        WriteIndexTag(it->second, true);
        return;
    }
    const std::string name = cls->className;
    *this << kNewClassTag << static_cast<uint16_t>(cls->schema & 0xFFFF) << static_cast<uint16_t>(name.size());
    Write(name.data(), name.size());
    if (storeCount_ > kMaxMapCount)
        Fail(ArchiveException::badIndex);
    storeMap_[cls] = storeCount_++;
}

void Archive::WriteObject(const Object* object)
{
    CheckMode(store);
    if (!object) {
        *this << kNullTag;
        return;
    }
    if (auto it = storeMap_.find(object); it != storeMap_.end()) {
        WriteIndexTag(it->second, false);
        return;
    }
    WriteClass(object->GetRuntimeClass());
    if (storeCount_ > kMaxMapCount)
        Fail(ArchiveException::badIndex);
    storeMap_[object] = storeCount_++;
    // Serialize does not change the object being stored.
    const_cast<Object*>(object)->Serialize(*this);
}

const RuntimeClass* Archive::ReadClassBody(uint16_t tag, uint32_t objectTag, uint32_t* schema)
{
    if (tag == kNewClassTag) {
        uint16_t storedSchema, length;
        *this >> storedSchema >> length;
        RequireStored(length);
        std::string name(length, '\0');
        ReadExact(name.data(), name.size());
        const RuntimeClass* cls = RuntimeClass::FromName(name);
        if (!cls || !cls->IsSerializable())
            Fail(ArchiveException::badClass);
        const bool versionable = (cls->schema & RuntimeClass::kVersionableSchema) != 0;
        if (!versionable && (cls->schema & 0xFFFF) != storedSchema)
            Fail(ArchiveException::badSchema);
        if (loadArray_.size() > kMaxMapCount)
            Fail(ArchiveException::badIndex);
        loadArray_.push_back({cls, nullptr});
        if (schema)
            *schema = storedSchema;
        return cls;
    }
    const uint32_t index = objectTag & ~kBigClassTag;
    if (index == 0 || index >= loadArray_.size() || !loadArray_[index].cls)
        Fail(ArchiveException::badIndex);
    const RuntimeClass* cls = loadArray_[index].cls;
    if (schema)
        *schema = cls->schema & 0xFFFF;
    return cls;
}

Archive::ObjectTag Archive::ReadObjectTag()
{
    CheckMode(load);
    ObjectTag t{};
    *this >> t.tag;
    if (t.tag == kBigObjectTag)
        *this >> t.objectTag;
    else
        t.objectTag = (static_cast<uint32_t>(t.tag & kClassTag) << 16) | (t.tag & 0x7FFF);
    return t;
}

const RuntimeClass* Archive::ReadClass(const RuntimeClass* expected, uint32_t* schema)
{
    const ObjectTag t = ReadObjectTag();
    if (t.IsReference())
        Fail(ArchiveException::badIndex);
    const RuntimeClass* cls = ReadClassBody(t.tag, t.objectTag, schema);
    if (expected && !cls->IsDerivedFrom(expected))
        Fail(ArchiveException::badClass);
    return cls;
}

Object* Archive::ReadObject(const RuntimeClass* expected)
{
    const ObjectTag t = ReadObjectTag();
    if (t.IsReference())
        return ReadReferencedObject(t.objectTag, expected);
    return ReadNewObject(t, expected);
}

std::unique_ptr<Object> Archive::ReadOwnedObject(const RuntimeClass* expected)
{
    const ObjectTag t = ReadObjectTag();
    if (t.IsReference()) {
        if (t.objectTag != 0)
            Fail(ArchiveException::badIndex);  // already owned by whoever read it first
        return nullptr;
    }
    return std::unique_ptr<Object>(ReadNewObject(t, expected));
}

Object* Archive::ReadReferencedObject(uint32_t index, const RuntimeClass* expected)
{
    if (index == 0)
        return nullptr;
    if (index >= loadArray_.size() || !loadArray_[index].object)
        Fail(ArchiveException::badIndex);
    Object* object = loadArray_[index].object;
    if (expected && !object->IsKindOf(expected))
        Fail(ArchiveException::badClass);
    return object;
}

Object* Archive::ReadNewObject(const ObjectTag& t, const RuntimeClass* expected)
{
    if (objectDepth_ >= kMaxObjectDepth)
        Fail(ArchiveException::badIndex);
    uint32_t schema = 0;
    const RuntimeClass* cls = ReadClassBody(t.tag, t.objectTag, &schema);
    if (expected && !cls->IsDerivedFrom(expected))
        Fail(ArchiveException::badClass);
    std::unique_ptr<Object> object(cls->CreateObject());
    if (!object)
        Fail(ArchiveException::badClass);
    if (loadArray_.size() > kMaxMapCount)
        Fail(ArchiveException::badIndex);
    const size_t index = loadArray_.size();
    loadArray_.push_back({nullptr, object.get()});
    const uint32_t savedSchema = objectSchema_;
    objectSchema_ = schema;
    ++objectDepth_;
    try {
        object->Serialize(*this);
    } catch (...) {
        // The object goes, and with it whatever it had read and owned: none
        // of them may be referred to again.
        for (size_t i = index; i < loadArray_.size(); ++i)
            loadArray_[i].object = nullptr;
        objectSchema_ = savedSchema;
        --objectDepth_;
        throw;
    }
    objectSchema_ = savedSchema;
    --objectDepth_;
    return object.release();
}

uint32_t Archive::GetObjectSchema()
{
    return std::exchange(objectSchema_, 0xFFFFFFFFu);
}

}  // namespace fw
