// Reading one picture from an open SANE device: each frame started, its
// parameters taken, its bytes read whole or line by line, and the lines
// turned into the rows a sink takes.
#pragma once

#include <cstdint>

#include "scanner/ScanSink.h"

// handle is the open SANE_Handle; dpi goes into the format the sink hears
// of. Ends the scan on the device in every case (also when one raises).
void QnSaneRead(void* handle, int32_t dpi, QnScanTransfer transfer, QnScanSink& sink, QnScanProgress* progress);
