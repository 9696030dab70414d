// The text description of a module's resources that qnrc turns into its
// resource table. One resource per statement; "#" starts a comment.
//
//   string 100 "OLE initialization failed."        string-table entry
//   bitmap 130 file "tool.bmp"                       a .bmp file, kept as a
//                                                    packed DIB (no file header)
//   menu 130 file "menu.txt"                         menu, dialog, rcdata: the
//   resource "WAVE" 5 file "click.wav"               bytes as they are; a
//                                                    menu must be menu text
//                                                    (framework/MenuTemplate.h)
//   resource "PiPL" 16000 { ... }                    bytes built in place
//
// A type is a number or a quoted name; an id is a number or a quoted name.
// Inside { }: u8, u16, u32 <number> (little-endian; negative numbers in two's
// complement), "text" (its bytes), cstr "text" (with a NUL), pstr "text"
// (a length byte first), fourcc "kind" (the code as a little-endian 32-bit
// number, bytes reversed), hex "0a 0b", align <n> (zero bytes up to a
// multiple of n), file "<path>". Files are named relative to the description.
// Strings take the escapes \n \r \t \\ \" \xHH.
#pragma once

#include "platform/ResourceSectionWriter.h"

#include <string>
#include <vector>

class ResourceScript {
public:
    // Reads the description at path. An error raises QnExcept with the text
    // "<path>:<line>: <what>".
    static ResourceScript Read(const std::string& path);

    const platform::ResourceSectionWriter& Resources() const { return writer_; }
    // Every file the description named, for the build's dependencies.
    const std::vector<std::string>& Files() const { return files_; }

private:
    platform::ResourceSectionWriter writer_;
    std::vector<std::string> files_;
};
