#include "imexp/WorkArea.h"

int WaBitsPerPixel(int type)
{
    switch (type) {
    case WA_1BIT: return 1;
    case WA_4BIT: return 4;
    case WA_8BIT:
    case WA_GRAY: return 8;
    case WA_RGB24: return 24;
    default: return 0;
    }
}

int WaPaletteSize(int type)
{
    switch (type) {
    case WA_1BIT: return 2;
    case WA_4BIT: return 16;
    case WA_8BIT:
    case WA_GRAY: return 256;
    default: return 0;
    }
}
