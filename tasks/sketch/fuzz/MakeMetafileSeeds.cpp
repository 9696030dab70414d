// Writes the seeds of the metafile fuzz target: an enhanced and a 16-bit
// metafile with one record of every kind the players draw.
#include "base/fuzz/SeedWriter.h"
#include "tasks/sketch/tests/MetafileWriters.h"

namespace {

using namespace sketchtest;

Bytes Tagged(uint8_t tag, const Bytes& metafile)
{
    Bytes bytes{tag};
    bytes.insert(bytes.end(), metafile.begin(), metafile.end());
    return bytes;
}

Bytes Enhanced()
{
    const Bytes dib = MakeDib24({{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFF00}});
    EmfParams font;
    font.u(3).i(-12).i(0).i(0).i(0).i(700).u(1).u(0);
    const std::string face = "serif";
    for (size_t i = 0; i < 32; ++i)
        font.u16(i < face.size() ? uint16_t(face[i]) : 0);
    EmfParams text;
    text.rect(0, 0, 0, 0).u(1).f32(1).f32(1).point(6, 10).u(2).u(76).u(2).rect(0, 0, 30, 20).u(80);
    text.u16('O').u16('K');
    text.i(8).i(8);
    EmfParams picture;
    picture.rect(0, 0, 0, 0).i(16).i(16).i(0).i(0).i(2).i(2).u(80).u(40).u(120).u(uint32_t(dib.size() - 40));
    picture.u(0).u(0x00CC0020).i(-32).i(32).raw(dib);
    EmfParams poly;
    poly.rect(0, 0, 0, 0).u(2).u(6).u(3).u(3);
    for (int v : {1, 1, 60, 1, 30, 60, 10, 10, 50, 10, 30, 50})
        poly.u16(uint16_t(v));
    EmfParams bezier;
    bezier.rect(0, 0, 0, 0).u(4).point(0, 0).point(20, 60).point(40, -20).point(64, 64);
    EmfParams region;
    region.u(48).u(4).u(32).u(1).u(1).u(16).rect(0, 0, 40, 40).rect(0, 0, 40, 40);
    return EmfWriter()
        .rec(38, EmfParams().u(1).u(0x2201).i(3).i(0).u(0x0000FF).bytes)
        .rec(39, EmfParams().u(2).u(2).u(0xFF0000).u(5).bytes)
        .rec(37, EmfParams().u(1).bytes).rec(37, EmfParams().u(2).bytes)
        .rec(33).rec(17, EmfParams().u(7).bytes).rec(9, EmfParams().point(100, 80).bytes)
        .rec(11, EmfParams().point(64, 64).bytes).rec(43, EmfParams().rect(4, 4, 90, 70).bytes).rec(34, EmfParams().i(-1).bytes)
        .rec(36, EmfParams().f32(0.9f).f32(0.2f).f32(-0.2f).f32(0.9f).f32(4).f32(2).u(2).bytes)
        .rec(42, EmfParams().rect(8, 12, 56, 52).bytes).rec(91, poly.bytes).rec(2, bezier.bytes)
        .rec(47, EmfParams().rect(8, 8, 56, 56).point(60, 32).point(32, 2).bytes)
        .rec(55, EmfParams().rect(8, 8, 56, 56).point(8, 32).point(60, 32).bytes)
        .rec(41, EmfParams().point(32, 32).u(20).f32(30).f32(200).bytes)
        .rec(30, EmfParams().rect(0, 0, 48, 64).bytes).rec(29, EmfParams().rect(10, 10, 20, 20).bytes)
        .rec(75, region.bytes)
        .rec(82, font.bytes).rec(37, EmfParams().u(3).bytes).rec(84, text.bytes).rec(81, picture.bytes)
        .rec(59).rec(27, EmfParams().point(8, 8).bytes).rec(54, EmfParams().point(56, 8).bytes).rec(61).rec(60)
        .rec(67, EmfParams().u(1).bytes).rec(40, EmfParams().u(1).bytes)
        .bytes();
}

Bytes Windows()
{
    using W = WmfWriter;
    ByteWriter font = W::Words({-16, 0, 450, 0, 400});
    font.u32(0).u32(0).raw("monospace").raw(Bytes(23, 0));
    return WmfWriter()
        .rec(0x20B, W::Words({0, 0}).bytes).rec(0x20C, W::Words({128, 128}).bytes)
        .rec(0x2FA, ByteWriter().u16(1).u16(2).u16(0).u32(0xFF).bytes)
        .rec(0x2FC, ByteWriter().u16(2).u32(0xFF00).u16(3).bytes)
        .rec(0x12D, W::Words({0}).bytes).rec(0x12D, W::Words({1}).bytes)
        .rec(0x1E).rec(0x416, W::Words({128, 100, 0, 0}).bytes)
        .rec(0x41B, W::Words({80, 100, 20, 20}).bytes).rec(0x127, W::Words({-1}).bytes)
        .rec(0x418, W::Words({110, 120, 10, 8}).bytes).rec(0x61C, W::Words({40, 40, 112, 112, 16, 16}).bytes)
        .rec(0x538, W::Words({2, 3, 3, 1, 1, 120, 1, 60, 120, 20, 20, 100, 20, 60, 100}).bytes)
        .rec(0x81A, W::Words({64, 0, 128, 64, 112, 112, 16, 16}).bytes)
        .rec(0x830, W::Words({64, 0, 128, 64, 112, 112, 16, 16}).bytes)
        .rec(0x214, W::Words({120, 8}).bytes).rec(0x213, W::Words({8, 120}).bytes)
        .rec(0x2FB, font.bytes).rec(0x12D, W::Words({2}).bytes).rec(0x12E, W::Words({24}).bytes)
        .rec(0x521, W::Words({2}).raw("OK").raw(W::Words({60, 12}).bytes).bytes)
        .rec(0xA32, W::Words({90, 12, 2, 6, 0, 0, 60, 30}).raw("ab").raw(W::Words({10, 10}).bytes).bytes)
        .rec(0x61D, ByteWriter().u32(0x00F00021).raw(W::Words({10, 10, 0, 0}).bytes).bytes)
        .rec(0xF43, ByteWriter().u32(0x00CC0020).u16(0).raw(W::Words({2, 2, 0, 0, 64, -64, 32, 32}).bytes)
                        .raw(MakeDib24({{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFF00}})).bytes)
        .rec(0x1F0, W::Words({1}).bytes)
        .bytes();
}

}  // namespace

int main(int argc, char** argv)
{
    SeedWriter seeds;
    if (!seeds.Open(argc, argv))
        return 2;
    seeds.Write("enhanced", Tagged(0, Enhanced()));
    seeds.Write("windows", Tagged(1, Windows()));
    return seeds.Done();
}
