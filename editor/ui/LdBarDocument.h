// What a dialog bar asks of the active picture document: whether undo and
// redo have steps, the picture's type and pixels, and its selection.
#pragma once

#include "render/Rgn.h"

#include <cstdint>
#include <vector>

class CLdBarDocument {
public:
    // Picture type codes of truecolour and grey pictures; tasks that do not
    // accept any picture are disabled for the others.
    static constexpr int32_t kTrueColour = 16;
    static constexpr int32_t kGrey = 8;

    virtual ~CLdBarDocument() = default;

    virtual bool UndoListEmpty() const = 0;
    virtual bool RedoListEmpty() const = 0;
    virtual int32_t PictureType() const = 0;
    // The current picture as a packed 24-bit DIB.
    virtual std::vector<uint8_t> RenderToDib() = 0;
    virtual QnRgn GetSelection() const = 0;
    virtual void SetSelection(const QnRgn& selection) = 0;
    virtual void UpdateAllViews() = 0;
};
