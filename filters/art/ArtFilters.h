// The seventeen filters of OVARTG.8bf, one maker each; the module's entries
// keep one filter each for the life of the module.
#pragma once

#include "filters/art/frame/ArtFilter.h"

#include <memory>

std::unique_ptr<ArtFilter> MakeMosaic3DFilter();
std::unique_ptr<ArtFilter> MakeAutoBrushFilter();
std::unique_ptr<ArtFilter> MakeOilPaintFilter();
// Textures: 0 Mosaic, 1 Canvas, 2 Cracks, 3 Padding.
std::unique_ptr<ArtFilter> MakeTextureFilter(int32_t variant);
std::unique_ptr<ArtFilter> MakeEmbossFilter();
std::unique_ptr<ArtFilter> MakeEngraveFilter();
std::unique_ptr<ArtFilter> MakeFacettedGlassFilter();
std::unique_ptr<ArtFilter> MakeGraphicPenFilter();
std::unique_ptr<ArtFilter> MakeHandDrawingFilter();
std::unique_ptr<ArtFilter> MakeNotePaperFilter();
std::unique_ptr<ArtFilter> MakeReliefFilter();
std::unique_ptr<ArtFilter> MakeScatterFilter();
std::unique_ptr<ArtFilter> MakeStrokesFilter();
std::unique_ptr<ArtFilter> MakeButtonizeFilter();
