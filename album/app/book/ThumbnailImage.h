// A record's thumbnail block as an image to draw.
#pragma once

#include <QImage>

#include "album/doc/AlbumThumbnail.h"

// The bitmap in the block, or a null image when the block is damaged.
QImage ThumbnailImage(const AlbumThumbnailBlock& block);
