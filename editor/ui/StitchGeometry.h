// The arithmetic of Picture > Stitch behind its dialog and preview: where
// the upper picture goes for each choice of edges, how far it may be
// shifted, the canvas both pictures are shown on, and the zoom levels of
// the preview window. A level n >= 1 shows n : 1, a level n <= -1 1 : -n.
#pragma once

#include "render/Rect.h"

#include <cstdint>

struct StitchSizes {
    int32_t lowerWidth = 0;
    int32_t lowerHeight = 0;
    int32_t upperWidth = 0;
    int32_t upperHeight = 0;
};

enum StitchEdges : int {
    kRightOfUpperLeftOfLower = 0,
    kBottomOfUpperTopOfLower = 1,
    kLeftOfUpperRightOfLower = 2,
    kTopOfUpperBottomOfLower = 3,
    kCustomShifts = 4,
};

// The upper picture's shift against the lower one for a choice of edges;
// custom shifts are only clamped.
QnPoint StitchPlacement(int edges, const StitchSizes& sizes, const QnPoint& custom);
// X within [-upper width, lower width], Y within [-upper height, lower height].
QnPoint ClampStitchShift(const QnPoint& shift, const StitchSizes& sizes);
// The lower picture in the middle, a margin of the upper picture's size
// on every side.
QnRect StitchCanvas(const StitchSizes& sizes);
QnRect StitchLowerRect(const StitchSizes& sizes);
QnRect StitchUpperRect(const StitchSizes& sizes, const QnPoint& shift);
// The shift that puts the upper picture's marker on the lower one's (both
// offsets inside their pictures), clamped.
QnPoint StitchAlignMarkers(const QnPoint& lowerMarker, const QnPoint& upperMarker, const StitchSizes& sizes);

// The level of a view whose canvas-to-window ratio is ratio.
int StitchZoomLevel(double ratio);
// The ratio a level shows.
double StitchZoomRatio(int level);
// The next level in and out; 0 when there is none (at 32 and beyond, or
// below -31).
int StitchZoomIn(int level);
int StitchZoomOut(int level);
// How many times a frame must shrink to fit the screen (1 when it fits).
int32_t StitchReduction(const QnPoint& frame, const QnPoint& screen);
