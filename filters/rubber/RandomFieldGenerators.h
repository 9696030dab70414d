// The random field generators of rubber.8bf, which the module also exports
// (plain functions over a record the caller owns and zeroes before the
// first Init): rows of smooth random shifts made three ways. Excitations
// couple each value to its left neighbour and to the row above; Erosion
// spreads each value into its right neighbour and the row below; Ripples
// interpolate a coarse random grid bilinearly. All draw from the module's
// generator (ModuleRandom), whose sequence a seed repeats.
#pragma once

#include "platform/WinRand.h"

#include <cstddef>
#include <cstdint>

struct RandomGeneratorRecord {
    int32_t kx;         // horizontal coupling, 1/64
    int32_t ky;         // vertical coupling, 1/64
    int32_t sign;       // Erosion: which row buffer is current; 1 before Init
    int32_t amplitude;  // noise amplitude A, a 16-bit value
    int32_t columnStep; // Ripples: pixels between grid columns
    int32_t rowStep;    // Ripples: rows between grid rows
    int16_t* buffers[6]; // owned, freed by ShutupRandomGenerator
    int16_t* roles[6];   // the buffers in their current roles
};
static_assert(offsetof(RandomGeneratorRecord, amplitude) == 12 && offsetof(RandomGeneratorRecord, rowStep) == 20 &&
                  offsetof(RandomGeneratorRecord, buffers) == 24 &&
                  offsetof(RandomGeneratorRecord, roles) == 24 + 6 * sizeof(int16_t*),
              "RandomGeneratorRecord layout");

// The module's generator: seeded 1 when the module is loaded.
platform::WinRand& ModuleRandom();

// The generators, which the module exports under the same names.
namespace randomfield {

// Coupling of a correlation length: trunc(64 exp(-1 / max(L - 1, 0.1))).
int32_t Coupling(int32_t length);
// The lengths of an Erosion degree.
void ErosionLengths(int32_t degree, int32_t* lx, int32_t* ly);

int32_t InitRandomGenerator(RandomGeneratorRecord* r, int32_t count, int32_t a, int32_t lx, int32_t ly);
int32_t ShutupRandomGenerator(RandomGeneratorRecord* r);
void PrepareRandomShifts(RandomGeneratorRecord* r, int16_t** x, int16_t** y, int32_t count);
int32_t GetMaxErosionDegree();
int32_t InitErosion(RandomGeneratorRecord* r, int32_t count, int32_t a, int32_t degree);
int32_t PrepareErosion(RandomGeneratorRecord* r, int16_t** x, int16_t** y, int32_t count);
int32_t InitFluc(RandomGeneratorRecord* r, int32_t count, int32_t a, int32_t lx, int32_t ly);
void PrepareFluc(RandomGeneratorRecord* r, int16_t** first, int16_t** second, int16_t** third, int32_t count);
int32_t InitSmoothGenerator(RandomGeneratorRecord* r, int32_t count, int32_t a, int32_t columnStep, int32_t rowStep);
void PrepareSmooth(RandomGeneratorRecord* r, int16_t** x, int16_t** y, int32_t count, int32_t row);

} // namespace randomfield
