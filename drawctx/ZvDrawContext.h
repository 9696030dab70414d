// The drawing context a client asks for to show a work-area picture in a
// window: the transform between the window (client coordinates) and the
// picture, layers over the picture, draw options, monitor gamma and a colour
// correction hook. It tells its redraw receiver which parts of the window
// need repainting. The implementations stand behind WACreateDrawContext.
#pragma once

#include "dither/LogPalette.h"
#include "drawctx/ZvCorrectColors.h"
#include "drawctx/ZvHeapObj.h"
#include "drawctx/ZvOptions.h"
#include "drawctx/ZvRedrawNtf.h"
#include "drawctx/zvwa/WA.h"
#include "drawctx/zvxform/ZVXFORM.h"
#include "render/Rect.h"
#include "render/Rgn.h"

#include <cstdint>
#include <memory>

class DeviceContext;
// The window a context draws into and realizes its palette in; given by the
// window side of the suite.
class ZvWindow;

// Pseudo layer ids of the layer queries: before the first layer and after
// the last one.
enum : int32_t { ZV_LAYER_FRONT = -1, ZV_LAYER_BACK = -2, ZV_LAYER_FORWARD = -3, ZV_LAYER_BACKWARD = -4 };

class ZV_DRAWCONTEXT : public Zvwb_nd {
public:
    // The transform starts as the identity.
    explicit ZV_DRAWCONTEXT(ZV_REDRAWNTF* receiver);
    ZV_DRAWCONTEXT(const ZV_DRAWCONTEXT&) = default;
    ZV_DRAWCONTEXT& operator=(const ZV_DRAWCONTEXT&) = default;
    virtual ~ZV_DRAWCONTEXT();

    // Stores xf when it differs from the transform held; sends no redraw
    // here (the implementations do, when redraw asks for it).
    virtual void SetXF(const ZVXFORM& xf, int redraw);

    // A new layer in front; answers its id, or 0 when it cannot be made.
    virtual int32_t AddLayer(WA* picture, WA* mask, const ZVXFORM& xf, int visible) = 0;
    virtual int RemoveLayer(int32_t id) = 0;
    virtual int IsLayerVisible(int32_t id) = 0;
    virtual int ShowLayer(int32_t id, int show, int* oldShow) = 0;
    // what 1: move the layer behind after (or to a ZV_LAYER_* place);
    // what 2: set its transform.
    virtual int PlaceLayer(int32_t id, int32_t after, const ZVXFORM& xf, int what) = 0;
    virtual int GetLayerInfo(int32_t id, int32_t* pos, int32_t* prev, int32_t* next, ZVXFORM* xf) = 0;
    // The layer's picture and mask, each with a reference added.
    virtual WA* GetLayerPicture(int32_t id) = 0;
    virtual WA* GetLayerMask(int32_t id) = 0;

    virtual void SetMonitorGamma(const ZV_MG& gamma) = 0;
    virtual void GetMonitorGamma(ZV_MG& gamma) const = 0;
    virtual int IsGammaSupported() = 0;

    // Options back to those natural for the picture type.
    virtual void ResetDrawOptions() = 0;
    virtual void SetDrawOptions(const ZV_CDOPTFV& options) = 0;
    virtual void GetDrawOptions(ZV_CDOPTFV& options) const = 0;
    virtual int IsFastDrawAllowed(const ZV_CDOPT& options) const = 0;
    virtual void SetDitherOrigin(int x, int y) = 0;

    // r in picture coordinates; null means the whole picture.
    virtual void InvalidateImageBits(const QnRect* r) = 0;
    virtual void InvalidatePalette() = 0;
    virtual void InvalidateAll() = 0;
    virtual int IsValid() = 0;

    // Draws the part of the picture within clip (client coordinates, null
    // for all) on dc. outPalette, when given, receives a copy of the
    // display palette, or null.
    virtual void Draw(DeviceContext* dc, const QnRgn* clip, ZvWindow* window, int background, int flags,
                      std::unique_ptr<LOGPALETTE>* outPalette) = 0;
    virtual void ForwardRedraw(int32_t, const QnRgn* region, int32_t, int flag) = 0;
    virtual int RealizeForeground(ZvWindow* window) = 0;
    virtual void RealizeBackground(ZvWindow* window) = 0;
    virtual void ReservedA(int32_t) = 0;
    virtual void ReservedB(int32_t) = 0;
    virtual int BeginPaletteAnimation(ZvWindow* window, unsigned first, unsigned count,
                                      PALETTEENTRY* out) = 0;
    virtual int AnimatePalette(ZvWindow* window, unsigned first, unsigned count,
                               const PALETTEENTRY* entries) = 0;
    virtual void EndPaletteAnimation(ZvWindow* window) = 0;
    virtual int CanAnimatePalette() = 0;

    // The transform, client to picture.
    ZVXFORM GetXF() const { return xf_; }
    // X from (client.left, client.right) to (picture.left, picture.right)
    // and Y likewise from top and bottom. For the usual upright view the
    // picture rectangle's top is the picture height and its bottom 0.
    void SetXF(const QnRect& client, const QnRect& picture, int redraw);

    // Picture to client (the reverse map) and client to picture; mode is
    // the transform's rounding mode.
    void WAToClient(QnPoint& p, int mode) const { xf_.RevXForm(p, mode); }
    void WAToClient(QnRect& r, int mode) const { xf_.RevXForm(r, mode); }
    void WAToClient(QnPoint* p, int mode) const { xf_.RevXForm(*p, mode); }
    void WAToClient(QnRect* r, int mode) const { xf_.RevXForm(*r, mode); }
    void WAToClientRect(QnRect& r, int mode) const { xf_.RevXForm(r, mode); }
    void ClientToWA(QnPoint& p, int mode) const { xf_.XForm(p, mode); }
    void ClientToWA(QnRect& r, int mode) const { xf_.XForm(r, mode); }
    void ClientToWA(QnPoint* p, int mode) const { xf_.XForm(*p, mode); }
    void ClientToWA(QnRect* r, int mode) const { xf_.XForm(*r, mode); }
    void ClientToWARect(QnRect& r, int mode) const { xf_.XForm(r, mode); }

    void InvalidateImageBits(const QnRect& r) { InvalidateImageBits(&r); }

    int HideLayer(int32_t id) { return ShowLayer(id, 0, nullptr); }
    int MoveLayerAfter(int32_t id, int32_t after) { return PlaceLayer(id, after, ZVXFORM(), 1); }
    int SetLayerXF(int32_t id, const ZVXFORM& xf) { return PlaceLayer(id, 0, xf, 2); }
    int SetLayerXF(int32_t id, const QnRect& client, const QnRect& picture);

    int32_t GetNumberOfLayers();
    int32_t GetFirstLayer();
    int32_t GetLastLayer();
    int GetPrevLayer(int32_t id, int32_t& prev) { return GetLayerInfo(id, nullptr, &prev, nullptr, nullptr); }
    int GetNextLayer(int32_t id, int32_t& next) { return GetLayerInfo(id, nullptr, nullptr, &next, nullptr); }
    int GetLayerZPos(int32_t id, int32_t& pos) { return GetLayerInfo(id, &pos, nullptr, nullptr, nullptr); }
    int GetLayerXF(int32_t id, ZVXFORM& xf) { return GetLayerInfo(id, nullptr, nullptr, nullptr, &xf); }

    void SetMonitorGamma(int red, int green, int blue) { SetMonitorGamma(ZV_MG(red, green, blue)); }
    void GetMonitorGamma(int& red, int& green, int& blue) const;

    void SetDrawOptions(int colour, int direct, uint32_t colours, uint32_t flags, int fastView)
    {
        SetDrawOptions(ZV_CDOPTFV(colour, direct, colours, flags, fastView));
    }
    void GetDrawOptions(int& colour, int& direct, uint32_t& colours, uint32_t& flags, int& fastView) const;
    int IsFastDrawAllowed(int colour, int direct, uint32_t colours, uint32_t flags) const
    {
        return IsFastDrawAllowed(ZV_CDOPT(colour, direct, colours, flags));
    }

    void SetColorCorrection(ZV_CORRECTCOLORS* correction) { correct_ = correction; }
    ZV_CORRECTCOLORS* GetColorCorrection() const { return correct_; }

protected:
    // The receiver's Redraw(this, ...), or 0 without a receiver.
    int SendRedraw(const QnRgn* region, const QnRgn* update, int flag);
    // The receiver's UpdateColors(this), or 0 without a receiver.
    int SendUpdateColors();

    ZV_REDRAWNTF* receiver_;
    ZVXFORM xf_;
    ZV_CORRECTCOLORS* correct_ = nullptr;
};

// A drawing context over picture for the display's abilities; the caller
// deletes it. Null when memory runs out; other errors (bltbadparams for a
// null picture) reach the caller with the memory freed.
ZV_DRAWCONTEXT* WACreateDrawContext(WA* picture, ZV_REDRAWNTF* receiver);

// The display rules of the colour options, for the display recorded at load
// or for a given device context: non-zero from IsFastDrawAllowed when a
// faster substitute exists (the option is slow); IsOptionAvailable answers
// whether the option is valid and, in supported, whether it is shown as
// it is.
int IsFastDrawAllowed(int waType, const ZV_CDOPT& options);
int IsFastDrawAllowedForDC(const DeviceContext* dc, int waType, const ZV_CDOPT& options);
int IsOptionAvailable(int waType, const ZV_CDOPT& options, int& supported);
int IsOptionAvailableForDC(const DeviceContext* dc, int waType, const ZV_CDOPT& options, int& supported);
