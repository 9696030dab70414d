// The entry of every filter of the art module: the frame's dispatcher with
// the filter's hooks (ArtFilter.h), About answered only where about says
// so. It never lets an exception out.
//
//   extern "C" PI_EXPORT void ENTRYPOINT3(int16_t selector, FilterRecord* record,
//                                         intptr_t*, int16_t* result)
//   {
//       static EmbossFilter filter;
//       ArtDispatch(filter, selector, record, result);
//   }
#pragma once

#include "filters/art/frame/ArtFilter.h"
#include "filters/sdk/PIFilter.h"

void ArtDispatch(ArtFilter& filter, int16_t selector, FilterRecord* record, int16_t* result,
                 ArtAbout about = ArtAbout::Ignore);
