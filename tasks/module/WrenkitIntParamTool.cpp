#include "tasks/module/WrenkitIntParamTool.h"

#include "tasks/module/panels/LdIntParamPanel.h"
#include "tasks/module/panels/LdPanelPlacement.h"

CWrenkitIntParamTool::CWrenkitIntParamTool(std::string name, int32_t titleId, int32_t tipId, int32_t commentId,
                                           int32_t bitmapId, int32_t helpId, int32_t captionId)
    : CLdTool(std::move(name), titleId, tipId, commentId, bitmapId, helpId), captionId_(captionId)
{
    param_.SetValue(5);
}

QWidget* CWrenkitIntParamTool::CreateOptionsPanel(QWidget* parent, QPoint* at, int, int)
{
    auto panel = std::make_unique<CLdIntParamPanel>();
    panel->Bind(param_, LoadResString(captionId_));
    return LdPlacePanel(std::move(panel), parent, at);
}
