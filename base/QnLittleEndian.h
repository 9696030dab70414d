// Reading and writing little-endian fields of fixed-layout byte structures
// (file headers, records, resource tables) one field at a time, whatever the
// alignment of the bytes.
#pragma once

#include <cstdint>
#include <vector>

inline uint16_t QnGetLE16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

inline uint32_t QnGetLE32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline uint64_t QnGetLE64(const uint8_t* p) { return QnGetLE32(p) | uint64_t(QnGetLE32(p + 4)) << 32; }

inline void QnPutLE16(uint8_t* p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

inline void QnPutLE32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

inline void QnPutLE64(uint8_t* p, uint64_t v)
{
    QnPutLE32(p, uint32_t(v));
    QnPutLE32(p + 4, uint32_t(v >> 32));
}

// Appends a field to a growing byte record.
inline void QnAppendLE16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

inline void QnAppendLE32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}
