// The entries of Fxrun.8bf, the photo module. Every entry answers About;
// the neighbourhood filters are not in this build yet and refuse to run.
#include "filters/art/PendingArtFilter.h"
#include "filters/art/frame/ArtDispatch.h"
#include "filters/frame/FilterModuleInfo.h"
#include "filters/photo/BrCont.h"
#include "filters/photo/HueSat.h"
#include "filters/photo/RedEye.h"
#include "filters/photo/SmTune.h"
#include "filters/photo/Solar.h"

const FilterModuleInfo& FilterModuleDescription()
{
    static const FilterModuleInfo info{"About", "Orvane Plug-in Collection", "Orvane Telvy v.1.2",
                                       "Quendle Software Plug-in v.1.1", "telvy11.hlp"};
    return info;
}

#define PHOTO_ENTRY(entry, filterExpr)                                                                        \
    extern "C" PI_EXPORT void entry(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)     \
    {                                                                                                         \
        static auto filter = filterExpr;                                                                      \
        ArtDispatch(filter, selector, record, result, ArtAbout::Show);                                        \
    }

// clang-format off
PHOTO_ENTRY(ENTRYPOINT,  PendingArtFilter(ArtFilterInfo{"Mosaic", 148, 3}))
PHOTO_ENTRY(ENTRYPOINT1, PendingArtFilter(ArtFilterInfo{"CleanBkgnd", 149, 3}))
PHOTO_ENTRY(ENTRYPOINT2, BrContFilter())
PHOTO_ENTRY(ENTRYPOINT3, HueSatFilter())
PHOTO_ENTRY(ENTRYPOINT4, RedEyeFilter())
PHOTO_ENTRY(ENTRYPOINT5, PendingArtFilter(ArtFilterInfo{"Focus", 153, 3}))
PHOTO_ENTRY(ENTRYPOINT6, SolarFilter())
PHOTO_ENTRY(ENTRYPOINT7, SmTuneFilter())
// clang-format on
