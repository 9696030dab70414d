// The receiver a client gives a drawing context to learn which parts of its
// window need repainting.
#pragma once

class QnRgn;
class ZV_DRAWCONTEXT;

class ZV_REDRAWNTF {
public:
    ZV_REDRAWNTF() = default;
    ZV_REDRAWNTF(const ZV_REDRAWNTF&) = default;
    ZV_REDRAWNTF& operator=(const ZV_REDRAWNTF&) = default;
    virtual ~ZV_REDRAWNTF() = default;

    // Repaint the region of the window (both arguments are the same region;
    // null means the whole picture area). flag is passed on as the context
    // got it.
    virtual int Redraw(ZV_DRAWCONTEXT* context, const QnRgn* region, const QnRgn* update, int flag) = 0;
    // The system palette changed. Non-zero: handled here; 0 makes the
    // context bring the window's colours up to date itself.
    virtual int UpdateColors(ZV_DRAWCONTEXT* context) = 0;
};
