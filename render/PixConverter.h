// Converters between pixel spaces. A converter wraps a render object into
// one that renders the same picture in the converter's target space.
#pragma once

#include "gc/QnGc.h"
#include "render/RenderObj.h"

class PpQnPixConverter;

class QnPixConverter : public QnObj {
public:
    // The render object that renders source in this converter's target space.
    virtual PpQnRenderObj ConvertRender(const PpQnRenderObj& source) = 0;
    // The converter in the opposite direction (the meaning of how belongs to
    // the converter); may be null.
    virtual PpQnPixConverter GetInverse(int how) = 0;
    // Nonzero when other converts exactly as this one does.
    virtual int IsSame(const QnPixConverter* other) = 0;
};

class PpQnPixConverter : public QnPp<QnPixConverter> {
public:
    // Selects the identity converter.
    struct TAG {};

    using QnPp::QnPp;
    PpQnPixConverter(const QnPp<QnPixConverter>& other) : QnPp(other) {}
    // The identity converter, whatever the tag.
    explicit PpQnPixConverter(TAG);
};
