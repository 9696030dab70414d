// Base of the tool classes. No field of its own; one more virtual slot
// after those of CLdLoadable. The editor tells a tool from a task by the
// name "CLdTool" in the chain of base-class records.
#pragma once

#include "editor/loadable/LdLoadable.h"

class QPoint;

class CLdTool : public CLdLoadable {
    FW_DECLARE_DYNCREATE(CLdTool)

public:
    CLdTool() = default;
    CLdTool(std::string name, int32_t titleId, int32_t tipId, int32_t commentId, int32_t bitmapId, int32_t helpId)
        : CLdLoadable(std::move(name), titleId, tipId, commentId, bitmapId, helpId)
    {
    }

    // The tool's option panel: a modeless child of parent with its top-left
    // corner at *at (parent's client coordinates), shown; null when the tool
    // has none. vertical and flag are the bar's orientation and a redraw
    // flag. The editor owns and destroys the panel.
    virtual QWidget* CreateOptionsPanel(QWidget* parent, QPoint* at, int vertical, int flag);
};
