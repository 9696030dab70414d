#include "editor/operations/PaletteData.h"

#include <functional>
#include <vector>

PaletteData::PaletteData(ZvdPaletteObj* obj, int colours) : QnFlVal(1), obj_(obj), table_(ZvdGetTable(obj))
{
    std::vector<uint8_t> work(ZVD_WORK_BLOCK);
    const int count = ZvdColorsToMake(table_, work.data(), colours);
    ZvdMakePalette(table_, &palette_, work.data(), count);
}

PaletteData::~PaletteData()
{
    ZvdReleaseTable(obj_);
    ZvdFreePalette(obj_);
}

int PaletteData::Compare(const PpQnFlVal& other) const
{
    const std::less<const QnFlVal*> before;
    const QnFlVal* theirs = other.Get();
    return before(this, theirs) ? -1 : before(theirs, this) ? 1 : 0;
}
