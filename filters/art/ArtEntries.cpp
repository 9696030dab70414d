// The entries of the art module. The editor's table of built-in effects
// names them; the module carries no property list, so no other host lists
// them. Only the first entry answers About.
#include "filters/art/PendingArtFilter.h"
#include "filters/art/frame/ArtDispatch.h"

#define ART_ENTRY(entry, about, section, templateId, helpContext)                                                 \
    extern "C" PI_EXPORT void entry(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)         \
    {                                                                                                             \
        static PendingArtFilter filter(ArtFilterInfo{section, templateId, helpContext});                          \
        ArtDispatch(filter, selector, record, result, about);                                                     \
    }

// clang-format off
ART_ENTRY(ENTRYPOINT,   ArtAbout::Show,   "3DMosaic",  144, 5)  // 3D Mosaic
ART_ENTRY(ENTRYPOINT1,  ArtAbout::Ignore, "AutoBrush", 145, 0)  // Automatic brush
ART_ENTRY(ENTRYPOINT2,  ArtAbout::Ignore, nullptr,     0,   0)  // Canvas
ART_ENTRY(ENTRYPOINT3,  ArtAbout::Ignore, "Emboss",    146, 1)  // Emboss
ART_ENTRY(ENTRYPOINT4,  ArtAbout::Ignore, "Engrave",   147, 2)  // Engrave
ART_ENTRY(ENTRYPOINT5,  ArtAbout::Ignore, "FGlass",    148, 3)  // Facetted glass
ART_ENTRY(ENTRYPOINT6,  ArtAbout::Ignore, "GrPen",     149, 4)  // Graphic pen
ART_ENTRY(ENTRYPOINT7,  ArtAbout::Ignore, nullptr,     0,   0)  // Hand drawing
ART_ENTRY(ENTRYPOINT8,  ArtAbout::Ignore, "OilPaint",  145, 10) // Oil paint
ART_ENTRY(ENTRYPOINT9,  ArtAbout::Ignore, "NoteP",     150, 6)  // Note paper
ART_ENTRY(ENTRYPOINT10, ArtAbout::Ignore, nullptr,     0,   0)  // Cracks
ART_ENTRY(ENTRYPOINT11, ArtAbout::Ignore, nullptr,     0,   0)  // Padding
ART_ENTRY(ENTRYPOINT12, ArtAbout::Ignore, nullptr,     0,   0)  // Mosaic
ART_ENTRY(ENTRYPOINT13, ArtAbout::Ignore, "Relief",    151, 7)  // Relief
ART_ENTRY(ENTRYPOINT14, ArtAbout::Ignore, "Scat",      153, 8)  // Scatter
ART_ENTRY(ENTRYPOINT15, ArtAbout::Ignore, "Strokes",   152, 9)  // Strokes
ART_ENTRY(ENTRYPOINT16, ArtAbout::Ignore, "Buttonz",   154, 11) // Buttonize
// clang-format on
