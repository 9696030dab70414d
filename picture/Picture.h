// The raster picture of the suite: a render object whose pixels live in
// 64 x 64 tiles, of one of five pixel types, with a palette, resolutions and
// the option text of its last save. It is also the work area the
// import/export library reads files into (CAbstractReadWA) and writes files
// from (CAbstractWriteWA).
//
// Tiles that were never written hold no pixels: they read as the picture's
// background tile (zeros, or the colour a colour picture was made with) and
// get a store of their own, starting as a copy of the background, on their
// first write. Copies of a picture share pixel stores until either writes.
#pragma once

#include "imexp/WorkArea.h"
#include "lang/LsmDataObj.h"
#include "lang/LsmStream.h"
#include "picture/BlankTiles.h"
#include "picture/SaveOptions.h"
#include "picture/StretchCache.h"
#include "render/RenderObj.h"

#include <cstdint>
#include <memory>
#include <vector>

class PpQnPixConverter;
class ConvProgress;
struct QnDeferredPixels;

class QnPicture : public QnRenderObj, public CAbstractReadWA, public CAbstractWriteWA {
public:
    static constexpr int32_t kTile = QnBlankTiles::kTile;

    int Type() const { return type_; }
    int IsPaletted() const { return type_ != WA_RGB24; }
    int HasFixedPalette() const { return type_ == WA_1BIT || type_ == WA_GRAY; }
    // Continuous-tone pictures: colour and grey.
    int IsHalfToned() const { return type_ == WA_RGB24 || type_ == WA_GRAY; }
    int GetPaletteSize() const { return paletteSize_; }
    int32_t GetWidth() const { return width_; }
    int32_t GetHeight() const { return height_; }
    int32_t GetBytesPerPixel() const { return bytesPerPixel_; }
    int GetHRes() const { return hRes_; }
    int GetVRes() const { return vRes_; }
    void SetHRes(int dpi) { hRes_ = dpi; }
    void SetVRes(int dpi) { vRes_ = dpi; }
    const QnSaveOptions& GetSaveOptions() const { return saveOptions_; }
    void SetSaveOptions(const QnSaveOptions& options) { saveOptions_ = options; }
    void SetCallSaveOptionsFlag(int flag) { callSaveOptions_ = flag; }

    // Entries first, first + 1, ... up to count of them and the palette's
    // end, with flags 0; returns how many were copied.
    int GetPaletteEntries(int first, int count, PALETTEENTRY* out) const;
    // Red, green and blue of entries first, ... within the palette; fixed
    // palettes and colour pictures change nothing. Returns how many were set.
    int SetPaletteEntries(int first, int count, const PALETTEENTRY* in);

    // A writable view of the tile holding p, cut to the picture, its
    // rectangle in *out: writes through it change the picture. Another plane
    // or a point outside gives an empty buffer and a zero rectangle.
    PpQnPixBuf GetAccessToBuffer(int plane, const QnPoint& p, QnRect* out);
    // Copies buf's pixels, in the picture's own form, over its rectangle cut
    // to the picture. Planes other than 0 are ignored.
    void WriteToRect(int plane, const PpQnPixBuf& buf);
    // Copies the pixels of line row over [range.start, range.end) cut to the
    // picture; data holds them from range.start on.
    void WriteToRow(int plane, int32_t row, const QnRange& range, const unsigned char* data);
    // Copies the pixels of line row (top-down) over [range.start, range.end)
    // cut to the picture, in the picture's own form, into out, which holds
    // them from range.start on; bytes for columns outside are left alone.
    void ReadFromRow(int plane, int32_t row, const QnRange& range, unsigned char* out) const;

    // True while the full pixels of a picture loaded from a file wait to be
    // decoded (QnShrinkOnLoad); meanwhile screens that show it reduced enough
    // draw a reduced decode of the same file (GetZoomSource).
    bool PixelsPending() const { return deferred_ != nullptr; }
    // Decodes the full pixels now when they wait. Every reader and writer of
    // pixels does this itself; callers use it to choose when the work
    // happens. Raises QnPictureFileExcept when the decode fails.
    void EnsurePixels() const
    {
        if (deferred_)
            DecodeDeferred();
    }

    // While the full pixels wait, a zoom that reduces by the preview's
    // reduction or more is drawn from the preview.
    PpQnRenderObj GetZoomSource(const QnXFormXY& zoom, QnXFormXY* stretch) override;

    // The 64 x 64 cell holding p (floor division).
    static QnRect CalcRect(const QnPoint& p);
    using QnRenderObj::CalcRect;

    // Pictures are unique values: they are ordered by identity.
    int Compare(const PpQnFlVal& other) const override;

    // The import sink: rows bottom-up, packed as DIB rows.
    int SetImageNum(int n) override;
    int SetLayersNum(int image, int n) override;
    int SetSize(int image, int layer, int width, int height) override;
    int SetType(int image, int layer, int type) override;
    int SetPalette(int image, int layer, PALETTEENTRY* entries, int count) override;
    int SetRes(int image, int layer, int h, int v) override;
    int SetRow(int image, int layer, int row, const unsigned char* data) override;

    // The export source.
    int GetImageNum(int& n) const override;
    int GetLayersNum(int image, int& n) const override;
    int GetSize(int image, int layer, int& width, int& height) const override;
    int GetType(int image, int layer, int& type) const override;
    int GetPalette(int image, int layer, PALETTEENTRY* out) const override;
    int GetRes(int image, int layer, int& h, int& v) const override;
    int GetRow(int image, int layer, int row, unsigned char* out) const override;

    // Writes the stored form (a DIB without file header) to stream; name,
    // when given, is shown in the progress text.
    void SaveToStream(QnLsmStream& stream, QnProcessControl* control, const char* name) const;

protected:
    friend struct ::QnObjCreator;
    friend class PpQnPicture;
    template <class> friend class QnLsmDataObjFactory;

    // Empty: 0 x 0, no palette (what the load/save cache loads into).
    QnPicture();
    // A copy-on-write twin of other.
    QnPicture(const QnPicture& other, int copy);
    ~QnPicture() override;

    void MarkFixedObjects(Visitor visit) override;
    QnRect GetRect_I(const QnXFormXY& xf) override;
    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                        QnRect* got, QnRenderProgress* progress, int rectOnly) override;
    PpQnPixConverter GetConverterToStd() override;
    int HasSafeConversion() override { return 1; }

    // A file descriptor's file in its own format, any other descriptor's
    // storage in the stored form.
    void LoadData(const PpQnLsmDsc& dsc, QnProcessControl* control) override;
    int SaveData(const PpQnLsmDsc& dsc, QnProcessControl* control) const override;

private:
    // Checks the type and size and sets everything that follows from them:
    // bytes per pixel, palette (fixed palettes filled, others zero), tile
    // counts. Raises "Unsupported WA type" or "Bad picture size".
    void Init(int type);
    // The file paths of LoadData and SaveData: the import/export library
    // reads or writes realFileName, the file the descriptor really uses.
    // Failure raises QnPictureFileExcept with the library's reason.
    void LoadDataFromFile(const char* fileName, const char* realFileName, QnProcessControl* control);
    // Nonzero when the file's format loses data (JPEG).
    int SaveDataToFile(const char* fileName, const char* realFileName, QnProcessControl* control) const;
    // The shrink-on-load path of LoadDataFromFile: the header and a reduced
    // preview now, the full pixels later; or the whole picture now.
    void LoadWithPreview(const char* realFileName, ConvProgress& progress);
    // Decodes the waiting full pixels; on failure they still wait.
    void DecodeDeferred() const;
    // Makes every tile unwritten over background (null: zeros).
    void BuildTiles(const PpQnPixBuf& background);
    // The sink's first row, or a load: Init, the pending palette, the tiles.
    void MakeReady();

    int32_t TileIndex(int32_t x, int32_t y) const { return (y / kTile) * tilesAcross_ + x / kTile; }
    // The tile's pixels for reading: its own, or the background's.
    const PpQnPixBuf& TileFor(int32_t index) const;
    // The tile's own buffer, made over the background when it had none.
    const PpQnPixBuf& WritableTile(int32_t index);
    // Line y (top-down) over columns [x0, x1) from pixels, bpp bytes each.
    void WriteLine(int32_t y, int32_t x0, int32_t x1, const uint8_t* pixels);
    // Line y (top-down) over columns [x0, x1), bpp bytes each, into out.
    void ReadLine(int32_t y, int32_t x0, int32_t x1, uint8_t* out) const;
    // Line number (top-down) of a bottom-up row; raises for rows outside.
    int32_t LineOfRow(int row) const;

    std::vector<PpQnPixBuf> tiles_; // row-major; null: never written
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t type_ = 0;
    int32_t hRes_ = 300;
    int32_t vRes_ = 300;
    // The export library may replace the option block even when saving
    // leaves the picture's pixels alone.
    mutable QnSaveOptions saveOptions_;
    int32_t callSaveOptions_ = 0;
    int32_t tilesAcross_ = 0;
    int32_t tilesDown_ = 0;
    int32_t tileRowBytes_ = kTile;
    std::vector<PALETTEENTRY> palette_;
    int32_t paletteSize_ = 0;
    int32_t bytesPerPixel_ = 1;
    QnBlankTiles blanks_;
    PpQnPixBuf background_{nullptr}; // what unwritten tiles read
    QnStretchCache stretch_;
    int32_t tilesReady_ = 0;
    std::vector<PALETTEENTRY> pendingPalette_;
    std::vector<uint8_t> line_; // the sink's unpacked row
    // Set while the full pixels wait: tiles_ is empty until they come.
    mutable std::unique_ptr<QnDeferredPixels> deferred_;
};

class PpQnPicture : public QnPp<QnPicture> {
public:
    using QnPp::QnPp;
    PpQnPicture(const QnPp<QnPicture>& other) : QnPp(other) {}
    // An empty picture (0 x 0, no type yet) for the import sink to fill.
    static PpQnPicture Empty();
    // A colour picture filled with colour (0x00BBGGRR).
    PpQnPicture(int32_t width, int32_t height, uint32_t colour);
    // A picture of type with black (zero) pixels; types 2 and 4 take their
    // palette from palette (palette-size entries, or zeros when null).
    PpQnPicture(int32_t width, int32_t height, int type, const PALETTEENTRY* palette);
    // copy 0: the same picture; otherwise a copy-on-write twin.
    PpQnPicture(const PpQnPicture& other, int copy);
    // The picture bound to dsc, loaded through the cache when none is.
    PpQnPicture(const PpQnLsmDsc& dsc, QnProcessControl* control);
    PpQnPicture(const PpQnPicture& other) = default;
    PpQnPicture& operator=(const PpQnPicture& other) = default;
};
