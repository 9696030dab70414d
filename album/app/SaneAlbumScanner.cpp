#include "album/app/SaneAlbumScanner.h"

#include <vector>

#include "album/app/MainFrm.h"
#include "album/doc/AlbumReadWA.h"
#include "drawctx/zvwa/WA.h"
#include "platform/Dib.h"
#include "scanner/QnScanner.h"
#include "scanner/ScanFrame.h"

namespace {

// Rows of a scan into a work area: grey or 24-bit colour, each row put in
// its place bottom-up as soon as it comes.
class WorkAreaSink : public QnScanSink {
public:
    void Begin(const QnScanFormat& format) override
    {
        format_ = format;
        target_.SetSize(0, 0, format.width, format.height);
        target_.SetType(0, 0, format.colour ? WA_RGB24 : WA_GRAY);
        row_.assign(platform::DibRowBytes(uint64_t(format.width), format.colour ? 24 : 8), 0);
    }
    void Row(int32_t y, const uint8_t* samples) override
    {
        QnScanFrame::ToDibRow(format_, samples, row_.data());
        target_.SetRow(0, 0, format_.height - 1 - y, row_.data());
    }
    WA* Detach() { return target_.Detach(); }

private:
    QnScanFormat format_;
    CAlbumReadWA target_;
    std::vector<uint8_t> row_;
};

}  // namespace

SaneAlbumScanner::SaneAlbumScanner() : scanner_(std::make_unique<QnScanner>()) {}

SaneAlbumScanner::~SaneAlbumScanner() = default;

void SaneAlbumScanner::Init(QWidget*) {}

void SaneAlbumScanner::Shutdown()
{
    // SANE stops; it starts again should the album scan once more.
    scanner_ = std::make_unique<QnScanner>();
}

void SaneAlbumScanner::Acquire(QWidget* mainWindow, bool nativeTransfer)
{
    WorkAreaSink sink;
    const QnScanTransfer transfer = nativeTransfer ? QnScanTransfer::WholeFrame : QnScanTransfer::LineByLine;
    if (!scanner_->Acquire(mainWindow, transfer, sink))
        return;
    WA* picture = sink.Detach();
    if (auto* frame = dynamic_cast<CMainFrame*>(mainWindow))
        frame->OnScannedPicture(picture);
    else
        WARelease(picture);
}

void SaneAlbumScanner::SelectSource(QWidget* mainWindow)
{
    scanner_->SelectSource(mainWindow);
}

int32_t SaneAlbumScanner::IsBusy()
{
    return scanner_->IsBusy() ? 1 : 0;
}
