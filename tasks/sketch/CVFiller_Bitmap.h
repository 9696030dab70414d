// Fills a shape with a picture: a packed device-independent bitmap that the
// filler owns (loaded from a file or an archive) or borrows from its
// creator (the calendar's copy of the editor's picture), stretched over the
// shape's bounding rectangle.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tasks/sketch/CVFiller.h"

class CVFiller_Bitmap : public CVFiller {
    FW_DECLARE_SERIAL(CVFiller_Bitmap)

public:
    // Empty: owns nothing yet.
    CVFiller_Bitmap() = default;
    // Loads a bitmap file.
    explicit CVFiller_Bitmap(const std::string& path);
    // Shows the extent bytes at dib without copying them; they stay the
    // caller's and must outlive the filler's use.
    CVFiller_Bitmap(const void* dib, size_t extent);

    // Frees an owned picture, then reads the file's packed DIB (all but the
    // 14-byte file header). Raises the framework's file error when the file
    // cannot be read, and its format error when it holds no bitmap; the
    // filler is then empty.
    void LoadFile(const std::string& path);

    void FillMasked(CVSketchDC* dc, const QnRect& r, const QImage& mask) override;
    void Fill(CVSketchDC* dc, const QnRect& r, const std::vector<QnPoint>* points) override;
    // The bitmap file dialog; on OK the file is loaded and the active view
    // repainted.
    void Edit() override;
    // An owned picture is stored with its size; a borrowed one as size 0,
    // so it comes back as an empty filler.
    void Serialize(fw::Archive& ar) override;

    // Bytes of an owned picture; 0 for a borrowed one or none.
    uint32_t GetSize() const { return owns_ ? static_cast<uint32_t>(owned_.size()) : 0; }
    const uint8_t* GetDib() const { return dib_; }
    bool Owns() const { return owns_; }

private:
    void Free();
    // The bytes of the picture that may be read.
    size_t Extent() const { return owns_ ? owned_.size() : extent_; }

    std::vector<uint8_t> owned_;
    const uint8_t* dib_ = nullptr;
    size_t extent_ = 0;
    bool owns_ = true;
};
