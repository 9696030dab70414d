// Fills a shape with a metafile: either the bits of a Windows (16-bit)
// metafile or an enhanced metafile, kept as the bytes the files and
// archives hold them in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tasks/sketch/CVFiller.h"

class QPainter;
class QRect;

class CVFiller_Meta : public CVFiller {
    FW_DECLARE_SERIAL(CVFiller_Meta)

public:
    CVFiller_Meta() = default;

    // Frees what is held, then reads an enhanced metafile, a Windows
    // metafile or a placeable one (its records after the 22-byte header).
    // Raises the framework's file error when the file cannot be read and
    // its format error when it is none of these; the filler is then empty.
    void LoadFile(const std::string& path);

    // The metafile's frame mapped onto r (sketch units); masked, only where
    // the mask is black.
    void FillMasked(CVSketchDC* dc, const QnRect& r, const QImage& mask) override;
    void Fill(CVSketchDC* dc, const QnRect& r, const std::vector<QnPoint>* points) override;
    // The metafile dialog; on OK the file is loaded and the active view
    // repainted.
    void Edit() override;
    void Serialize(fw::Archive& ar) override;

    // Windows metafile bits (empty when none).
    const std::vector<uint8_t>& GetBits() const { return bits_; }
    // Enhanced metafile bytes (empty when none).
    const std::vector<uint8_t>& GetEnhanced() const { return enhanced_; }
    void SetBits(std::vector<uint8_t> bits);
    // False (and nothing held) when the bytes are no enhanced metafile.
    bool SetEnhanced(std::vector<uint8_t> bytes);

    // True when the bytes begin with an enhanced metafile's header record.
    static bool IsEnhanced(const std::vector<uint8_t>& bytes);

private:
    void Free();
    void Play(QPainter& out, const QRect& target) const;

    std::vector<uint8_t> bits_;
    std::vector<uint8_t> enhanced_;
};
