#include "editor/operations/PictureRowAccess.h"

#include "render/FillRenderObj.h"

PictureRowAccess::PictureRowAccess(const PpQnRenderObj& source, int bytesPerPixel, const QnRect& rect)
{
    const QnFillRenderObj::PlaneFmt format{bytesPerPixel, 1, bytesPerPixel};
    PpQnFillRenderObj fill(source, 1, &format);
    buffer_ = fill->RenderRect(QnXFormXY(), 0, rect, nullptr);
    // The rows are read through the buffer's own rectangle, which is rect.
    base_ = const_cast<uint8_t*>(buffer_->CRow(0));
    stride_ = buffer_->GetRowBytes();
}

PictureRowAccess::PictureRowAccess(const PpQnPicture& picture, const QnRect& rect) : picture_(picture)
{
    const int32_t bytesPerPixel = picture->Type() == WA_RGB24 ? 3 : 1;
    stride_ = int32_t(rect.Width() * bytesPerPixel);
    buffer_ = PpQnPixBuf::ForRect(rect, bytesPerPixel);
    base_ = buffer_->Row(0);
}

PictureRowAccess::~PictureRowAccess()
{
    if (picture_)
        picture_->WriteToRect(0, buffer_);
}
