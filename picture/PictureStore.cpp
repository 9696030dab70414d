// The stored form of a picture in the load/save cache: a device-independent
// bitmap without its file header (40-byte info header, colour table, rows
// bottom-up padded to 4 bytes). File descriptors are the exception: their
// files keep the format their name asks for (PictureFile.cpp).
#include "picture/Picture.h"

#include "base/QnLittleEndian.h"
#include "lang/ProgressIndicatorAuto.h"
#include "picture/FileDescriptor.h"
#include "picture/PictureRcStr.h"
#include "platform/Dib.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr size_t kHeaderSize = platform::BITMAPINFOHEADER::kSize;

int BitsOf(int type) { return WaBitsPerPixel(type); }

// Reads exactly n bytes; a stream that ends early is a damaged picture.
void ReadExactly(QnLsmStream& stream, void* buf, uint64_t n)
{
    if (stream->Read(buf, n) != n)
        QN_PICTURE_RAISE(QN_PIC_BAD_FILE, "Picture");
}

void StepRows(QnProgressIndicator& indicator, uint32_t done, uint32_t total)
{
    indicator.SetProgress(done, total);
    if (indicator.TestAbort())
        QN_PICTURE_RAISE(QN_PIC_USER_ABORT, "Picture");
}

// 8-bit pictures whose table is the grey ramp are grey pictures.
bool IsGreyRamp(const std::vector<uint8_t>& table)
{
    if (table.size() != 4 * 256)
        return false;
    for (int i = 255; i >= 0; --i)
        if (table[4 * i] != i || table[4 * i + 1] != i || table[4 * i + 2] != i)
            return false;
    return true;
}

} // namespace

void QnPicture::LoadData(const PpQnLsmDsc& dsc, QnProcessControl* control)
{
    if (const auto* file = dynamic_cast<const QnFileDescriptor*>(dsc.Get())) {
        LoadDataFromFile(file->GetFileName(), file->GetRealFileName(), control);
        return;
    }
    QnProgressIndicatorAuto indicator(control, 0);
    indicator.Show(1);
    indicator.SetText(QnPictureText(QN_PIC_LOADING).c_str());

    QnLsmStream stream(dsc, QnLsmDsc::DH_READ);
    uint8_t header[kHeaderSize];
    ReadExactly(stream, header, kHeaderSize);
    const int32_t width = int32_t(QnGetLE32(header + 4));
    const int32_t height = int32_t(QnGetLE32(header + 8));
    const unsigned bits = QnGetLE16(header + 14);
    uint32_t colours = QnGetLE32(header + 32);
    if (colours == 0 && bits <= 8)
        colours = 1u << bits;
    if (colours > 256)
        QN_PICTURE_RAISE(QN_PIC_BAD_FILE, "Picture");
    std::vector<uint8_t> table(size_t(colours) * 4);
    ReadExactly(stream, table.data(), table.size());

    int type = 0;
    switch (bits) {
    case 1: type = WA_1BIT; break;
    case 4: type = WA_4BIT; break;
    case 8: type = IsGreyRamp(table) ? WA_GRAY : WA_8BIT; break;
    case 24: type = WA_RGB24; break;
    default: QN_PICTURE_RAISE(QN_PIC_BAD_FILE, "Picture");
    }
    // A header that promises more rows than the storage holds is damaged;
    // checked before anything is allocated for it.
    const uint64_t rowBytes = width < 0 ? 0 : platform::DibRowBytes(uint64_t(width), bits);
    const uint64_t needed = kHeaderSize + table.size() + rowBytes * uint64_t(std::max(height, 0));
    if (width < 0 || height < 0 || needed > stream->GetLength())
        QN_PICTURE_RAISE(QN_PIC_BAD_FILE, "Picture");
    width_ = width;
    height_ = height;
    hRes_ = platform::DpiFromPelsPerMeter(int32_t(QnGetLE32(header + 24)));
    vRes_ = platform::DpiFromPelsPerMeter(int32_t(QnGetLE32(header + 28)));
    Init(type);
    if (type == WA_4BIT || type == WA_8BIT)
        for (size_t i = 0; i < std::min<size_t>(colours, palette_.size()); ++i)
            palette_[i] = PALETTEENTRY{table[4 * i + 2], table[4 * i + 1], table[4 * i], 0};
    BuildTiles(PpQnPixBuf(nullptr));
    indicator.SetProgress(0, 1);

    std::vector<uint8_t> row(static_cast<size_t>(rowBytes));
    for (int32_t i = 0; i < height_; ++i) {
        ReadExactly(stream, row.data(), row.size());
        SetRow(0, 0, i, row.data());
        StepRows(indicator, uint32_t(i), uint32_t(height_));
    }
}

int QnPicture::SaveData(const PpQnLsmDsc& dsc, QnProcessControl* control) const
{
    if (const auto* file = dynamic_cast<const QnFileDescriptor*>(dsc.Get()))
        return SaveDataToFile(file->GetFileName(), file->GetRealFileName(), control);
    QnLsmStream stream(dsc, QnLsmDsc::DH_CREATE);
    SaveToStream(stream, control, nullptr);
    return 0;
}

void QnPicture::SaveToStream(QnLsmStream& stream, QnProcessControl* control, const char* name) const
{
    QnProgressIndicatorAuto indicator(control, 0);
    indicator.Show(1);
    indicator.SetText((name ? QnPictureText(QN_PIC_SAVING_NAMED, name) : QnPictureText(QN_PIC_SAVING)).c_str());

    EnsurePixels();
    const int bits = BitsOf(type_);
    if (bits == 0 || !tilesReady_)
        QN_PICTURE_RAISE(QN_PIC_UNSUPPORTED_TYPE, "Picture");
    platform::BITMAPINFOHEADER h;
    h.biWidth = width_;
    h.biHeight = height_;
    h.biBitCount = uint16_t(bits);
    h.biSizeImage = 0;
    h.biXPelsPerMeter = platform::PelsPerMeterFromDpi(hRes_);
    h.biYPelsPerMeter = platform::PelsPerMeterFromDpi(vRes_);
    h.biClrUsed = h.biClrImportant = uint32_t(paletteSize_);
    std::vector<uint8_t> head(kHeaderSize + 4 * size_t(paletteSize_));
    h.Write(head.data());
    for (int32_t i = 0; i < paletteSize_; ++i) {
        uint8_t* q = head.data() + kHeaderSize + 4 * i;
        q[0] = palette_[size_t(i)].peBlue;
        q[1] = palette_[size_t(i)].peGreen;
        q[2] = palette_[size_t(i)].peRed;
        q[3] = 0;
    }
    stream->Write(head.data(), head.size());

    indicator.SetProgress(0, 1);
    // Padding bytes stay zero: nothing of the heap reaches the stored form.
    std::vector<uint8_t> row(size_t(platform::DibRowBytes(uint64_t(width_), unsigned(bits))), 0);
    for (int32_t i = 0; i < height_; ++i) {
        GetRow(0, 0, i, row.data());
        stream->Write(row.data(), row.size());
        StepRows(indicator, uint32_t(i), uint32_t(height_));
    }
}
