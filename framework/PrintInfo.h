// The state of one print or print-preview run that a view's printing
// operations share: page range, current page, the printer and the area to
// draw in.
#pragma once

#include <QRect>
#include <cstdint>

class QPrinter;

namespace fw {

struct PrintInfo {
    QPrinter* printer = nullptr;
    bool preview = false;
    // Print at once with the current printer, without the print dialog.
    bool direct = false;
    uint32_t minPage = 1;
    uint32_t maxPage = 0xFFFF;
    uint32_t fromPage = 1;
    uint32_t toPage = 0xFFFF;
    uint32_t currentPage = 1;
    bool continuePrinting = true;
    // The page's printable area in device pixels.
    QRect drawRect;
};

}  // namespace fw
