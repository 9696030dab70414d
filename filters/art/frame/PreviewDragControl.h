// The preview control of the art dialogs (control 10006): shows the crop
// through the host's displayPixels, unfiltered or filtered as the dialog's
// show flag says, and lets the user drag the crop across the image where
// the host serves any rectangle.
#pragma once

#include "filters/art/frame/PreviewDragModel.h"
#include "filters/frame/PreviewWindow.h"

#include <cstdint>

class FilterEngine;

// What the dialog does for a drag: hide the filtered copy, move the crop,
// show it filtered again.
class PreviewDragListener {
public:
    virtual ~PreviewDragListener() = default;
    virtual void OnDragBegin() = 0;
    virtual void OnDragStep(int32_t dx, int32_t dy) = 0;
    virtual void OnDragEnd() = 0;
};

class PreviewDragControl : public PreviewWindow {
public:
    static constexpr const char* kNotMovableText =
        "Sorry, but your host application is not completely Adobe Photoshop Plug-in interface v.3.05 "
        "compatible!\nCan't replace preview area!";

    explicit PreviewDragControl(QWidget* parent = nullptr);

    void SetEngine(FilterEngine* engine) { engine_ = engine; }
    FilterEngine* Engine() const { return engine_; }
    void SetListener(PreviewDragListener* listener) { listener_ = listener; }
    // The copy shown: true for the filtered one.
    void SetShow(bool show) { show_ = show; }
    bool Show() const { return show_; }
    bool Dragging() const { return model_.Dragging(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void UpdateCursor();

    PreviewDragModel model_;
    FilterEngine* engine_ = nullptr;
    PreviewDragListener* listener_ = nullptr;
    bool show_ = false;
};
