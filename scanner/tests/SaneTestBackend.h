// A private SANE configuration for tests: SANE_CONFIG_DIR names a folder
// whose dll.conf lists only the "test" back end (or nothing, for a system
// without scanners), and whose test.conf makes that back end scan a grid of
// 10 mm black and white squares at 50 dpi, with whatever else a test asks.
// SANE reads the files at each start but takes the folder's name only once
// a process, so the folder stays the same and the files are rewritten.
// The folder is also the user's config folder while the test has none.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class SaneTestBackend {
public:
    // settings are lines of test.conf ("mode Color", "read-limit true"...);
    // withTestDevice false lists no back end at all.
    explicit SaneTestBackend(const std::vector<std::string>& settings = {}, bool withTestDevice = true);

    // The device the back end offers.
    static constexpr const char* kDevice = "test:0";
    // The picture's size at 50 dpi: 80 mm by 100 mm.
    static constexpr int32_t kWidth = 157;
    static constexpr int32_t kHeight = 196;
    // A picture of 200 mm by 200 mm (393 pixels square) in colour, larger
    // than a pipe holds: a scan stopped halfway finds the back end's reader
    // waiting to write rather than anywhere else, where stopping it can
    // leave it holding a lock of the C library.
    static inline const std::vector<std::string> kLarge = {"br_x 200.0", "br_y 200.0", "mode Color"};
    static constexpr int32_t kLargeSide = 393;

    // The grid's value at (x, y), a square being 10 mm (19.7 pixels) wide
    // and the one at the top left white; sure only inside a square.
    static uint8_t GridAt(int32_t x, int32_t y) { return ((x * 254 / 5000 + y * 254 / 5000) % 2) == 0 ? 255 : 0; }
    // Points well inside squares of both colours.
    static constexpr int32_t kProbes[][2] = {{10, 10}, {30, 10}, {10, 30}, {30, 30}, {110, 90}, {150, 170}, {150, 190}};
};
