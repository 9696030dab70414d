#include "drawctx/WaTrueColorDrawContext.h"

void WaTrueColorDrawContext::CorrectOutputRow(uint8_t* row, int bits, int32_t width)
{
    if (correct_)
        correct_->CorrectRow(row, bits, width);
    ZV_MG gamma;
    GetMonitorGamma(gamma);
    if (bits <= 8 || gamma.IsIdentity())
        return;
    // Rows of colour are blue, green, red.
    const uint8_t* blue = GammaTable(2);
    const uint8_t* green = GammaTable(1);
    const uint8_t* red = GammaTable(0);
    for (int32_t i = 0; i < width; ++i, row += 3) {
        row[0] = blue[row[0]];
        row[1] = green[row[1]];
        row[2] = red[row[2]];
    }
}
