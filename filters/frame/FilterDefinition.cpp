#include "filters/frame/FilterDefinition.h"

#include "filters/frame/FrameUi.h"
#include "filters/frame/HostDetection.h"

#include <cstring>

FilterDefinition::FilterDefinition(int32_t bytes, size_t showDialogOffset, size_t spareOffset)
    : bytes_(bytes), showDialogOffset_(showDialogOffset), spareOffset_(spareOffset)
{
}

int32_t FilterDefinition::ShowDialog(const void* block) const
{
    if (!block)
        return 0;
    int32_t value = 0;
    std::memcpy(&value, static_cast<const uint8_t*>(block) + showDialogOffset_, sizeof value);
    return value;
}

void FilterDefinition::SetShowDialog(void* block, int32_t value) const
{
    std::memcpy(static_cast<uint8_t*>(block) + showDialogOffset_, &value, sizeof value);
}

void FilterDefinition::ClearSpare(void* block) const
{
    if (spareOffset_ == kNoSpare)
        return;
    const int32_t zero = 0;
    std::memcpy(static_cast<uint8_t*>(block) + spareOffset_, &zero, sizeof zero);
}

void FilterDefinition::Prepare(FilterRecord* record)
{
    DetectHost(record);
    record->bufferSpace = BufferSpace();
}

void FilterDefinition::About()
{
    if (HasAbout())
        ShowAbout();
}

VBox FilterDefinition::PreviewBox(const FilterRecord&, bool resuming) const
{
    // The first fetch sizes the tile within the filter's box; a resumed
    // fetch keeps that size.
    return resuming ? VBox{0, 0, 180, 180} : StartBox();
}
