// The editor's selection settings: the record the editor's selector reads
// when the user selects, and that the selection tool's option panel writes.
// The editor owns the one instance and hands it to the "Select" tool; the
// class lives in this shared library so that the editor and the modules
// work on one and the same class.
#pragma once

#include <cstdint>

#include "framework/Object.h"

class CSelectParams : public fw::Object {
    FW_DECLARE_DYNCREATE(CSelectParams)

public:
    CSelectParams() = default;

    // Selection shape: 0 to 5, the shape buttons of the selection panel.
    int32_t mode = 0;
    // 0 new selection, 1 add to it, 2 subtract from it.
    int32_t combine = 0;
    // The editor's own; modules neither read nor write it.
    int32_t editorState = -1;
    // Flags of shapes 0 and 1: keep the shape square; take width and height.
    int32_t square = 0;
    int32_t fixedSize = 0;
    // The fixed size in pixels.
    int32_t width = 100;
    int32_t height = 100;
    // Colour tolerance 0 to 255 of shape 4.
    int32_t tolerance = 16;
};
