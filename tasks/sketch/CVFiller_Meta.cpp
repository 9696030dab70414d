#include "tasks/sketch/CVFiller_Meta.h"

#include "base/QnLittleEndian.h"
#include "framework/Archive.h"
#include "framework/DiskFile.h"
#include "framework/Exception.h"
#include "tasks/sketch/CVSketchDC.h"
#include "tasks/sketch/MetaEnhancedPlayer.h"
#include "tasks/sketch/MetaWindowsPlayer.h"
#include "tasks/sketch/SketchDialogs.h"
#include "tasks/sketch/SketchMask.h"

FW_IMPLEMENT_SERIAL(CVFiller_Meta, CVFiller, 1)

namespace {

// An enhanced metafile starts with its header record (type 1) whose
// signature at byte 40 reads " EMF".
constexpr uint32_t kEmrHeader = 1;
constexpr uint32_t kEmfSignature = 0x464D4520;
constexpr size_t kEmfHeaderBytes = 88;
// A Windows metafile header is 18 bytes; a placeable one puts 22 more
// before it.
constexpr size_t kWmfHeaderBytes = 18;
constexpr size_t kPlaceableHeaderBytes = 22;

uint32_t Dword(const std::vector<uint8_t>& b, size_t at) { return QnGetLE32(b.data() + at); }

}  // namespace

bool CVFiller_Meta::IsEnhanced(const std::vector<uint8_t>& bytes)
{
    return bytes.size() >= kEmfHeaderBytes && Dword(bytes, 0) == kEmrHeader && Dword(bytes, 40) == kEmfSignature;
}

void CVFiller_Meta::Free()
{
    bits_.clear();
    enhanced_.clear();
}

void CVFiller_Meta::SetBits(std::vector<uint8_t> bits)
{
    Free();
    bits_ = std::move(bits);
}

bool CVFiller_Meta::SetEnhanced(std::vector<uint8_t> bytes)
{
    Free();
    if (!IsEnhanced(bytes))
        return false;
    enhanced_ = std::move(bytes);
    return true;
}

void CVFiller_Meta::LoadFile(const std::string& path)
{
    Free();
    fw::DiskFile file(path, fw::DiskFile::kRead);
    std::vector<uint8_t> bytes(static_cast<size_t>(file.GetLength()));
    if (file.Read(bytes.data(), bytes.size()) != bytes.size())
        throw fw::FileException(fw::FileException::endOfFile, path);
    if (IsEnhanced(bytes)) {
        enhanced_ = std::move(bytes);
        return;
    }
    if (bytes.size() < kWmfHeaderBytes)
        throw fw::ArchiveException(fw::ArchiveException::badIndex, path);
    const uint16_t type = QnGetLE16(bytes.data());
    if (type <= 2) {
        // A plain Windows metafile: its bits are the file, header included.
        if (QnGetLE16(bytes.data() + 2) != kWmfHeaderBytes / 2)
            throw fw::ArchiveException(fw::ArchiveException::badIndex, path);
        bits_ = std::move(bytes);
        return;
    }
    if (bytes.size() < kPlaceableHeaderBytes + kWmfHeaderBytes)
        throw fw::ArchiveException(fw::ArchiveException::badIndex, path);
    bits_.assign(bytes.begin() + kPlaceableHeaderBytes, bytes.end());
}

void CVFiller_Meta::Play(QPainter& out, const QRect& target) const
{
    if (!bits_.empty())
        PlayWindowsMetafile(out, target, bits_.data(), bits_.size());
    else if (!enhanced_.empty())
        PlayEnhancedMetafile(out, target, enhanced_.data(), enhanced_.size());
}

void CVFiller_Meta::Fill(CVSketchDC* dc, const QnRect& r, const std::vector<QnPoint>*)
{
    const QnRect d = dc->Scale().ToDevice(r);
    if (d.IsEmpty())
        return;
    Play(dc->Painter(), QRect(d.left, d.top, int(d.Width()), int(d.Height())));
}

void CVFiller_Meta::FillMasked(CVSketchDC* dc, const QnRect& r, const QImage& mask)
{
    if (bits_.empty() && enhanced_.empty())
        return;
    SketchFillThroughMask(*dc, dc->Scale().ToDevice(r), mask,
                          [this](QPainter& painter, const QRect& area) { Play(painter, area); });
}

void CVFiller_Meta::Edit()
{
    const auto path = SketchChooseMetafile();
    if (!path)
        return;
    LoadFile(*path);
    SketchInvalidateActiveView();
}

void CVFiller_Meta::Serialize(fw::Archive& ar)
{
    CVFiller::Serialize(ar);
    if (ar.IsStoring()) {
        const uint32_t size = static_cast<uint32_t>(bits_.size());
        const uint32_t enhanced = enhanced_.empty() ? 0 : 1;
        ar << size << enhanced;
        if (size) {
            ar.Write(bits_.data(), bits_.size());
        } else if (enhanced) {
            ar << static_cast<uint32_t>(enhanced_.size());
            ar.Write(enhanced_.data(), enhanced_.size());
        }
        return;
    }
    uint32_t size = 0, enhanced = 0;
    ar >> size >> enhanced;
    std::vector<uint8_t> bytes;
    if (size) {
        ar.RequireStored(size);
        bytes.resize(size);
        ar.ReadExact(bytes.data(), bytes.size());
        SetBits(std::move(bytes));
    } else if (enhanced) {
        uint32_t n = 0;
        ar >> n;
        ar.RequireStored(n);
        bytes.resize(n);
        ar.ReadExact(bytes.data(), bytes.size());
        // Bytes that make no enhanced metafile give no handle: the filler
        // stays empty, as it does for an empty stored filler.
        SetEnhanced(std::move(bytes));
    } else {
        Free();
    }
}
