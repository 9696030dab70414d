#include "tasks/sketch/MetaDib.h"

#include <vector>

#include "tasks/sketch/SketchDib.h"

QImage MetaPackedDibImage(const MetaBytes& dib)
{
    if (!dib.Ok() || dib.Size() == 0)
        return {};
    const auto picture = SketchDibToImage(dib.Data(), dib.Size());
    if (!picture)
        return {};
    // A copy either way: the image must not read the record's bytes later.
    return picture->bottomUp ? picture->image.mirrored(false, true) : picture->image.copy();
}

QImage MetaDibImage(const MetaBytes& info, const MetaBytes& bits)
{
    if (!info.Ok() || !bits.Ok())
        return {};
    std::vector<uint8_t> packed(info.Data(), info.Data() + info.Size());
    packed.insert(packed.end(), bits.Data(), bits.Data() + bits.Size());
    return MetaPackedDibImage(MetaBytes(packed.data(), packed.size()));
}
