// What the option panels load by id while the editor's resources are the
// current ones: the editor's strings and bitmaps, found through the
// framework's resource search (the program's resources come first), not
// through the module's own table.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>

// The editor's string id (the program's, or a module's after it), cut to
// 127 characters; empty when no table has it.
std::string LdLoadEditorString(uint32_t id);
// The editor's bitmap id; a null image when it has none or it is damaged.
QImage LdLoadEditorBitmap(uint32_t id);
