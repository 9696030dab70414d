#include "album/app/book/ThumbnailImage.h"

#include "framework/Clipboard.h"

QImage ThumbnailImage(const AlbumThumbnailBlock& block)
{
    const auto layout = AlbumThumbnailLayout(block);
    if (!layout)
        return {};
    const size_t end = layout->bitsOffset + layout->header.RowBytes() * size_t(layout->height);
    const auto image = fw::Clipboard::DibToImage(std::vector<uint8_t>(block.begin(), block.begin() + end));
    return image ? *image : QImage();
}
