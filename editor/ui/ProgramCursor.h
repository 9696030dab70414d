// The program's own mouse cursors: resources of type "CURSOR" that hold a
// Windows cursor file whose first image is a PNG, with its hot spot in the
// file's directory entry.
#pragma once

#include <QCursor>
#include <cstdint>
#include <optional>
#include <span>

// The cursor a cursor file describes, or nothing when the bytes are not one.
std::optional<QCursor> LdCursorFromFile(std::span<const uint8_t> bytes);

// The program's cursor resource id, or nothing when it is absent or damaged.
std::optional<QCursor> LdLoadProgramCursor(uint32_t id);

// The program's cursor id, or the standard shape when the program lacks it.
QCursor LdProgramCursor(uint32_t id, Qt::CursorShape fallback);
