#include "editor/painting/PaintingStrings.h"

#include "base/QnRcStr.h"

namespace {

const QnStringTableEntry kPaintingStrings[] = {
    {IDS_FILLING, "Filling..."},
};

} // namespace

std::string PaintingString(int id)
{
    static QnRcStr* rc = [] {
        auto* table = new QnRcStr(0);
        table->SetTable(kPaintingStrings);
        return table;
    }();
    return (*rc)(id);
}
