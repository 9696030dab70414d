#include "filters/rubber/SevenLongFilter.h"

SevenLongFilter::SevenLongFilter(int32_t type)
    : FilterDefinition(sizeof(SevenLongParams), offsetof(SevenLongParams, showDialog),
                       offsetof(SevenLongParams, spare)),
      type_(type)
{
}

void SevenLongFilter::OnStart(void* block) const
{
    if (type_ != kNoType)
        Params(block).type = type_;
}
