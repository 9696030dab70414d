#include "framework/PrintDialog.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "framework/PrintInfo.h"

namespace fw {
namespace {

PrintDialogHook& Hook()
{
    static PrintDialogHook hook;
    return hook;
}

// Qt keeps margins in millimetres; the system's callers in hundredths.
QMarginsF ToHundredths(const QMarginsF& mm) { return mm * 100.0; }
QMarginsF ToMillimetres(const QMarginsF& h) { return h / 100.0; }

}  // namespace

PrintDialogHook SetPrintDialogHook(PrintDialogHook hook)
{
    std::swap(Hook(), hook);
    return hook;
}

bool RunPrintDialog(QPrinter& printer, PrintInfo& info, QWidget* owner)
{
    if (Hook()) {
        PrintDialogRequest request{PrintDialogKind::Print, &printer, &info, nullptr, {}};
        return Hook()(request);
    }
    QPrintDialog dialog(&printer, owner);
    dialog.setMinMax(static_cast<int>(info.minPage), static_cast<int>(info.maxPage));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (printer.printRange() == QPrinter::PageRange) {
        info.fromPage = static_cast<uint32_t>(printer.fromPage());
        info.toPage = static_cast<uint32_t>(printer.toPage());
    }
    return true;
}

bool RunPrintSetupDialog(QPrinter& printer, QWidget* owner)
{
    if (Hook()) {
        PrintDialogRequest request{PrintDialogKind::PrintSetup, &printer, nullptr, nullptr, {}};
        return Hook()(request);
    }
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}

bool RunPageSetupDialog(QPrinter& printer, PageMargins& margins, QWidget* owner)
{
    if (Hook()) {
        PrintDialogRequest request{PrintDialogKind::PageSetup, &printer, nullptr, &margins, {}};
        return Hook()(request);
    }
    printer.setPageMargins(ToMillimetres(margins.margins), QPageLayout::Millimeter);
    QPageSetupDialog dialog(&printer, owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QPageLayout layout = printer.pageLayout();
    margins.margins = ToHundredths(layout.margins(QPageLayout::Millimeter));
    QPageLayout inMillimetres = layout;
    inMillimetres.setUnits(QPageLayout::Millimeter);
    margins.minMargins = ToHundredths(inMillimetres.minimumMargins());
    return true;
}

void RunPrintPreview(QPrinter& printer, std::function<void(QPrinter*)> paint, QWidget* owner)
{
    if (Hook()) {
        PrintDialogRequest request{PrintDialogKind::Preview, &printer, nullptr, nullptr, paint};
        Hook()(request);
        return;
    }
    QPrintPreviewDialog dialog(&printer, owner);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&paint](QPrinter* p) { paint(p); });
    dialog.exec();
}

}  // namespace fw
