// The selector dispatcher of every filter of the art module. Unlike the
// frame's it keeps the stored parameters at Parameters, fetches a 1:1 crop
// for the preview and answers About only on the module's first entry. It
// never lets an exception out.
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

enum class ArtAbout { Ignore, Show };

void ArtDispatch(ArtFilter& filter, int16_t selector, FilterRecord* record, int16_t* result,
                 ArtAbout about = ArtAbout::Ignore);
