// The window that shows one picture document: its zoom, the mapping
// between window and picture coordinates, the painting of the picture
// through a blitter one 128 x 128 tile at a time, scrolling, the cursor and
// mouse of the current tool, and the clone brush's reference marker.
#pragma once

#include "framework/PrintDialog.h"

#include <QImage>
#include <cstdint>

#include "blt/Blt.h"
#include "editor/ui/PictureViewProbe.h"
#include "editor/view/QuendleScrollView.h"
#include "editor/view/ViewZoom.h"
#include "render/XFormXY.h"

class CLodo40Doc;
class CLdViewTool;

// The largest rectangle of inner's aspect centred in outer.
QnRect FitRectKeepAspect(const QnRect& inner, const QnRect& outer);
// Where a picture of size lands on a page of page device pixels at dpi,
// inside margins (hundredths of a millimetre, the printer's minimum ones
// already outside the page).
QnRect PrintedPictureRect(const QnPoint& size, const QRect& page, int32_t dpi, const fw::PageMargins& margins);

class CLodo40View : public CQuendleScrollView, public CLdPictureViewProbe {
    FW_DECLARE_DYNCREATE(CLodo40View)

public:
    static constexpr uint32_t ID_VIEW_ACTUAL = 32784;
    static constexpr uint32_t ID_VIEW_ZOOMIN = 32785;
    static constexpr uint32_t ID_VIEW_ZOOMOUT = 32786;
    static constexpr uint32_t ID_VIEW_CORRECT_WINDOW_SIZE = 32787;
    static constexpr uint32_t ID_VIEW_FIT_IN_WINDOW = 32872;
    static constexpr uint32_t IDI_CLONE_MARKER = 158;

    CLodo40View();
    ~CLodo40View() override;

    CLodo40Doc* GetDocument() const;

    // Coordinates.
    QnRect GetPictureRect() const;
    QnPoint ClientToPicture(const QnPoint& p) const;
    QnPoint PictureToClient(const QnPoint& p) const;
    QnRect PictureRectToClient(const QnRect& r) const;
    QnRect GetPictureClientRect() const;
    QnPoint ClampToPicture(const QnPoint& p) const;
    ViewZoom Zoom() const { return zoom_; }
    const QnXFormXY& ZoomXForm() const { return zoomXForm_; }

    // Zoom and frame.
    void SetZoom(const QnXFormXY& zoom);
    void UpdateScrollSizes();
    void FitFrameToPicture(bool clip);

    // The clone brush's reference marker (picture coordinates).
    void ShowCloneMarker(int32_t x, int32_t y);
    void MoveCloneMarker(int32_t dx, int32_t dy);
    void HideCloneMarker();
    bool CloneMarkerShown() const { return cloneMarkerShown_; }

    // Commands.
    void OnViewActualView();
    void OnViewZoomIn();
    void OnViewZoomOut();
    void OnViewFitInWindow();
    void OnViewCorrectWindowSize();
    void OnUpdateViewCorrectWindowSize(fw::CmdUI& ui);
    const fw::MessageMap* GetMessageMap() const override;

    // Framework.
    void OnUpdate(fw::View* sender, int64_t hint, const void* hintObject) override;
    void OnActivateView(bool activate, fw::View* activated, fw::View* deactivated) override;
    bool OnScrollBy(int32_t dx, int32_t dy, bool doScroll) override;

    // CLdPictureViewProbe
    bool HitTestClient(const QPoint& screenPoint) const override;
    QnPoint ScreenToPicture(const QPoint& screenPoint) const override;
    platform::COLORREF GetPixelColor(const QnPoint& at) const override;
    QnXFormXY GetViewXForm() const override;

    // File > Page Setup, and printing: one page, the picture fitted into
    // the margins.
    void OnFilePageSetup();
    bool OnPreparePrinting(fw::PrintInfo& info) override;
    void OnDraw(QPainter& painter) override;
    const fw::PageMargins& Margins() const { return margins_; }

    // Paints what waits to be painted now, before the next input is handled
    // (a stroke shows as it is drawn).
    void UpdateNow();
    // Paints every pending tile at once (tests and the screenshot hook).
    void PaintAll();
    // What the view shows of the picture now, as an image of the client.
    QImage Grab();
    // The blitter's pending work and cache, for tests.
    QnBlt& Blitter() { return blitter_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QnPoint EventPoint(const QMouseEvent* event) const;
    void InvalidateCloneMarker();
    void UpdateCursor(const QnPoint& at, Qt::KeyboardModifiers modifiers);
    // The picture's window extent grown by the child frame's borders.
    QSize FrameBorders() const;
    void SchedulePending();

    fw::PageMargins margins_;
    bool cloneMarkerShown_ = false;
    QnPoint cloneMarkerPoint_;
    QnPoint cloneMarkerOffset_;
    QnBlt blitter_{128, 128};
    QnXFormXY extraXForm_;
    QnXFormXY zoomXForm_;
    ViewZoom zoom_;
    bool captured_ = false;
    QRegion pending_;
    bool pendingPosted_ = false;
    QImage cloneMarker_;
};
