// Scales a source render object by a rational transform with nearest-sample
// resampling. It answers in blocks of at most 64 x 64 destination pixels and
// asks the source only for the source pixels those blocks need.
#pragma once

#include "render/PixConverter.h"
#include "render/RenderObj.h"
#include "render/XFormXY.h"

#include <cstdint>
#include <vector>

class QnStretchRenderObj : public QnRenderObj {
public:
    static constexpr int32_t kMaxPlanes = 10;
    static constexpr int32_t kBlock = 64;

    // The format of one plane. Only the bytes per pixel matter here; the
    // other numbers are kept for those who pass them.
    struct PlaneFmt {
        int32_t first;
        int32_t second;
        int32_t bytesPerPixel;
        int32_t fourth;
    };

    // The resampling method that options choose for one axis (see QnGetStrOpt).
    static int32_t GetStrOpt(const QnXForm& map, int options);
    // table[i] = the source index under the centre of destination pixel x0 + i.
    static void FillRoughTable(int32_t* table, int32_t x0, int32_t count, const QnXForm& inverse);

    // Orders by the sources, then by the transform and the plane formats.
    int Compare(const PpQnFlVal& other) const override;

    int32_t XMethod() const { return xMethod_; }
    int32_t YMethod() const { return yMethod_; }

protected:
    friend struct ::QnObjCreator;

    // stretch maps the source plane onto the destination plane. A plane
    // count outside 0..10 raises "Bad number of planes"; a transform that
    // flattens an axis raises "Bad transformation factor".
    QnStretchRenderObj(const QnXFormXY& stretch, int options, QnRenderObj* source, int32_t planes,
                       const PlaneFmt* formats, QnPixConverter* converter, int32_t extra);

    void MarkFixedObjects(Visitor visit) override;
    QnRect GetRect_I(const QnXFormXY& xf) override;
    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                        QnRect* got, QnRenderProgress* progress, int rectOnly) override;
    PpQnPixConverter GetConverterToStd() override;
    int HasSafeConversion() override { return 1; }

    // Fills the index tables for the destination block r; they only grow.
    void CreateTables(const QnRect& r);
    void FreeXTables();
    void FreeYTables();

private:
    // The source rectangle a piece answered and its image in the block.
    struct Piece {
        QnRect part;
        QnRect cover;
    };
    // Checks an answer of the source against the promise the loop lives
    // on: the part holds the source anchor and its image the block corner.
    Piece CheckPiece(const QnRect& part, const QnPoint& srcAnchor, const QnRect& block, const QnPoint& corner) const;
    void SampleCover(QnPixBuf& out, const QnRect& block, const QnPixBuf& pixels, const Piece& piece,
                     int32_t bytes, QnRenderProgress* progress);

    QnXFormXY stretch_;
    QnXForm invX_;
    QnXForm invY_;
    int32_t xMethod_;
    int32_t yMethod_;
    QnRenderObj* source_;
    int32_t planes_;
    PlaneFmt formats_[kMaxPlanes] = {};
    int32_t extra_;
    QnPixConverter* converter_;
    std::vector<int32_t> xTable_;
    std::vector<int32_t> yTable_;
    std::vector<int32_t> offsets_; // byte offsets of the sampled columns of one cover
};

class PpQnStretchRenderObj : public QnPp<QnStretchRenderObj> {
public:
    using QnPp::QnPp;
    PpQnStretchRenderObj(const QnXFormXY& stretch, int options, const PpQnRenderObj& source, int32_t planes,
                         const QnStretchRenderObj::PlaneFmt* formats, const PpQnPixConverter& converter,
                         int32_t extra);
};
