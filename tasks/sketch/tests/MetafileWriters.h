// Tiny writers of enhanced and 16-bit metafiles for the playback tests and
// the fuzz seeds: records are appended one by one, the header and the end
// record are made around them.
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "tasks/sketch/tests/SketchTestSupport.h"

namespace sketchtest {

// Enhanced metafile records' parameters.
class EmfParams : public ByteWriter {
public:
    EmfParams& rect(int32_t l, int32_t t, int32_t r, int32_t b) { i32(l).i32(t).i32(r).i32(b); return *this; }
    EmfParams& point(int32_t x, int32_t y) { i32(x).i32(y); return *this; }
    EmfParams& f32(float v) { u32(std::bit_cast<uint32_t>(v)); return *this; }
    EmfParams& u(uint32_t v) { u32(v); return *this; }
    EmfParams& i(int32_t v) { i32(v); return *this; }
};

class EmfWriter {
public:
    // The frame in device pixels; the reference device has one pixel a
    // millimetre.
    explicit EmfWriter(int32_t l = 0, int32_t t = 0, int32_t r = 64, int32_t b = 64) : frame_{l, t, r, b} {}

    EmfWriter& rec(uint32_t type, const Bytes& params = {})
    {
        Bytes p = params;
        while (p.size() % 4)
            p.push_back(0);
        records_.u32(type).u32(uint32_t(8 + p.size())).raw(p);
        ++count_;
        return *this;
    }

    Bytes bytes(uint16_t handles = 16) const
    {
        Bytes end = ByteWriter().u32(14).u32(20).u32(0).u32(16).u32(20).bytes;
        ByteWriter w;
        w.u32(1).u32(88);
        w.i32(frame_[0]).i32(frame_[1]).i32(frame_[2] - 1).i32(frame_[3] - 1);
        for (int32_t v : frame_)
            w.i32(v * 100);
        w.u32(0x464D4520).u32(0x10000).u32(uint32_t(88 + records_.bytes.size() + end.size())).u32(count_ + 2);
        w.u16(handles).u16(0).u32(0).u32(0).u32(0);
        w.i32(1000).i32(1000).i32(1000).i32(1000);
        return w.raw(records_.bytes).raw(end).bytes;
    }

private:
    int32_t frame_[4];
    ByteWriter records_;
    uint32_t count_ = 0;
};

class WmfWriter {
public:
    WmfWriter& rec(uint16_t function, const Bytes& params = {})
    {
        Bytes p = params;
        if (p.size() % 2)
            p.push_back(0);
        records_.u32(uint32_t(3 + p.size() / 2)).u16(function).raw(p);
        return *this;
    }
    // Coordinates as the records list them.
    static ByteWriter Words(std::initializer_list<int> values)
    {
        ByteWriter w;
        for (int v : values)
            w.u16(uint16_t(int16_t(v)));
        return w;
    }

    Bytes bytes(uint16_t objects = 16) const
    {
        const Bytes end = ByteWriter().u32(3).u16(0).bytes;
        const size_t words = (18 + records_.bytes.size() + end.size()) / 2;
        return ByteWriter().u16(1).u16(9).u16(0x300).u32(uint32_t(words)).u16(objects).u32(64).u16(0)
            .raw(records_.bytes).raw(end).bytes;
    }

private:
    ByteWriter records_;
};

// The placeable header a file may put before the metafile.
inline Bytes Placeable(const Bytes& wmf)
{
    return ByteWriter().u32(0x9AC6CDD7).u16(0).u16(0).u16(0).u16(64).u16(64).u16(96).u32(0).u16(0).raw(wmf).bytes;
}

}  // namespace sketchtest
