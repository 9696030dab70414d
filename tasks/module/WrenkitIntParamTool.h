// What the art tools with one whole-number setting have in common (Hand
// drawing, Scatter, Facet, Mosaic): the setting, 0 to 10 starting at 5,
// made anew with every tool object, and an option panel that shows a copy
// of it under the caption string of the tool. No run-time record of its
// own: each tool's record names CLdTool as its base, the class the editor
// looks for.
#pragma once

#include "editor/loadable/LdTool.h"
#include "tasks/module/LdIntParam.h"

class CWrenkitIntParamTool : public CLdTool {
public:
    QWidget* CreateOptionsPanel(QWidget* parent, QPoint* at, int vertical, int flag) override;

    const CLdIntParam& Param() const { return param_; }

protected:
    CWrenkitIntParamTool(std::string name, int32_t titleId, int32_t tipId, int32_t commentId, int32_t bitmapId,
                         int32_t helpId, int32_t captionId);

private:
    CLdIntParam param_{0, 10};
    int32_t captionId_;
};
