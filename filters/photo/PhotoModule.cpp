// The entries of Fxrun.8bf, the photo module. Every entry answers About.
#include "filters/art/frame/ArtDispatch.h"
#include "filters/frame/FilterModuleInfo.h"
#include "filters/photo/BrCont.h"
#include "filters/photo/CleanBkgnd.h"
#include "filters/photo/Focus.h"
#include "filters/photo/HueSat.h"
#include "filters/photo/Mosaic.h"
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
PHOTO_ENTRY(ENTRYPOINT,  MosaicFilter())
PHOTO_ENTRY(ENTRYPOINT1, CleanBkgndFilter())
PHOTO_ENTRY(ENTRYPOINT2, BrContFilter())
PHOTO_ENTRY(ENTRYPOINT3, HueSatFilter())
PHOTO_ENTRY(ENTRYPOINT4, RedEyeFilter())
PHOTO_ENTRY(ENTRYPOINT5, FocusFilter())
PHOTO_ENTRY(ENTRYPOINT6, SolarFilter())
PHOTO_ENTRY(ENTRYPOINT7, SmTuneFilter())
// clang-format on
