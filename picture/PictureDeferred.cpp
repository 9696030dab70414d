// Shrink on load: a picture whose file is a JPEG shown reduced is decoded
// at first only as small as it is shown; its full pixels come from the
// same bytes when something first reads or writes them.
#include "picture/Picture.h"

#include "imexp/ImExp.h"
#include "picture/ConvProgress.h"
#include "picture/DeferredPixels.h"
#include "picture/PictureFileExcept.h"
#include "picture/ShrinkOnLoad.h"

void QnPicture::LoadWithPreview(const char* realFileName, ConvProgress& progress)
{
    PpQnPicture preview = PpQnPicture::Empty();
    int32_t by = 1;
    std::vector<uint8_t> bytes;
    const imexp::Status status = imexp::ReadPictureOrPreview(
        realFileName, *this, *preview,
        [&by](int32_t width, int32_t height) { return by = QnShrinkOnLoad::ReductionFor(width, height); }, bytes,
        &progress);
    if (!status)
        QnPictureFileExcept(status.error, progress.Stopped() || imexp::IsCancel(status)).raise();
    if (bytes.empty()) {
        if (!tilesReady_)
            MakeReady();
        return;
    }
    // Size, type and resolutions came from the header; the tiles come with
    // the full pixels.
    Init(type_);
    deferred_.reset(new QnDeferredPixels{std::move(bytes), preview, by});
    // A preview of another size than the decoder promises could not stand
    // for this picture.
    if (preview->GetWidth() != (width_ + by - 1) / by || preview->GetHeight() != (height_ + by - 1) / by
        || preview->Type() != type_)
        DecodeDeferred();
}

void QnPicture::DecodeDeferred() const
{
    // The pixels were this picture's all along: filling them in changes no
    // value anybody has seen, so a const reader may do it.
    auto* self = const_cast<QnPicture*>(this);
    std::unique_ptr<QnDeferredPixels> deferred = std::move(self->deferred_);
    // The file announces its resolutions again; the picture keeps its own.
    const int32_t hRes = hRes_, vRes = vRes_;
    const imexp::Status status =
        imexp::ReadPictureFromMemory(deferred->bytes, *self, nullptr, imexp::Format::Jpeg);
    self->hRes_ = hRes;
    self->vRes_ = vRes;
    if (status)
        return;
    {
        QnLockGc gc;
        self->tiles_.clear();
    }
    self->tilesReady_ = 0;
    self->deferred_ = std::move(deferred);
    QnPictureFileExcept(status.error, imexp::IsCancel(status)).raise();
}
