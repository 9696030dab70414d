// The render objects the colour converters make: each renders its source
// and converts the rows of plane 0; alpha comes from the source or is made.
// The conversion writes a new buffer, or converts in place through the
// buffer's writable rows, which first give it a private copy of a store it
// shares with a picture or another render: no converter ever writes into
// pixels someone else keeps.
#pragma once

#include "render/PixConverter.h"
#include "render/RenderObj.h"

#include <cstddef>
#include <cstdint>

// Declares the per-class pool allocation of a converting render object.
#define QN_CONV_POOLED                                   \
public:                                                  \
    static void* operator new(size_t size);              \
    static void operator delete(void* p) noexcept;       \
                                                         \
private:

class QnConvRenderObj : public QnRenderObj {
public:
    // Converts width pixels of one row; in and out may be the same row.
    using RowFn = void (*)(const uint8_t* in, uint8_t* out, int32_t width, const void* context);

    // Orders by class, then by source.
    int Compare(const PpQnFlVal& other) const override;

protected:
    QnConvRenderObj(QnRenderObj* source, QnPixConverter* toStd);

    void MarkFixedObjects(Visitor visit) override;
    QnRect GetRect_I(const QnXFormXY& xf) override { return source_->GetRect(xf); }
    PpQnPixConverter GetConverterToStd() override;

    PpQnPixBuf RenderSrc(const QnXFormXY& xf, int plane, const QnPoint& anchor, const QnRect& request, QnRect* got,
                         QnRenderProgress* progress, int rectOnly);
    // Plane 0 of the source (inBytes a pixel) converted row by row, bottom
    // row first: into a new buffer of outBytes a pixel, or in place when
    // outBytes is 0. Shows
    // textId and raises "User abort" when the progress asks.
    PpQnPixBuf ConvertColour(const QnXFormXY& xf, const QnPoint& anchor, const QnRect& request, QnRect* got,
                             QnRenderProgress* progress, int rectOnly, int32_t inBytes, int32_t outBytes, int textId, RowFn fn,
                             const void* context = nullptr);
    // Planes other than 0 and 1 raise "Bad plane request" from stem.
    static void CheckPlane(int plane, const char* stem);
    // What the colour converters with alpha answer: plane 1 is the source's
    // alpha unchanged, plane 0 its colour through ConvertColour.
    PpQnPixBuf ConvertColourKeepAlpha(const char* stem, const QnXFormXY& xf, int plane, const QnPoint& anchor,
                                      const QnRect& request, QnRect* got, QnRenderProgress* progress, int rectOnly,
                                      int32_t inBytes, int32_t outBytes, int textId, RowFn fn,
                                      const void* context = nullptr);

    QnRenderObj* source_;
    QnPixConverter* toStd_;
};

// A converting render object of class T over source.
template <class T>
PpQnRenderObj QnMakeConvRender(const PpQnRenderObj& source, const PpQnPixConverter& toStd)
{
    return PpQnRenderObj(QnCreate<T>(source.Get(), toStd.Get()));
}

// Defines the pool allocation that QN_CONV_POOLED declared.
#define QN_CONV_POOL_DEFINE(T)                                    \
    namespace {                                                   \
    QnMemPool& T##Pool()                                          \
    {                                                             \
        static QnMemPool pool(sizeof(T));                         \
        return pool;                                              \
    }                                                             \
    }                                                             \
    void* T::operator new(size_t)                                 \
    {                                                             \
        if (void* p = T##Pool().alloc())                          \
            return p;                                             \
        qn_standard_new_handler(0);                               \
    }                                                             \
    void T::operator delete(void* p) noexcept { T##Pool().free(p); }
