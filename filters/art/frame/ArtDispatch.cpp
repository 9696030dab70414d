#include "filters/art/frame/ArtDispatch.h"

#include "filters/frame/FilterDispatch.h"

void ArtDispatch(ArtFilter& filter, int16_t selector, FilterRecord* record, int16_t* result, ArtAbout about)
{
    filter.SetAbout(about);
    FilterDispatch(filter, selector, record, result);
}
