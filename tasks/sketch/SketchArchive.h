// Reading and writing the pieces the sketch's stored forms share: owned
// object references, point lists, rectangles, and checks that a stored
// count or size can be present in what is left of the file before anything
// is allocated for it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/Archive.h"
#include "render/Rect.h"

// The bytes left to read under a loading archive.
uint64_t SketchBytesLeft(fw::Archive& ar);
// Raises the archive's end-of-file error unless bytes are left to read.
void SketchRequireBytes(fw::Archive& ar, uint64_t bytes);

// An object the reader will own: a new object of a class derived from
// expected, or null. A reference back to an object read before would be
// owned twice, and is refused as a damaged file.
std::unique_ptr<fw::Object> SketchReadOwnedObject(fw::Archive& ar, const fw::RuntimeClass* expected);

template <class T>
std::unique_ptr<T> SketchReadOwned(fw::Archive& ar)
{
    return std::unique_ptr<T>(static_cast<T*>(SketchReadOwnedObject(ar, FW_RUNTIME_CLASS(T)).release()));
}

// A point array: the count, then x and y of each point.
void SketchWritePoints(fw::Archive& ar, const std::vector<QnPoint>& points);
std::vector<QnPoint> SketchReadPoints(fw::Archive& ar);

// A rectangle: left, top, right, bottom.
void SketchWriteRect(fw::Archive& ar, const QnRect& r);
QnRect SketchReadRect(fw::Archive& ar);

// A list of owned objects of class T: the count, then each object.
template <class T>
void SketchWriteList(fw::Archive& ar, const std::vector<std::unique_ptr<T>>& items)
{
    ar.WriteCount(items.size());
    for (const auto& item : items)
        ar.WriteObject(item.get());
}

template <class T>
std::vector<std::unique_ptr<T>> SketchReadList(fw::Archive& ar)
{
    const uint64_t count = ar.ReadCount();
    // Every element takes at least its two-byte tag.
    SketchRequireBytes(ar, count * 2);
    std::vector<std::unique_ptr<T>> items;
    items.reserve(static_cast<size_t>(count));
    for (uint64_t i = 0; i < count; ++i)
        items.push_back(SketchReadOwned<T>(ar));
    return items;
}
