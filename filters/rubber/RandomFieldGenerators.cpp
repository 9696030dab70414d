#include "filters/rubber/RandomFieldGenerators.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace randomfield {

namespace {

// Row buffers hold count + 32 values, zero-filled.
int16_t* NewRow(int64_t values)
{
    if (values <= 0 || values > (int64_t{1} << 30))
        return nullptr;
    return static_cast<int16_t*>(std::calloc(size_t(values), sizeof(int16_t)));
}

int32_t Noise(int32_t a) { return ModuleRandom().Next() % (2 * a + 1) - a; }

// Takes n buffers of values each into the record; false (all freed) when
// one is missing.
bool TakeBuffers(RandomGeneratorRecord* r, int n, int64_t values)
{
    for (int i = 0; i < 6; ++i)
        r->buffers[i] = r->roles[i] = nullptr;
    for (int i = 0; i < n; ++i) {
        r->buffers[i] = r->roles[i] = NewRow(values);
        if (!r->buffers[i]) {
            ShutupRandomGenerator(r);
            return false;
        }
    }
    return true;
}

int32_t Amplitude(double value) { return int16_t(int32_t(value)); }

// One row of an Excitations field (cur, with prev the row above).
void CoupleFirst(const RandomGeneratorRecord* r, int16_t* cur) { cur[0] = int16_t(Noise(r->amplitude)); }

void CoupleAlong(const RandomGeneratorRecord* r, int16_t* cur, int32_t i)
{
    const int32_t a = r->amplitude;
    cur[i] = int16_t(ModuleRandom().Next() % (2 * a + 1) + r->kx * cur[i - 1] / 64 - a);
}

void CoupleDown(const RandomGeneratorRecord* r, int16_t* cur, const int16_t* prev, int32_t count)
{
    for (int32_t i = 1; i < count; ++i)
        cur[i] = int16_t(cur[i] + r->ky * prev[i] / 64);
}

// Excitations of two or three fields, their draws taken in turn; the
// first is always made, the others when asked for.
void PrepareFields(RandomGeneratorRecord* r, int16_t** out[3], int fields, int32_t count)
{
    bool asked[3] = {};
    for (int f = 0; f < fields; ++f)
        asked[f] = f == 0 || out[f] != nullptr;
    for (int f = 0; f < 3; ++f)
        if (asked[f] && r->roles[2 * f])
            CoupleFirst(r, r->roles[2 * f]);
    for (int32_t i = 1; i < count; ++i)
        for (int f = 0; f < 3; ++f)
            if (asked[f] && r->roles[2 * f])
                CoupleAlong(r, r->roles[2 * f], i);
    for (int f = 0; f < 3; ++f)
        if (asked[f] && r->roles[2 * f]) {
            CoupleDown(r, r->roles[2 * f], r->roles[2 * f + 1], count);
            if (out[f])
                *out[f] = r->roles[2 * f];
            std::swap(r->roles[2 * f], r->roles[2 * f + 1]);
        }
}

int32_t InitCoupled(RandomGeneratorRecord* r, int n, int32_t count, int32_t a, int32_t lx, int32_t ly)
{
    r->kx = Coupling(lx);
    r->ky = Coupling(ly);
    r->amplitude =
        Amplitude(a * std::sqrt((1 - r->ky * r->ky / 4096.0) * (1 - r->kx * r->kx / 4096.0)));
    return TakeBuffers(r, n, int64_t{count} + 32) ? 1 : 0;
}

// A product taken as a 16-bit signed number, shifted arithmetically.
int32_t Spread(int32_t k, int32_t v) { return int16_t(k * v) >> 6; }

} // namespace


int32_t Coupling(int32_t length)
{
    return int32_t(64 * std::exp(-1.0 / std::max(double(length) - 1, 0.1)));
}

void ErosionLengths(int32_t degree, int32_t* lx, int32_t* ly)
{
    static const int32_t table[14][2] = {{3, 2},  {2, 2}, {16, 16}, {9, 9}, {7, 7}, {5, 5}, {4, 4},
                                         {3, 4},  {4, 3}, {7, 2},   {5, 2}, {3, 3}, {4, 2}, {2, 3}};
    const int32_t row = degree >= 1 && degree <= 13 ? degree : 0;
    *lx = table[row][0];
    *ly = table[row][1];
}

int32_t InitRandomGenerator(RandomGeneratorRecord* r, int32_t count, int32_t a, int32_t lx, int32_t ly)
{
    return InitCoupled(r, 4, count, a, lx, ly);
}

int32_t InitFluc(RandomGeneratorRecord* r, int32_t count, int32_t a, int32_t lx, int32_t ly)
{
    return InitCoupled(r, 6, count, a, lx, ly);
}

int32_t ShutupRandomGenerator(RandomGeneratorRecord* r)
{
    for (int i = 0; i < 6; ++i) {
        std::free(r->buffers[i]);
        r->buffers[i] = r->roles[i] = nullptr;
    }
    return 0;
}

void PrepareRandomShifts(RandomGeneratorRecord* r, int16_t** x, int16_t** y, int32_t count)
{
    int16_t** out[3] = {x, y, nullptr};
    PrepareFields(r, out, 2, count);
}

void PrepareFluc(RandomGeneratorRecord* r, int16_t** first, int16_t** second, int16_t** third, int32_t count)
{
    int16_t** out[3] = {first, second, third};
    PrepareFields(r, out, 3, count);
}

int32_t GetMaxErosionDegree() { return 14; }

int32_t InitErosion(RandomGeneratorRecord* r, int32_t count, int32_t a, int32_t degree)
{
    int32_t lx = 0, ly = 0;
    ErosionLengths(degree, &lx, &ly);
    r->kx = Coupling(lx);
    r->ky = Coupling(ly);
    r->amplitude = Amplitude(a * (1 - r->ky * r->ky / 4096.0) * (1 - r->kx * r->kx / 4096.0));
    return TakeBuffers(r, 4, int64_t{count} + 32) ? 1 : 0;
}

int32_t PrepareErosion(RandomGeneratorRecord* r, int16_t** x, int16_t** y, int32_t count)
{
    // Of each field's two buffers, the one given out last is cleared for
    // what this row spreads down; the other, holding what earlier rows
    // spread into it, becomes the row.
    const int current = r->sign > 0 ? 1 : 0;
    int16_t* cur[2] = {r->buffers[current], r->buffers[2 + current]};
    int16_t* next[2] = {r->buffers[1 - current], r->buffers[3 - current]};
    const int32_t values = count + 32;
    const bool withY = y != nullptr;
    for (int f = 0; f < (withY ? 2 : 1); ++f)
        if (next[f])
            std::memset(next[f], 0, size_t(std::max(0, values)) * sizeof(int16_t));
    const int32_t a = r->amplitude;
    if (cur[0] && next[0])
        for (int32_t k = 0; k <= count + 30; ++k) {
            const int32_t f = cur[0][k] + Noise(a);
            cur[0][k] = int16_t(f);
            cur[0][k + 1] = int16_t(cur[0][k + 1] + Spread(r->kx, f));
            next[0][k] = int16_t(next[0][k] + Spread(r->ky, f));
            if (withY && cur[1] && next[1]) {
                const int32_t h = cur[1][k];
                cur[1][k] = int16_t(h + Noise(a));
                cur[1][k + 1] = int16_t(cur[1][k + 1] + Spread(r->kx, h));
                next[1][k] = int16_t(next[1][k] + Spread(r->ky, h));
            }
        }
    r->roles[0] = cur[0];
    r->roles[1] = next[0];
    r->roles[2] = cur[1];
    r->roles[3] = next[1];
    if (x)
        *x = cur[0];
    if (y)
        *y = cur[1];
    r->sign = -r->sign;
    return r->sign;
}

int32_t InitSmoothGenerator(RandomGeneratorRecord* r, int32_t count, int32_t a, int32_t columnStep, int32_t rowStep)
{
    r->amplitude = a;
    r->columnStep = columnStep;
    r->rowStep = rowStep;
    const int32_t d = std::max(1, std::min(columnStep, rowStep));
    for (int i = 0; i < 6; ++i)
        r->buffers[i] = r->roles[i] = nullptr;
    bool ok = true;
    for (int i = 0; i < 2 && ok; ++i)
        ok = (r->buffers[i] = r->roles[i] = NewRow(int64_t{count} + 16)) != nullptr;
    const int64_t gridBytes = (2 * int64_t{count} + 32) / d + std::max(columnStep, rowStep) + 16;
    for (int i = 2; i < 6 && ok; ++i)
        ok = (r->buffers[i] = r->roles[i] = NewRow((gridBytes + 1) / 2)) != nullptr;
    if (!ok) {
        ShutupRandomGenerator(r);
        return 0;
    }
    for (int32_t i = 0; i < count; ++i) {
        r->buffers[0][i] = int16_t(Noise(a));
        r->buffers[1][i] = int16_t(Noise(a));
    }
    for (int32_t i = 0; i <= count / d; ++i)
        for (int g = 2; g < 6; ++g)
            r->buffers[g][i] = int16_t(Noise(a));
    return 1;
}

void PrepareSmooth(RandomGeneratorRecord* r, int16_t** x, int16_t** y, int32_t count, int32_t row)
{
    int16_t* outX = r->buffers[0];
    int16_t* outY = r->buffers[1];
    int16_t *prevX = r->buffers[2], *nextX = r->buffers[3], *prevY = r->buffers[4], *nextY = r->buffers[5];
    if (!outX || !outY || !prevX || !nextX || !prevY || !nextY)
        return;
    const int32_t c = std::max(1, r->columnStep), rs = std::max(1, r->rowStep);
    const int32_t t = (row % rs + rs) % rs;
    const int32_t nodes = count / c + 1;
    if (t == 0) {
        std::memcpy(prevX, nextX, size_t(nodes) * sizeof(int16_t));
        std::memcpy(prevY, nextY, size_t(nodes) * sizeof(int16_t));
        for (int32_t i = 0; i < nodes; ++i)
            nextX[i] = int16_t(Noise(r->amplitude));
        for (int32_t i = 0; i < nodes; ++i)
            nextY[i] = int16_t(Noise(r->amplitude));
    }
    auto blend = [&](const int16_t* prev, const int16_t* next, int32_t i) {
        const int32_t e = i % c, f = i / c;
        const int64_t left = int64_t{t} * next[f] + int64_t{rs - t} * prev[f];
        const int64_t right = int64_t{rs - t} * prev[f + 1] + int64_t{t} * next[f + 1];
        return int16_t(((c - e) * left + e * right) / c / rs);
    };
    for (int32_t i = 0; i < count; ++i) {
        outX[i] = blend(prevX, nextX, i);
        if (y)
            outY[i] = blend(prevY, nextY, i);
    }
    if (x)
        *x = outX;
    if (y)
        *y = outY;
}

} // namespace randomfield

platform::WinRand& ModuleRandom()
{
    static platform::WinRand generator(1);
    return generator;
}
