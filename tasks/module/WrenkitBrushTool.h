// What the Paint and Clone tools have in common: they become the bar's
// current tool and show a panel bound to the editor's brush, which the
// editor hands over before it asks for the panel. No run-time record of its
// own: each tool's record names CLdTool as its base.
#pragma once

#include "editor/loadable/LdTool.h"
#include "editor/loadable/ToolParams.h"
#include "tasks/module/panels/LdPanelPlacement.h"

#include <QPoint>
#include <memory>

class CWrenkitBrushTool : public CLdTool {
public:
    void SetParams(fw::Object* params) override { params_ = dynamic_cast<CBrushParams*>(params); }
    CBrushParams* GetParams() const { return params_; }

protected:
    CWrenkitBrushTool(std::string name, int32_t titleId, int32_t tipId, int32_t commentId, int32_t bitmapId,
                      int32_t helpId)
        : CLdTool(std::move(name), titleId, tipId, commentId, bitmapId, helpId)
    {
    }

    // The panel bound to the brush, made a child of parent with its top-left
    // corner at *at, and shown. No brush, no panel.
    template <class Panel>
    QWidget* CreateBrushPanel(QWidget* parent, const QPoint* at)
    {
        if (!params_)
            return nullptr;
        auto panel = std::make_unique<Panel>();
        panel->SetParams(params_);
        return LdPlacePanel(std::move(panel), parent, at);
    }

private:
    CBrushParams* params_ = nullptr;
};
