// The entries of the art module. The editor's table of built-in effects
// names them; the module carries no property list, so no other host lists
// them. Only the first entry answers About.
#include "filters/art/ArtFilters.h"
#include "filters/art/frame/ArtDispatch.h"

#define ART_ENTRY(entry, about, maker)                                                                           \
    extern "C" PI_EXPORT void entry(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)         \
    {                                                                                                             \
        static const std::unique_ptr<ArtFilter> filter = maker;                                                   \
        ArtDispatch(*filter, selector, record, result, about);                                                    \
    }

// clang-format off
ART_ENTRY(ENTRYPOINT,   ArtAbout::Show,   MakeMosaic3DFilter())      // 3D Mosaic
ART_ENTRY(ENTRYPOINT1,  ArtAbout::Ignore, MakeAutoBrushFilter())     // Automatic brush
ART_ENTRY(ENTRYPOINT2,  ArtAbout::Ignore, MakeTextureFilter(1))      // Canvas
ART_ENTRY(ENTRYPOINT3,  ArtAbout::Ignore, MakeEmbossFilter())        // Emboss
ART_ENTRY(ENTRYPOINT4,  ArtAbout::Ignore, MakeEngraveFilter())       // Engrave
ART_ENTRY(ENTRYPOINT5,  ArtAbout::Ignore, MakeFacettedGlassFilter()) // Facetted glass
ART_ENTRY(ENTRYPOINT6,  ArtAbout::Ignore, MakeGraphicPenFilter())    // Graphic pen
ART_ENTRY(ENTRYPOINT7,  ArtAbout::Ignore, MakeHandDrawingFilter())   // Hand drawing
ART_ENTRY(ENTRYPOINT8,  ArtAbout::Ignore, MakeOilPaintFilter())      // Oil paint
ART_ENTRY(ENTRYPOINT9,  ArtAbout::Ignore, MakeNotePaperFilter())     // Note paper
ART_ENTRY(ENTRYPOINT10, ArtAbout::Ignore, MakeTextureFilter(2))      // Cracks
ART_ENTRY(ENTRYPOINT11, ArtAbout::Ignore, MakeTextureFilter(3))      // Padding
ART_ENTRY(ENTRYPOINT12, ArtAbout::Ignore, MakeTextureFilter(0))      // Mosaic
ART_ENTRY(ENTRYPOINT13, ArtAbout::Ignore, MakeReliefFilter())        // Relief
ART_ENTRY(ENTRYPOINT14, ArtAbout::Ignore, MakeScatterFilter())       // Scatter
ART_ENTRY(ENTRYPOINT15, ArtAbout::Ignore, MakeStrokesFilter())       // Strokes
ART_ENTRY(ENTRYPOINT16, ArtAbout::Ignore, MakeButtonizeFilter())     // Buttonize
// clang-format on
