// Reading and writing the pieces the sketch's stored forms share: owned
// object references, point lists, rectangles and lists of owned objects.
// Every stored count or size is checked against what is left of the file
// before anything is allocated for it (Archive::RequireStored).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/Archive.h"
#include "render/Rect.h"

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
    ar.RequireStored(count, 2);
    std::vector<std::unique_ptr<T>> items;
    items.reserve(static_cast<size_t>(count));
    for (uint64_t i = 0; i < count; ++i)
        items.push_back(ar.ReadOwnedObjectAs<T>());
    return items;
}
