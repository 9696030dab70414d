// A sketch: shapes in front-to-back order (the head is the front: drawn
// last and hit first), which it owns, and the selected shapes, which it
// does not. The calendar page is one. The creation mode and the drag handle
// are one value each for the whole module: the calendar dialogs set the
// mode before they ask for a shape, the view that drags sets the handle.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/CmdTarget.h"
#include "render/Rect.h"

class CVShape;
class CVSketchDC;

class CVSketch : public fw::CmdTarget {
    FW_DECLARE_SERIAL(CVSketch)

public:
    // Creation modes: which shape AddShape makes.
    enum { kModeNone = 0, kModeRect = 1, kModeCalendar = 2, kModeLine = 3, kModeText = 4 };
    // Drag handles: what dragging the selection changes.
    enum {
        kHandleNone = 0,
        kHandleMove = 1,
        kHandleTopLeft = 2,
        kHandleTop = 3,
        kHandleTopRight = 4,
        kHandleRight = 5,
        kHandleBottomRight = 6,
        kHandleBottom = 7,
        kHandleBottomLeft = 8,
        kHandleLeft = 9,
    };
    // How near an edge (sketch units) a point must be to grab it.
    static constexpr QnPoint kHandleTolerance{5, 5};
    // Thickness of the selection frame on screen (device units).
    static constexpr QnPoint kSelectionFrame{2, 2};

    static int GetCreationMode();
    // Returns the previous mode.
    static int SetCreationMode(int mode);
    static int GetDragHandle();
    static void SetDragHandle(int handle);

    CVSketch() = default;
    ~CVSketch() override;

    // A shape of the creation mode over from-to, made the only selected
    // shape and put in front; null in mode 0 and in an unknown mode (which
    // shows "Don't support this mode").
    CVShape* AddShape(const QnPoint& from, const QnPoint& to);
    // Every shape from back to front; on screen, the selection frame.
    void Draw(CVSketchDC* dc);
    // Selects the front-most shape under pt alone (or none).
    QnRect SelectAt(const QnPoint& pt);
    // Selects, alone, the back-most shape that lies wholly in r; keeps the
    // selection when none does.
    QnRect SelectInRect(const QnRect& r);
    // The bounding rectangle of the first selected shape; all zero when
    // nothing is selected.
    QnRect GetSelectionRect() const;
    // The same, and the selection is emptied.
    QnRect TakeSelectionRect();
    CVShape* GetSelected() const;
    // Selects s alone (nothing for null).
    void Select(CVShape* s);
    // The drag handle under pt (sketch units).
    int HitHandle(const QnPoint& pt) const;
    // Applies the drag handle with offset to every selected shape.
    void DragSelection(const QnPoint& offset);
    // Moves s to the front when it is one of the sketch's shapes.
    void BringToFront(CVShape* s);
    // Empties the selection and deletes every shape.
    void RemoveAll();
    // Puts a shape in front (the sketch owns it from now on).
    CVShape* AddHead(std::unique_ptr<CVShape> shape);

    // Head (front) first.
    const std::vector<std::unique_ptr<CVShape>>& GetShapes() const { return shapes_; }
    const std::vector<CVShape*>& GetSelection() const { return selection_; }

    // Commands go to every selected shape, then to the sketch.
    bool OnCmdMsg(uint32_t id, fw::CmdCode code, fw::CmdUI* ui) override;
    // The shape list; the selection is not stored. Loading adds the stored
    // shapes behind those the sketch has.
    void Serialize(fw::Archive& ar) override;

private:
    std::vector<std::unique_ptr<CVShape>> shapes_;
    std::vector<CVShape*> selection_;
};
