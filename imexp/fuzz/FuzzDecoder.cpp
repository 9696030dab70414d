// A libFuzzer target for one decoder, chosen when it is built
// (QN_FUZZ_FORMAT). Every row handed over is read in full, so that a row
// buffer shorter than its picture shows up under AddressSanitizer.
#include "imexp/ImExp.h"

#include <cstdint>
#include <vector>

namespace {

class CheckingSink : public CAbstractReadWA {
public:
    int SetImageNum(int) override { return 0; }
    int SetLayersNum(int, int) override { return 0; }
    int SetSize(int, int, int w, int h) override
    {
        width_ = w;
        height_ = h;
        return 0;
    }
    int SetType(int, int, int type) override
    {
        rowBytes_ = size_t(platform::DibRowBytes(uint64_t(width_), unsigned(WaBitsPerPixel(type))));
        return rowBytes_ ? 0 : 1;
    }
    int SetPalette(int, int, PALETTEENTRY*, int) override { return 0; }
    int SetRes(int, int, int, int) override { return 0; }
    int SetRow(int, int, int row, const unsigned char* data) override
    {
        if (row < 0 || row >= height_)
            __builtin_trap();
        unsigned sum = 0;
        for (size_t i = 0; i < rowBytes_; ++i)
            sum += data[i];
        sink_ = sink_ + sum;
        return 0;
    }

private:
    int width_ = 0, height_ = 0;
    size_t rowBytes_ = 0;
    volatile unsigned sink_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Keep pictures small enough that the fuzzer spends its time on parsing.
    imexp::SetPixelLimit(1 << 22);
    // At full size, and as small as a decoder may deliver it (a JPEG at an
    // eighth), which takes other paths through the decoder.
    for (const int32_t least : {0, 1}) {
        CheckingSink sink;
        const imexp::Status status =
            imexp::ReadPictureFromMemory({data, size}, sink, nullptr, QN_FUZZ_FORMAT, least, least);
        if (!status.ok && status.error.empty())
            __builtin_trap();
    }
    return 0;
}
