// Makes the output rows of a band for client columns [left, right): the
// picture and its visible layers stretched through the context's transform,
// dithered when the options ask for fewer colours than the rows carry, and
// handed to the context's CorrectOutputRow.
#pragma once

#include "dither/ZvDither.h"
#include "drawctx/WaLayeredStretcher.h"
#include "drawctx/ZvOptions.h"

#include <cstdint>
#include <memory>
#include <vector>

class WaDrawContext;

// What the rows carry: 3-byte colour, grey bytes or the picture's own
// indices.
enum : int { WA_ROWS_RGB = 1, WA_ROWS_GRAY = 2, WA_ROWS_INDEX = 3 };

class WaRowProducer {
public:
    // options are the draw's effective options; table and palette those of
    // GetDitherTables; (x0, y0) the phase of the dither patterns. Raises
    // zvdrawerror when the dithering library gives no dither context.
    WaRowProducer(WaDrawContext& context, const ZV_CDOPT& options, int* table, LOGPALETTE* palette, int32_t x0,
                  int32_t y0, int32_t left, int32_t right);
    WaRowProducer(const WaRowProducer&) = delete;
    WaRowProducer& operator=(const WaRowProducer&) = delete;
    ~WaRowProducer();

    int Mode() const { return mode_; }
    bool Dithers() const { return dither_ != nullptr; }
    int OutputBits() const { return outputBits_; }
    // The options the rows are made for: the effective ones, or those the
    // picture's layers call for.
    const ZV_CDOPT& Options() const { return options_; }
    // Bytes of one row of a band: DIB rows, padded to 4.
    static int32_t BandRowBytes(int32_t width, int bits) { return (width * bits + 31) / 32 * 4; }

    // Client row y in the output form, before the context's last touch.
    void ProduceRow(int32_t y, uint8_t* out);
    // Client rows [top, bottom) into rows, the bottom one first, each
    // BandRowBytes long, each given to the context's CorrectOutputRow.
    void ProduceBand(int32_t top, int32_t bottom, uint8_t* rows);

private:
    WaDrawContext& context_;
    ZV_CDOPT options_;
    int mode_ = WA_ROWS_RGB;
    int outputBits_ = 8;
    int32_t left_;
    int32_t right_;
    std::vector<uint8_t> working_;
    ZvdDither* dither_ = nullptr;
    // Pictures of 16 and 256 colours under a layer are dithered back to
    // their own palette, with a palette object of their own.
    std::unique_ptr<LOGPALETTE> ownPalette_;
    ZvdPaletteObj* ownObj_ = nullptr;
    std::unique_ptr<WaLayeredStretcher> stretcher_;
};
