#include "dither/GammaTable.h"

#include <algorithm>
#include <cmath>

void QnFillGammaTable(uint8_t table[256], int gamma)
{
    // A gamma of 0 or below has no meaning for a monitor; the table is then
    // left as the identity rather than turning every level white.
    const double exponent = gamma > 0 ? gamma / 100.0 : 1.0;
    for (int i = 0; i < 256; ++i) {
        if (gamma == 100 || gamma <= 0) {
            table[i] = uint8_t(i);
            continue;
        }
        const double x = 255.0 * std::pow(i / 255.0, exponent);
        table[i] = uint8_t(std::clamp(int(x + 0.5), 0, 255));
    }
}
