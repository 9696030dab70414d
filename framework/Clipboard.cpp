#include "framework/Clipboard.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <cstring>

#include "platform/Dib.h"

namespace fw::Clipboard {
namespace {

// Our own lossless form, beside the image forms other programs read.
constexpr const char* kDibMime = "application/x-qn-dib";

// Answers each form from the provider's DIB, made on the first request.
class DelayedDibData : public QMimeData {
public:
    explicit DelayedDibData(std::function<std::vector<uint8_t>()> provider) : provider_(std::move(provider)) {}

    QStringList formats() const override
    {
        return {kDibMime, "application/x-qt-image", "image/png", "image/bmp"};
    }
    bool hasFormat(const QString& mime) const override { return formats().contains(mime); }

protected:
    QVariant retrieveData(const QString& mime, QMetaType type) const override
    {
        (void)type;
        if (!made_) {
            made_ = true;
            try {
                dib_ = provider_();
            } catch (...) {
                dib_.clear();  // a failed rendering pastes nothing
            }
        }
        if (dib_.empty())
            return {};
        if (mime == kDibMime)
            return QByteArray(reinterpret_cast<const char*>(dib_.data()), static_cast<qsizetype>(dib_.size()));
        const auto image = DibToImage(dib_);
        if (!image)
            return {};
        if (mime == "application/x-qt-image")
            return *image;
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image->save(&buffer, mime == "image/png" ? "PNG" : "BMP");
        return bytes;
    }

private:
    std::function<std::vector<uint8_t>()> provider_;
    mutable bool made_ = false;
    mutable std::vector<uint8_t> dib_;
};

QClipboard* TheClipboard()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

}  // namespace

std::optional<QImage> DibToImage(const std::vector<uint8_t>& dib)
{
    const auto layout = platform::ReadDibLayout(dib, nullptr);
    if (!layout || layout->headerSize < platform::BITMAPINFOHEADER::kSize || layout->header.biPlanes != 1)
        return std::nullopt;
    const platform::BITMAPINFOHEADER& h = layout->header;
    const uint16_t bits = h.biBitCount;
    if (h.biCompression != platform::BI_RGB || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
        return std::nullopt;
    const int64_t width = h.biWidth;
    const int64_t height = layout->height;
    if (width > 65535 || height > 65535)
        return std::nullopt;
    const size_t rowBytes = h.RowBytes();
    const size_t pixelsAt = layout->bitsOffset;
    if (pixelsAt > dib.size() || (dib.size() - pixelsAt) / rowBytes < static_cast<size_t>(height))
        return std::nullopt;

    std::vector<QRgb> colours;
    for (const platform::RGBQUAD& q : layout->palette)
        colours.push_back(qRgb(q.rgbRed, q.rgbGreen, q.rgbBlue));
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    for (int64_t y = 0; y < height; ++y) {
        const int64_t stored = layout->topDown ? y : height - 1 - y;
        const uint8_t* row = dib.data() + pixelsAt + static_cast<size_t>(stored) * rowBytes;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (int64_t x = 0; x < width; ++x) {
            switch (bits) {
            case 24: out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
            case 32: out[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]); break;
            default: {
                const size_t bitAt = static_cast<size_t>(x) * bits;
                const unsigned index = (row[bitAt / 8] >> (8 - bits - bitAt % 8)) & ((1u << bits) - 1);
                out[x] = index < colours.size() ? colours[index] : qRgb(0, 0, 0);
            }
            }
        }
    }
    return image;
}

std::vector<uint8_t> ImageToDib24(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    platform::BITMAPINFOHEADER header;
    header.biWidth = image.width();
    header.biHeight = image.height();
    header.biBitCount = 24;
    const size_t rowBytes = header.RowBytes();
    header.biSizeImage = static_cast<uint32_t>(rowBytes * static_cast<size_t>(image.height()));
    std::vector<uint8_t> dib(platform::BITMAPINFOHEADER::kSize + header.biSizeImage, 0);
    header.Write(dib.data());
    for (int y = 0; y < image.height(); ++y) {
        uint8_t* row = dib.data() + platform::BITMAPINFOHEADER::kSize + static_cast<size_t>(image.height() - 1 - y) * rowBytes;
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            row[3 * x] = static_cast<uint8_t>(qBlue(in[x]));
            row[3 * x + 1] = static_cast<uint8_t>(qGreen(in[x]));
            row[3 * x + 2] = static_cast<uint8_t>(qRed(in[x]));
        }
    }
    return dib;
}

bool HasDib()
{
    QClipboard* clipboard = TheClipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    return data && (data->hasFormat(kDibMime) || data->hasImage());
}

std::optional<std::vector<uint8_t>> GetDib()
{
    QClipboard* clipboard = TheClipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data)
        return std::nullopt;
    if (data->hasFormat(kDibMime)) {
        const QByteArray bytes = data->data(kDibMime);
        std::vector<uint8_t> dib(bytes.begin(), bytes.end());
        // Our own form may be 8-bit; callers get 24-bit as promised.
        if (const auto h = platform::BITMAPINFOHEADER::Read(dib); h && h->biBitCount == 24 && h->biCompression == 0)
            return dib;
        if (const auto image = DibToImage(dib))
            return ImageToDib24(*image);
        return std::nullopt;
    }
    if (data->hasImage()) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        if (!image.isNull())
            return ImageToDib24(image);
    }
    return std::nullopt;
}

bool SetDib(const std::vector<uint8_t>& dib)
{
    if (!DibToImage(dib))
        return false;
    return SetDibProvider([dib] { return dib; });
}

bool SetDibProvider(std::function<std::vector<uint8_t>()> provider)
{
    QClipboard* clipboard = TheClipboard();
    if (!clipboard)
        return false;
    clipboard->setMimeData(new DelayedDibData(std::move(provider)));
    return true;
}

}  // namespace fw::Clipboard
