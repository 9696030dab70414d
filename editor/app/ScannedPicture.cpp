#include "editor/app/ScannedPicture.h"

#include "editor/app/ClipboardDib.h"
#include "scanner/QnScanner.h"
#include "scanner/ScanFrame.h"

std::string LdScanToTempFile(QnScanner& scanner, QWidget* parent)
{
    QnScanFrame frame;
    if (!scanner.Acquire(parent, QnScanTransfer::WholeFrame, frame))
        return "";
    return LdWriteDibToTempFile(frame.ToPackedDib());
}
