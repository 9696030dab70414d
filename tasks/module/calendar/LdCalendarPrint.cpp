#include "tasks/module/calendar/LdCalendarPrint.h"

#include "tasks/sketch/CVScale.h"
#include "tasks/sketch/CVSketch.h"
#include "tasks/sketch/CVSketchDC.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPageLayout>
#include <QPrinter>

#include <algorithm>

int LdCalendarPrintPercent(const QSize& printable, const QSize& view)
{
    if (view.width() <= 0 || view.height() <= 0)
        return 100;
    return std::min(printable.width() * 100 / view.width(), printable.height() * 100 / view.height());
}

void LdPrintCalendar(QPrinter& printer, CVSketch& sketch, const QSize& viewSize, bool portrait,
                     const std::string& documentName)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    printer.setPageOrientation(portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    printer.setDocName(QString::fromStdString(documentName));
    // The painter starts at the printable area's corner, the printing
    // offset of the page.
    QPainter painter;
    if (painter.begin(&printer)) {
        const QSize printable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
        CVScale scale;
        scale.Init(LdCalendarPrintPercent(printable, viewSize));
        CVSketchDC dc(painter, scale, true);
        sketch.Draw(&dc);
        painter.end();
    }
    QGuiApplication::restoreOverrideCursor();
}
