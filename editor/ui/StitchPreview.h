// The stitch dialog's preview window: both pictures on one canvas at their
// relative position, the upper one drawn over the lower one. The user drags
// the upper picture, or marks one point on each picture with Shift held to
// align them, zooms and scrolls; every shift made here goes back into the
// dialog as custom shifts. The window exists only while it is open.
#pragma once

#include "blt/Blt.h"
#include "editor/ui/StitchGeometry.h"
#include "render/XFormXY.h"

#include <QPoint>
#include <QPointer>
#include <cstdint>

class QCursor;
class QPaintEvent;
class QRegion;
class QWidget;
class StitchDlg;
class StitchPreviewWnd;

class StitchPreview {
public:
    static constexpr uint32_t ID_CLOSE = 100;
    static constexpr uint32_t ID_ZOOM_IN = 101;
    static constexpr uint32_t ID_ZOOM_OUT = 102;

    explicit StitchPreview(StitchDlg& owner);
    ~StitchPreview();

    void Open();
    void Close();
    bool IsOpen() const;
    void Raise();
    // The upper picture moved: its old place was invalidated before.
    void RefreshUpper();
    void InvalidateUpper();

    // The window (null while closed) and its drawing area.
    QWidget* Window() const;
    QWidget* Canvas() const;

    int ZoomLevel() const { return level_; }
    // Zoom in arms the zoom: the next click zooms there.
    void ZoomIn();
    void ZoomOut();
    void ZoomTo(int level, const QPoint& client);
    bool ZoomArmed() const { return zoomArmed_; }
    void OnCommand(uint32_t id);

    // Mouse input in client points of the drawing area.
    void OnLButtonDown(const QPoint& client, bool shift);
    void OnMouseMove(const QPoint& client);
    void OnLButtonUp();
    void OnKey(bool down);
    bool Dragging() const { return dragging_; }
    bool MarkerSet(bool upper) const { return upper ? upperMarkerSet_ : lowerMarkerSet_; }

    // Canvas and client points.
    QnPoint ClientToCanvas(const QPoint& client) const;
    QPoint CanvasToClient(const QnPoint& canvas) const;

    // Called by the window.
    void Paint(QPaintEvent* event);
    void UpdateScrollBars();
    void UpdateCursor(bool shift);

private:
    QnXFormXY View() const;
    QnRect UpperRect() const;
    QnRect ClientRect(const QnRect& canvasRect) const;
    QPoint Scroll() const;
    void InvalidateCanvas(const QnRect& canvasRect);
    void InvalidateMarker(bool upper);
    QPoint MarkerClient(bool upper) const;
    void DrawPicture(class DeviceContext& dc, QnBlt& blt, const PpQnRenderObj& picture, const QnRect& canvasRect,
                     const QnRgn& clip);
    void DrawMarker(class QPainter& painter, bool upper, const QnRect& pictureClient);

    StitchDlg& owner_;
    QPointer<StitchPreviewWnd> window_;
    int level_ = 1;
    QnBlt lowerBlt_;
    QnBlt upperBlt_;
    bool dragging_ = false;
    QnPoint dragOffset_;
    bool zoomArmed_ = false;
    int armedLevel_ = 0;
    bool lowerMarkerSet_ = false;
    bool upperMarkerSet_ = false;
    QnPoint lowerMarker_;
    QnPoint upperMarker_;
};
