// The picture file the wizards hand to the desktop, the screen savers and
// the mail: a BMP file made of the 14-byte file header and the editor's
// packed DIB exactly as it was handed over (header, colour table, rows).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CLdPictureFile {
public:
    // The file's bytes. The pixel offset is found as the DIB's own layout
    // gives it (past the header, any bit-field masks and the colour table).
    // Bytes that hold no DIB, or whose colour table runs past them, raise
    // QnExcept: a file that points past its own end helps nobody.
    static std::vector<uint8_t> Make(const void* dib, uint32_t size);

    // Replaces path with the file, atomically: a failure raises QnExcept
    // with the system's reason and leaves the old file as it was.
    static void Write(const std::string& path, const void* dib, uint32_t size);
};
