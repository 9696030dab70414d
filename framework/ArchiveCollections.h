// The stored forms of the framework's string and object collections: the
// element count, then each string or object reference in order.
#pragma once

#include <memory>
#include <string>
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
// reference to an object read before (another element, or an object that
// an element owns) would be owned twice and is refused as a damaged file.
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
    // Every element takes at least its two-byte tag.
    ar.RequireStored(count, 2);
    std::vector<std::unique_ptr<T>> read;
    read.reserve(static_cast<size_t>(count));
    for (uint64_t i = 0; i < count; ++i)
        read.push_back(ar.ReadOwnedObjectAs<T>());
    items = std::move(read);
}

}  // namespace fw
