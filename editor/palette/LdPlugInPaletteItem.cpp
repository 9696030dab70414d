#include "editor/palette/LdPlugInPaletteItem.h"

#include "editor/builtins/FlRectPict.h"
#include "editor/effects/BuiltinEffectTable.h"
#include "framework/Archive.h"
#include "framework/MemFile.h"

FW_IMPLEMENT_SERIAL(CLdPlugInPaletteItem, CLdPaletteItem, 1)

namespace {

struct EffectRow {
    std::string module, entry1, entry2;
    intptr_t* dataWord = nullptr;
    int32_t flag = 0;
};

bool FindEffect(uint32_t commandId, EffectRow& row)
{
    return FindBuiltinEffect(int32_t(commandId), &row.module, &row.entry1, &row.entry2, &row.dataWord, &row.flag) != 0;
}

// A stored parameter block (size, then bytes) read into a byte vector.
std::vector<uint8_t> ReadBlock(fw::Archive& ar)
{
    uint32_t size = 0;
    ar >> size;
    ar.RequireStored(size);
    std::vector<uint8_t> block(size);
    if (size)
        ar.ReadExact(block.data(), size);
    return block;
}

} // namespace

CLdPlugInPaletteItem::CLdPlugInPaletteItem(uint32_t commandId, std::string name, uint32_t background,
                                           uint32_t foreground)
    : CLdPaletteItem(commandId, std::move(name), background, foreground)
{
    EffectRow row;
    if (FindEffect(commandId, row))
        instance_ = MakePlugInInstance(row.module, row.entry1, row.entry2, row.dataWord);
}

PpQnExpr CLdPlugInPaletteItem::Apply(const PpQnExpr& picture, const PpQnExpr& selection) const
{
    if (!instance_)
        return picture;
    return MakeFromRectPictExpr(MakeRunEffectModuleExpr(instance_, picture, selection, Foreground(), Background()));
}

bool CLdPlugInPaletteItem::CanCustomize() const
{
    EffectRow row;
    return instance_ && FindEffect(CommandId(), row) && row.flag != 0;
}

std::vector<uint8_t> CLdPlugInPaletteItem::Parameters() const
{
    if (!instance_)
        return unknownParameters_;
    fw::MemFile file;
    {
        fw::Archive ar(file, fw::Archive::store);
        instance_->StoreParameters(ar);
        ar.Close();
    }
    file.Seek(0);
    fw::Archive ar(file, fw::Archive::load);
    return ReadBlock(ar);
}

void CLdPlugInPaletteItem::SetParameters(const std::vector<uint8_t>& block)
{
    fw::MemFile file;
    {
        fw::Archive ar(file, fw::Archive::store);
        ar << uint32_t(block.size());
        if (!block.empty())
            ar.Write(block.data(), block.size());
        ar.Close();
    }
    file.Seek(0);
    fw::Archive ar(file, fw::Archive::load);
    EffectRow row;
    if (FindEffect(CommandId(), row))
        instance_ = MakePlugInInstance(row.module, row.entry1, row.entry2, row.dataWord, ar);
    else
        unknownParameters_ = ReadBlock(ar);
}

PpPlugInInstance CLdPlugInPaletteItem::RenewInstance()
{
    PpPlugInInstance old = instance_;
    if (old)
        instance_ = CopyPlugInInstance(*old);
    return old;
}

void CLdPlugInPaletteItem::Serialize(fw::Archive& ar)
{
    CLdPaletteItem::Serialize(ar);
    if (ar.IsStoring()) {
        if (instance_) {
            instance_->StoreParameters(ar);
            return;
        }
        ar << uint32_t(unknownParameters_.size());
        if (!unknownParameters_.empty())
            ar.Write(unknownParameters_.data(), unknownParameters_.size());
        return;
    }
    EffectRow row;
    if (FindEffect(CommandId(), row)) {
        // The block is kept as the effect stored it: the tool runs with it
        // without asking.
        instance_ = MakePlugInInstance(row.module, row.entry1, row.entry2, row.dataWord, ar);
        unknownParameters_.clear();
        return;
    }
    instance_ = nullptr;
    unknownParameters_ = ReadBlock(ar);
}
