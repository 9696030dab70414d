// Prints a calendar page: one document of one page in the page's
// orientation, the sketch scaled from the view's size to the largest that
// fits the printable area.
#pragma once

#include <string>

#include <QSize>

class CVSketch;
class QPrinter;

// The percentage the view's size is scaled by to fit a printable area.
int LdCalendarPrintPercent(const QSize& printable, const QSize& view);

void LdPrintCalendar(QPrinter& printer, CVSketch& sketch, const QSize& viewSize, bool portrait,
                     const std::string& documentName);
