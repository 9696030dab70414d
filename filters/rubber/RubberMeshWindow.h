// The preview control of the Rubber dialog: the tile with the stretch grid
// over it, dotted at rest; while the user drags, the grid of the drag is
// drawn inverted over the grid of the grab.
#pragma once

#include "filters/frame/PreviewWindow.h"
#include "filters/rubber/RubberMeshModel.h"
#include "filters/rubber/RubberParams.h"

#include <functional>

class RubberMeshWindow : public PreviewWindow {
public:
    RubberMeshWindow(RubberParams* params, QWidget* parent = nullptr);

    // Called when a drag has been stored in the parameters.
    void SetDragEnded(std::function<void()> dragEnded) { dragEnded_ = std::move(dragEnded); }
    const RubberMeshModel& Model() const { return model_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    RubberParams* params_;
    RubberMeshModel model_;
    std::function<void()> dragEnded_;
};
