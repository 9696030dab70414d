#include "filters/frame/HostList.h"

namespace {

const char* const kNames[kHostCount] = {
    "Adobe Photoshop v.3.05",       "Corel PHOTO-PAINT v.6.0",          "Fractal Design Painter v.4.0",
    "JASC Paint Shop Pro 4.10",     "Microgrfx Picture Publisher v.6.0", "Unknown host",
};

// Ended by -1; Paint Shop Pro reports Photoshop's signature, so the first
// match wins.
const int32_t kSignatures[] = {0x3842494D, 0x018E6FDB, 0x33585346, 0x3842494D, 0x50505542, -1};

} // namespace

const char* HostName(int32_t row) { return row >= 0 && row < kHostCount ? kNames[row] : ""; }

int32_t HostRowForSignature(uint32_t sig)
{
    for (int32_t row = 0; kSignatures[row] != -1; ++row)
        if (uint32_t(kSignatures[row]) == sig)
            return row;
    return kUnknownHostRow;
}
