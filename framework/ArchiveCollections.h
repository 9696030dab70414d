// The stored forms of the framework's string and object collections: the
// element count, then each string or object reference in order.
#pragma once

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "framework/Archive.h"
#include "framework/Exception.h"
#include "framework/File.h"

namespace fw {

// A string array.
inline void SerializeStrings(Archive& ar, std::vector<std::string>& strings)
{
    if (ar.IsStoring()) {
        ar.WriteCount(strings.size());
        for (const auto& s : strings)
            ar.WriteString(s);
        return;
    }
    const uint64_t count = ar.ReadCount();
    std::vector<std::string> read;
    for (uint64_t i = 0; i < count; ++i)
        read.push_back(ar.ReadString());
    strings = std::move(read);
}

// An object array or list whose elements it owns. Reading replaces the
// contents only when every element was read; an element stored as a
// reference to another element would be owned twice and is refused.
template <class T>
void SerializeObjects(Archive& ar, std::vector<std::unique_ptr<T>>& items)
{
    if (ar.IsStoring()) {
        ar.WriteCount(items.size());
        for (const auto& item : items)
            ar.WriteObject(item.get());
        return;
    }
    const uint64_t count = ar.ReadCount();
    std::vector<std::unique_ptr<T>> read;
    std::unordered_set<const void*> seen;
    for (uint64_t i = 0; i < count; ++i) {
        T* item = static_cast<T*>(ar.ReadObject(FW_RUNTIME_CLASS(T)));
        if (item && !seen.insert(item).second)
            throw ArchiveException(ArchiveException::badIndex, ar.GetFile()->GetFilePath());
        read.emplace_back(item);
    }
    items = std::move(read);
}

}  // namespace fw
