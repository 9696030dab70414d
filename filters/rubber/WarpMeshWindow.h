// The preview control of the Warp dialog: the tile with the mesh over it,
// dotted with filled handles at rest, drawn inverted while a handle is
// dragged.
#pragma once

#include "filters/frame/PreviewWindow.h"
#include "filters/rubber/WarpMeshModel.h"
#include "filters/rubber/WarpParams.h"

#include <functional>

class WarpMeshWindow : public PreviewWindow {
public:
    WarpMeshWindow(WarpParams* params, QWidget* parent = nullptr);

    // Called when a drag has been stored in the parameters.
    void SetDragEnded(std::function<void()> dragEnded) { dragEnded_ = std::move(dragEnded); }
    WarpMeshModel& Model() { return model_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    WarpParams* params_;
    WarpMeshModel model_;
    std::function<void()> dragEnded_;
};
