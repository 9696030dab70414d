// The dithering library the drawing contexts reduce colours with: palette
// objects that first count a picture's colours and then map colours to the
// optimised palette made from the count, the validity of colour options,
// and dither contexts that turn rows of colour or grey into palette indices
// (or fewer-bit colour) with one of 21 methods.
//
// Options are (colour, colours, flags) as the drawing contexts hold them:
// the kind of output in bits 0-2 of the flags (0 grey levels, 1 direct
// colour, 2 one bit or the four greys of a 16-colour display, 5 uniform
// palette, 6 and 7 optimised palette) and the
// method's index times 8 in bits 3-7: 0 none, 1 error diffusion, 2 Bayer,
// 3 fatting, 4-20 line, cross and other patterns.
#pragma once

#include "dither/LogPalette.h"

#include <cstdint>

// Cells of the colour table: 5 bits of red, green and blue.
constexpr int ZVD_TABLE_CELLS = 32 * 32 * 32;
constexpr int ZvdCell(int r, int g, int b) { return (r >> 3) << 10 | (g >> 3) << 5 | (b >> 3); }
// Bytes of the work block the palette calls accept.
constexpr int ZVD_WORK_BLOCK = 7168;

struct ZvdPaletteObj;
struct ZvdDither;

// A palette object whose table counts colours (ZvdCountRow) until a palette
// is made from it (ZvdMakePalette); from then on the table maps each cell
// to the nearest palette index. Null when memory runs out.
ZvdPaletteObj* ZvdCreatePalette();
int* ZvdGetTable(ZvdPaletteObj* obj);
void ZvdFreePalette(ZvdPaletteObj* obj);
// The step after a use of the table for drawing; nothing to give back here.
void ZvdReleaseTable(ZvdPaletteObj* obj);

// Counts width pixels of blue, green, red into table.
void ZvdCountRow(const uint8_t* bgr, int width, int* table);
// How many colours a palette of at most wanted entries gets: no more than
// the distinct colours counted, at least 1.
int ZvdColorsToMake(const int* table, void* work, int wanted);
// Makes the palette of count entries by median cut of the counted colours
// and turns table into the map of each cell to its nearest entry. Answers
// non-zero on success.
int ZvdMakePalette(int* table, LOGPALETTE* out, void* work, int count);
// Turns table into the map of each cell to the nearest entry of a palette
// made elsewhere (a picture's own colours), so that dither contexts of the
// optimised kind can reduce to it.
void ZvdMapToPalette(int* table, const LOGPALETTE* palette);

// Non-zero when (colour, colours, flags) is an option the library can show.
int ZvdIsValidOption(int colour, uint32_t colours, uint32_t flags);

// A dither context for the option over columns first..last, with the phase
// of the patterns at (x0, y0). For every kind but the optimised palette it
// fills palette with the option's palette; optimised palettes need the
// palette and its table. Null for an invalid option or a missing table.
ZvdDither* ZvdCreateDither(int colour, uint32_t colours, uint32_t flags, const int* table, LOGPALETTE* palette,
                           int x0, int y0, int first, int last, int reserved);
// Dithers one row: colour options read 3-byte pixels (blue, green, red),
// grey options 1-byte levels; options of at most 256 colours write 1-byte
// indices, others 3-byte colour. Rows are taken to come one after another.
void ZvdDitherRow(const uint8_t* src, uint8_t* dst, ZvdDither* dither);
void ZvdFreeDither(ZvdDither* dither);
