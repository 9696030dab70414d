#include "tasks/sketch/CVFiller_Bitmap.h"

#include <span>

#include <QPainter>

#include "framework/Archive.h"
#include "framework/DiskFile.h"
#include "framework/Exception.h"
#include "platform/Dib.h"
#include "tasks/sketch/CVSketchDC.h"
#include "tasks/sketch/SketchDialogs.h"
#include "tasks/sketch/SketchDib.h"
#include "tasks/sketch/SketchMask.h"

FW_IMPLEMENT_SERIAL(CVFiller_Bitmap, CVFiller, 1)

namespace {

// The picture stretched over target (device units).
void DrawStretched(QPainter& painter, const SketchDibImage& picture, const QRectF& target)
{
    const QImage& image = picture.image;
    painter.save();
    painter.translate(target.left(), picture.bottomUp ? target.bottom() : target.top());
    painter.scale(target.width() / image.width(), (picture.bottomUp ? -1.0 : 1.0) * target.height() / image.height());
    painter.drawImage(QPointF(0, 0), image);
    painter.restore();
}

}  // namespace

CVFiller_Bitmap::CVFiller_Bitmap(const std::string& path) { LoadFile(path); }

CVFiller_Bitmap::CVFiller_Bitmap(const void* dib, size_t extent)
    : dib_(static_cast<const uint8_t*>(dib)), extent_(dib ? extent : 0), owns_(false)
{
}

void CVFiller_Bitmap::Free()
{
    if (owns_) {
        owned_.clear();
        owned_.shrink_to_fit();
        dib_ = nullptr;
    }
}

void CVFiller_Bitmap::LoadFile(const std::string& path)
{
    Free();
    dib_ = nullptr;
    extent_ = 0;
    owns_ = true;
    fw::DiskFile file(path, fw::DiskFile::kRead);
    uint8_t fileHeader[platform::BITMAPFILEHEADER::kSize];
    const size_t headerBytes = file.Read(fileHeader, sizeof fileHeader);
    const uint64_t length = file.GetLength();
    std::vector<uint8_t> block(static_cast<size_t>(length > headerBytes ? length - headerBytes : 0));
    if (file.Read(block.data(), block.size()) != block.size())
        throw fw::FileException(fw::FileException::endOfFile, path);
    // Whatever follows the file header must be a picture we can show.
    if (headerBytes != sizeof fileHeader || !SketchDibSize(block.data(), block.size()))
        throw fw::ArchiveException(fw::ArchiveException::badIndex, path);
    owned_ = std::move(block);
    dib_ = owned_.data();
}

void CVFiller_Bitmap::Fill(CVSketchDC* dc, const QnRect& r, const std::vector<QnPoint>*)
{
    const auto picture = SketchDibToImage(dib_, Extent());
    if (!picture)
        return;
    const QnRect d = dc->Scale().ToDevice(r);
    QRectF target(d.left, d.top, d.right - d.left, d.bottom - d.top);
    if (dc->IsPrinting()) {
        // Printed at the picture's own proportions from d's top-left corner,
        // as large as d allows.
        const double scale = std::min(target.width() / picture->image.width(),
                                      target.height() / picture->image.height());
        target.setSize(QSizeF(picture->image.width() * scale, picture->image.height() * scale));
    }
    DrawStretched(dc->Painter(), *picture, target);
}

void CVFiller_Bitmap::FillMasked(CVSketchDC* dc, const QnRect& r, const QImage& mask)
{
    const auto picture = SketchDibToImage(dib_, Extent());
    if (!picture)
        return;
    SketchFillThroughMask(*dc, dc->Scale().ToDevice(r), mask, [&picture](QPainter& painter, const QRect& area) {
        DrawStretched(painter, *picture, QRectF(area));
    });
}

void CVFiller_Bitmap::Edit()
{
    const auto path = SketchChooseBitmapFile();
    if (!path)
        return;
    LoadFile(*path);
    SketchInvalidateActiveView();
}

void CVFiller_Bitmap::Serialize(fw::Archive& ar)
{
    CVFiller::Serialize(ar);
    if (ar.IsStoring()) {
        const uint32_t size = GetSize();
        ar << size;
        if (size)
            ar.Write(owned_.data(), size);
        return;
    }
    uint32_t size = 0;
    ar >> size;
    ar.RequireStored(size);
    std::vector<uint8_t> block(size);
    ar.ReadExact(block.data(), block.size());
    Free();
    owns_ = true;
    extent_ = 0;
    owned_ = std::move(block);
    dib_ = owned_.empty() ? nullptr : owned_.data();
}
