// Shapes grouped into one: moved, drawn and hit together. The group owns
// its children; commands stop at the group.
#pragma once

#include <memory>
#include <vector>

#include "tasks/sketch/CVShape.h"

class CVShape_Group : public CVShape {
    FW_DECLARE_SERIAL(CVShape_Group)

public:
    CVShape_Group() = default;
    ~CVShape_Group() override;

    bool OnCmdMsg(uint32_t id, fw::CmdCode code, fw::CmdUI* ui) override;
    // Every child with the same frames; returns the points moved in all.
    int MapPoints(const QnRect& from, const QnRect& to) override;
    // True when a child is hit.
    int HitTest(const QnPoint& pt) override;
    // Every child, from the head of the list to its tail.
    void Draw(CVSketchDC* dc) override;
    // The union of the children's rectangles; all zero without children.
    QnRect GetBoundRect() const override;
    // The shape's form, then the children.
    void Serialize(fw::Archive& ar) override;

    void AddChild(std::unique_ptr<CVShape> child) { children.push_back(std::move(child)); }

    std::vector<std::unique_ptr<CVShape>> children;
};
