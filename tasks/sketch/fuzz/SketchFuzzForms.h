// The stored forms the sketch's fuzz target reads, told by the first byte of
// its input: the archive of an object (a sketch, a shape or a filler), or
// the flat form of one kind of shape in the calendar file.
#pragma once

#include <cstdint>

enum class SketchFuzzForm : uint8_t { object = 0, lineFlat = 1, textFlat = 2, calendarFlat = 3, count };
