// The album's sink for picture files: the import/export library reports
// the picture's type, size and palette and hands the rows over; the sink
// makes the work area on the first row and copies each row into it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "imexp/WorkArea.h"

class WA;

class CAlbumReadWA : public CAbstractReadWA {
public:
    CAlbumReadWA() = default;
    CAlbumReadWA(const CAlbumReadWA&) = delete;
    CAlbumReadWA& operator=(const CAlbumReadWA&) = delete;
    ~CAlbumReadWA() override;

    int SetImageNum(int) override { return 0; }
    int SetLayersNum(int, int) override { return 0; }
    int SetSize(int image, int layer, int width, int height) override;
    int SetType(int image, int layer, int type) override;
    int SetPalette(int image, int layer, PALETTEENTRY* entries, int count) override;
    int SetRes(int, int, int, int) override { return 0; }
    int SetRow(int image, int layer, int row, const unsigned char* data) override;

    // The picture read, with its reference handed to the caller; null when
    // no row arrived.
    WA* Detach();

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    int type_ = 0;
    std::vector<PALETTEENTRY> palette_;
    WA* picture_ = nullptr;
};

// Reads the picture file at path (any format the library knows) into a new
// work area with one reference, or null when it cannot be read.
WA* ReadAlbumPicture(const std::string& path, CProgress* progress = nullptr);
// The same for making a thumbnail: the picture may come smaller than stored
// (a JPEG by 2, 4 or 8) while it stays twice the thumbnail's size.
WA* ReadAlbumThumbnailSource(const std::string& path, CProgress* progress = nullptr);
