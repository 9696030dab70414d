// The parameter records of the painting, fill and text tools: the editor
// owns one of each, its dialog bar snapshots them (by assignment) when a tool
// opens and puts them back on Cancel, and the tools' option panels in the
// modules write them. Like CSelectParams they live in this shared library so
// that the editor and the modules work on the same classes.
#pragma once

#include <cstdint>
#include <string>

#include "framework/Object.h"

// Brush of the Paint and Clone tools.
class CBrushParams : public fw::Object {
    FW_DECLARE_DYNCREATE(CBrushParams)

public:
    CBrushParams() = default;
    CBrushParams(const CBrushParams& other) = default;
    CBrushParams& operator=(const CBrushParams& other) = default;

    int32_t shape = 0;  // brush cell 0 to 3
    int32_t smooth = 0; // softness 0 to 3
    int32_t size = 1;   // dab edge in pixels
    uint32_t color = 0; // 0x00BBGGRR
    int32_t mode = 0;   // 0 paint, 1 spray, 2 smudge, 3 lighten, 4 darken
};

// Fill of the Fill tool and the view's fill mode.
class CFillParams : public fw::Object {
    FW_DECLARE_DYNCREATE(CFillParams)

public:
    CFillParams() = default;
    CFillParams(const CFillParams& other) = default;
    CFillParams& operator=(const CFillParams& other) = default;

    int32_t kind = 0;      // fill pattern 0 to 6; the "Fill" setting
    int32_t region = 0;    // 0 the selection, 1 the colour range at the point
    int32_t tolerance = 0;
    uint32_t color1 = 0;
    uint32_t color2 = 0;
};

// Text of the Text tool. The ninth number is the tool's own state: a copy
// starts it at 0 and an assignment leaves the target's alone.
class CTextParams : public fw::Object {
    FW_DECLARE_DYNCREATE(CTextParams)

public:
    static constexpr int kInts = 9;

    CTextParams() = default;
    CTextParams(const CTextParams& other);
    CTextParams& operator=(const CTextParams& other);

    std::string text;
    std::string face = "Arial";
    int32_t ints[kInts] = {64, 0, 0, 0, 0, 0, 0, 0, 0};
};
