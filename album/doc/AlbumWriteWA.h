// The album's source for writing a picture file: serves the import/export
// library a work area's size, type, palette and rows.
#pragma once

#include <string>

#include "imexp/WorkArea.h"

class WA;

class CAlbumWriteWA : public CAbstractWriteWA {
public:
    explicit CAlbumWriteWA(const WA& picture) : picture_(picture) {}

    int GetImageNum(int& n) const override;
    int GetLayersNum(int image, int& n) const override;
    int GetSize(int image, int layer, int& width, int& height) const override;
    int GetType(int image, int layer, int& type) const override;
    int GetPalette(int image, int layer, PALETTEENTRY* out) const override;
    int GetRes(int image, int layer, int& h, int& v) const override;
    int GetRow(int image, int layer, int row, unsigned char* out) const override;

private:
    const WA& picture_;
};

// Writes picture to path in the format its extension names; false (and the
// file as it was) when it cannot be written.
bool WriteAlbumPicture(const std::string& path, const WA& picture, CProgress* progress = nullptr);
