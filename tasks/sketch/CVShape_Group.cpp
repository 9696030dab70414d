#include "tasks/sketch/CVShape_Group.h"

#include "framework/Archive.h"
#include "tasks/sketch/SketchArchive.h"

FW_IMPLEMENT_SERIAL(CVShape_Group, CVShape, 1)

CVShape_Group::~CVShape_Group()
{
    while (!children.empty())
        children.erase(children.begin());
}

bool CVShape_Group::OnCmdMsg(uint32_t id, fw::CmdCode code, fw::CmdUI* ui)
{
    return fw::CmdTarget::OnCmdMsg(id, code, ui);
}

int CVShape_Group::MapPoints(const QnRect& from, const QnRect& to)
{
    int moved = 0;
    for (const auto& child : children)
        moved += child->MapPoints(from, to);
    return moved;
}

int CVShape_Group::HitTest(const QnPoint& pt)
{
    for (const auto& child : children)
        if (child->HitTest(pt))
            return 1;
    return 0;
}

void CVShape_Group::Draw(CVSketchDC* dc)
{
    for (const auto& child : children)
        child->Draw(dc);
}

QnRect CVShape_Group::GetBoundRect() const
{
    QnRect r;
    bool first = true;
    for (const auto& child : children) {
        const QnRect c = child->GetBoundRect();
        if (first) {
            r = c;
            first = false;
            continue;
        }
        r.left = std::min(r.left, c.left);
        r.top = std::min(r.top, c.top);
        r.right = std::max(r.right, c.right);
        r.bottom = std::max(r.bottom, c.bottom);
    }
    return r;
}

void CVShape_Group::Serialize(fw::Archive& ar)
{
    CVShape::Serialize(ar);
    if (ar.IsStoring()) {
        SketchWriteList(ar, children);
        return;
    }
    auto read = SketchReadList<CVShape>(ar);
    for (auto& child : read)
        if (child)
            children.push_back(std::move(child));
}
