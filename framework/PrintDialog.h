// The print, print setup, page setup and print preview dialogs over the
// application's printer. Tests answer them through the hook.
#pragma once

#include <QMarginsF>
#include <functional>

class QPrinter;
class QWidget;

namespace fw {

struct PrintInfo;

enum class PrintDialogKind { Print, PrintSetup, PageSetup, Preview };

// Page setup values in hundredths of a millimetre.
struct PageMargins {
    QMarginsF margins;
    QMarginsF minMargins;
};

struct PrintDialogRequest {
    PrintDialogKind kind = PrintDialogKind::Print;
    QPrinter* printer = nullptr;
    PrintInfo* info = nullptr;          // Print
    PageMargins* margins = nullptr;     // PageSetup: in and out
    // Preview: paints every page on the printer it is given.
    std::function<void(QPrinter*)> paint;
};

// Answers true for OK, false for Cancel; may change the printer, the page
// range and the margins of the request.
using PrintDialogHook = std::function<bool(PrintDialogRequest&)>;
PrintDialogHook SetPrintDialogHook(PrintDialogHook hook);

bool RunPrintDialog(QPrinter& printer, PrintInfo& info, QWidget* owner);
bool RunPrintSetupDialog(QPrinter& printer, QWidget* owner);
bool RunPageSetupDialog(QPrinter& printer, PageMargins& margins, QWidget* owner);
void RunPrintPreview(QPrinter& printer, std::function<void(QPrinter*)> paint, QWidget* owner);

}  // namespace fw
