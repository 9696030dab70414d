// A tool the bar makes current whose option panel is not built: asked for
// its panel, it tells the user so and gives none. No run-time record of its
// own: each tool's record names CLdTool as its base.
#pragma once

#include "editor/loadable/LdTool.h"
#include "framework/MessageBox.h"

class CWrenkitUnbuiltPanelTool : public CLdTool {
public:
    QWidget* CreateOptionsPanel(QWidget*, QPoint*, int, int) override
    {
        fw::MessageBox("Dialog isn't implemented", fw::MB_OK);
        return nullptr;
    }

protected:
    CWrenkitUnbuiltPanelTool(std::string name, int32_t titleId, int32_t tipId, int32_t commentId, int32_t bitmapId,
                             int32_t helpId)
        : CLdTool(std::move(name), titleId, tipId, commentId, bitmapId, helpId)
    {
    }
};
