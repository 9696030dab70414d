#include "editor/palette/LdPlugInPaletteItem.h"

#include "framework/Archive.h"

FW_IMPLEMENT_SERIAL(CLdPlugInPaletteItem, CLdPaletteItem, 1)

void CLdPlugInPaletteItem::Serialize(fw::Archive& ar)
{
    CLdPaletteItem::Serialize(ar);
    if (ar.IsStoring()) {
        ar << uint32_t(parameters_.size());
        if (!parameters_.empty())
            ar.Write(parameters_.data(), parameters_.size());
        return;
    }
    uint32_t size = 0;
    ar >> size;
    ar.RequireStored(size);
    std::vector<uint8_t> block(size);
    if (size)
        ar.ReadExact(block.data(), size);
    parameters_ = std::move(block);
}
