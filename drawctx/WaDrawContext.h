// The common implementation of the drawing context: the picture and its
// region in the window, what must be redrawn, the layers, the requested and
// effective options and the monitor gamma tables. The three display
// families derive from it.
#pragma once

#include "drawctx/WaLayer.h"
#include "drawctx/WaTileGrid.h"
#include "drawctx/ZvDisplay.h"
#include "drawctx/ZvDrawContext.h"
#include "render/Rgn.h"

#include <cstdint>
#include <memory>
#include <vector>

// The bits of what PrepareColors answers.
enum : int {
    WA_PC_REDRAW_REST = 1, // ask the receiver to redraw the rest of the picture
    WA_PC_REDRAW_FLAG = 2, // the flag of that request
    WA_PC_ALL_STALE = 4,   // every cached pixel is stale
    WA_PC_ANIMATING = 8,   // a palette animation runs
};

// How the rows of a band are drawn: their bits per pixel and the colour
// table of the bitmap header, as palette indices or (empty) none.
struct WaBandInfo {
    int32_t width = 0;
    int bits = 24;
    bool paletteIndices = false;
    std::vector<uint16_t> table; // entries of the display palette

    bool operator==(const WaBandInfo&) const = default;
};

// What changed since the last draw; Draw clears them.
struct WaChanges {
    bool transform = false; // a change that was not a pure whole-pixel shift
    bool gamma = false;
    bool bits = false;
    bool palette = false;
    bool options = false;

    bool operator==(const WaChanges&) const = default;
};

class WaDrawContext : public ZV_DRAWCONTEXT {
public:
    using ZV_DRAWCONTEXT::InvalidateImageBits;
    using ZV_DRAWCONTEXT::SetXF;
    using ZV_DRAWCONTEXT::SetMonitorGamma;
    using ZV_DRAWCONTEXT::GetMonitorGamma;
    using ZV_DRAWCONTEXT::SetDrawOptions;
    using ZV_DRAWCONTEXT::GetDrawOptions;
    using ZV_DRAWCONTEXT::IsFastDrawAllowed;

    // Raises bltbadparams for a null picture; otherwise holds a reference
    // to it, takes the options natural for its type and shows it upright at
    // 1:1 with its top row at client y = 0, all of it to be drawn.
    WaDrawContext(WA* picture, ZV_REDRAWNTF* receiver, const ZvDisplay& display);
    ~WaDrawContext() override;

    void SetXF(const ZVXFORM& xf, int redraw) override;

    int32_t AddLayer(WA* picture, WA* mask, const ZVXFORM& xf, int visible) override;
    int RemoveLayer(int32_t id) override;
    int IsLayerVisible(int32_t id) override;
    int ShowLayer(int32_t id, int show, int* oldShow) override;
    int PlaceLayer(int32_t id, int32_t after, const ZVXFORM& xf, int what) override;
    int GetLayerInfo(int32_t id, int32_t* pos, int32_t* prev, int32_t* next, ZVXFORM* xf) override;
    WA* GetLayerPicture(int32_t id) override;
    WA* GetLayerMask(int32_t id) override;

    void SetMonitorGamma(const ZV_MG& gamma) override;
    void GetMonitorGamma(ZV_MG& gamma) const override { gamma = gamma_; }

    void ResetDrawOptions() override;
    void SetDrawOptions(const ZV_CDOPTFV& options) override;
    void GetDrawOptions(ZV_CDOPTFV& options) const override { options = requested_; }
    int IsFastDrawAllowed(const ZV_CDOPT& options) const override;
    void SetDitherOrigin(int x, int y) override;

    void InvalidateImageBits(const QnRect* r) override;
    void InvalidatePalette() override;
    void InvalidateAll() override;
    int IsValid() override { return 1; }

    void Draw(DeviceContext* dc, const QnRgn* clip, ZvWindow* window, int background, int flags,
              std::unique_ptr<LOGPALETTE>* outPalette) override;
    void ForwardRedraw(int32_t, const QnRgn* region, int32_t, int flag) override;
    void ReservedA(int32_t) override {}
    void ReservedB(int32_t) override {}

    // What the context holds, for its own drawing and for tests.
    WA* Picture() const { return picture_; }
    const ZvDisplay& Display() const { return display_; }
    const QnRgn& InvalidRgn() const { return invalid_; }
    const QnRgn& PictureRgn() const { return pictureRgn_; }
    const WaChanges& Changes() const { return changes_; }
    bool Drawn() const { return drawn_; }
    const ZV_CDOPT& EffectiveOptions() const { return effective_; }
    QnPoint DitherOrigin() const { return ditherOrigin_; }
    // 0 red, 1 green, 2 blue.
    const uint8_t* GammaTable(int channel) const { return gammaTables_[channel]; }
    const WaLayerList& Layers() const { return layers_; }
    // The layer's area in client coordinates.
    QnRect LayerArea(const WaLayer& layer) const;

    // Settles the effective options for the display and builds the display
    // palette when it must be; answers WA_PC_* bits.
    virtual int PrepareColors() = 0;
    // The bits and colour table of the bands of rectangle r.
    virtual void PrepareBitmapInfo(const QnRect& r) = 0;
    // The colour table and palette the rows of a draw are dithered with:
    // here no table and the palette of the option, which the dithering
    // library fills.
    virtual void GetDitherTables(int** table, LOGPALETTE** palette);
    // The last touch on an output row before it is drawn; gamma reaches
    // the screen through the palette here, so nothing is done.
    virtual void CorrectOutputRow(uint8_t* row, int bits, int32_t width);
    virtual void ReleaseDitherTables() {}

    // The cache of drawn tiles.
    WaTileGrid& Tiles() { return tiles_; }
    // Client pixels made by the row producers so far: what draws redid.
    int64_t RenderedPixels() const { return renderedPixels_; }

    // The display palette, or null.
    const LOGPALETTE* DisplayPalette() const { return palette_.get(); }
    const WaBandInfo& BandInfo() const { return band_; }

protected:
    void MarkAllInvalid() { invalid_ += pictureRgn_; }
    void FillGammaTables();
    // The effective options of the next draw, settled from the requested
    // ones for the picture type.
    void SettleOptions();
    void ClearChanges();
    // The palette the dithering library gives an option; false when the
    // option has none.
    static bool FillOptionPalette(const ZV_CDOPT& options, LOGPALETTE& out);
    // The picture's own palette (types 1, 2, 4) or grey levels (type 8).
    void FillPicturePalette(LOGPALETTE& out) const;
    // Every entry through the gamma tables, unless the gamma is 100/100/100.
    void ApplyGamma(LOGPALETTE& palette) const;
    // n palette indices from 0 at bits per pixel.
    void SetBandIndices(const QnRect& r, int bits, int n);

    WaChanges changes_;
    std::unique_ptr<LOGPALETTE> palette_;
    LOGPALETTE optionPalette_;
    WaBandInfo band_;
    ZV_CDOPTFV requested_;
    ZV_CDOPT effective_;

private:
    // One context a band is drawn into: the window's, or a tile's bitmap.
    struct Target {
        DeviceContext* dc;
        WaTileGrid::Tile* tile;
    };

    void UpdatePictureRgn();
    void Render(DeviceContext& dc, const QnRgn& region, int flags);
    // Makes the rows of r band by band and draws each into every target.
    void RenderRect(const std::vector<Target>& targets, const QnRect& r);
    // A band of the row producer's output as 24-bit rows through the
    // colour table and the display palette.
    void ExpandBand(const uint8_t* rows, int32_t width, int32_t height, int bits, std::vector<uint8_t>& out) const;
    static void PutBand(const Target& target, const QnRect& band, const DibBits& dib);
    static void CopyTile(DeviceContext& dc, const WaTileGrid::Tile& tile, const QnRect& r);
    void RedrawLayerArea(const WaLayer& layer);
    // Moves layer to the place after names; false for an unknown id. moved
    // tells whether its place changed.
    bool MoveLayer(WaLayer* layer, int32_t after, bool& moved);

    // Releases the picture however the context ends, even when its
    // construction fails half-way.
    struct PictureRef {
        explicit PictureRef(WA* wa) : wa(WAAddRef(wa)) {}
        ~PictureRef() { WARelease(wa); }
        WA* wa;
    };

    PictureRef pictureRef_;
    WA* picture_;
    ZvDisplay display_;
    QnRgn invalid_;
    QnRgn pictureRgn_;
    ZV_MG gamma_;
    uint8_t gammaTables_[3][256];
    QnPoint ditherOrigin_;
    WaLayerList layers_;
    bool drawn_ = false;
    WaTileGrid tiles_;
    std::vector<uint8_t> bandBuffer_;
    std::vector<uint8_t> bandColour_;
    int64_t renderedPixels_ = 0;
};
