// The random field generators that rubber.8bf exports beside its entries,
// for callers that make smooth random fields of their own: plain functions
// over a record the caller owns (RandomFieldGenerators.h), each forwarding
// to the module's generators. A missing record does nothing.
#include "filters/rubber/RandomFieldGenerators.h"
#include "filters/sdk/PIFilter.h"

using Record = RandomGeneratorRecord;

extern "C" {

PI_EXPORT int32_t InitRandomGenerator(Record* r, int32_t count, int32_t a, int32_t lx, int32_t ly)
{
    return r ? randomfield::InitRandomGenerator(r, count, a, lx, ly) : 0;
}

PI_EXPORT int32_t ShutupRandomGenerator(Record* r) { return r ? randomfield::ShutupRandomGenerator(r) : 0; }

PI_EXPORT void PrepareRandomShifts(Record* r, int16_t** x, int16_t** y, int32_t count)
{
    if (r)
        randomfield::PrepareRandomShifts(r, x, y, count);
}

PI_EXPORT int32_t GetMaxErosionDegree() { return randomfield::GetMaxErosionDegree(); }

PI_EXPORT int32_t InitErosion(Record* r, int32_t count, int32_t a, int32_t degree)
{
    return r ? randomfield::InitErosion(r, count, a, degree) : 0;
}

PI_EXPORT int32_t PrepareErosion(Record* r, int16_t** x, int16_t** y, int32_t count)
{
    return r ? randomfield::PrepareErosion(r, x, y, count) : 0;
}

PI_EXPORT int32_t InitFluc(Record* r, int32_t count, int32_t a, int32_t lx, int32_t ly)
{
    return r ? randomfield::InitFluc(r, count, a, lx, ly) : 0;
}

PI_EXPORT void PrepareFluc(Record* r, int16_t** first, int16_t** second, int16_t** third, int32_t count)
{
    if (r)
        randomfield::PrepareFluc(r, first, second, third, count);
}

PI_EXPORT int32_t InitSmoothGenerator(Record* r, int32_t count, int32_t a, int32_t columnStep, int32_t rowStep)
{
    return r ? randomfield::InitSmoothGenerator(r, count, a, columnStep, rowStep) : 0;
}

PI_EXPORT void PrepareSmooth(Record* r, int16_t** x, int16_t** y, int32_t count, int32_t row)
{
    if (r)
        randomfield::PrepareSmooth(r, x, y, count, row);
}

} // extern "C"
