// A rectangle with no pixels of its own: opaque black inside, transparent
// outside. The editor composes on it as a background.
#pragma once

#include "picture/BlankTiles.h"
#include "picture/StretchCache.h"
#include "render/RenderObj.h"

class QnEmptyPicture : public QnRenderObj {
public:
    // Empty pictures are unique values: ordered by identity.
    int Compare(const PpQnFlVal& other) const override;

protected:
    friend struct ::QnObjCreator;
    explicit QnEmptyPicture(const QnRect& rect);

    void MarkFixedObjects(Visitor visit) override { stretch_.Mark(visit); }
    QnRect GetRect_I(const QnXFormXY& xf) override;
    PpQnPixBuf Render_I(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request,
                        QnRect* got, QnRenderProgress* progress, int rectOnly) override;
    PpQnPixConverter GetConverterToStd() override;
    int HasSafeConversion() override { return 1; }

private:
    QnRect rect_;
    QnBlankTiles blanks_;
    QnStretchCache stretch_;
};

class PpQnEmptyPicture : public QnPp<QnEmptyPicture> {
public:
    using QnPp::QnPp;
    explicit PpQnEmptyPicture(const QnRect& rect);
};
