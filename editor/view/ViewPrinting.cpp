// Page Setup and the printing of a picture view: the document is one page,
// the picture fitted with its aspect into the page inside the user's
// margins.
#include "editor/view/Lodo40View.h"

#include "blt/Blt.h"
#include "blt/qt/QPainterDC.h"
#include "editor/document/DocErrors.h"
#include "editor/document/Lodo40Doc.h"
#include "framework/App.h"
#include "render/XForm.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

QnRect FitRectKeepAspect(const QnRect& inner, const QnRect& outer)
{
    const int64_t w = inner.Width(), h = inner.Height(), W = outer.Width(), H = outer.Height();
    if (w <= 0 || h <= 0)
        return QnRect{outer.left, outer.top, outer.left, outer.top};
    if (h * W <= w * H) {
        const int32_t height = int32_t(h * W / w);
        const int32_t top = (outer.bottom - height + outer.top) / 2;
        return QnRect{outer.left, top, outer.right, top + height};
    }
    const int32_t width = int32_t(w * H / h);
    const int32_t left = (outer.left - width + outer.right) / 2;
    return QnRect{left, outer.top, left + width, outer.bottom};
}

QnRect PrintedPictureRect(const QnPoint& picture, const QRect& page, int32_t dpi, const fw::PageMargins& margins)
{
    // Device pixels per hundredth of a millimetre, the horizontal resolution
    // for both directions.
    const double k = dpi / 2540.0;
    const QnRect printable{int32_t((margins.margins.left() - margins.minMargins.left()) * k),
                           int32_t((margins.margins.top() - margins.minMargins.top()) * k),
                           page.width() - int32_t((margins.margins.right() - margins.minMargins.right()) * k),
                           page.height() - int32_t((margins.margins.bottom() - margins.minMargins.bottom()) * k)};
    return FitRectKeepAspect(QnRect{0, 0, picture.x, picture.y}, printable);
}

void CLodo40View::OnFilePageSetup()
{
    fw::PageMargins margins = margins_;
    if (fw::RunPageSetupDialog(fw::App::Get()->GetPrinter(), margins, window()))
        margins_ = margins;
}

bool CLodo40View::OnPreparePrinting(fw::PrintInfo& info)
{
    info.minPage = 1;
    info.maxPage = 1;
    return DoPreparePrinting(info);
}

void CLodo40View::OnDraw(QPainter& painter)
{
    CLodo40Doc* doc = GetDocument();
    QPrinter* printer = dynamic_cast<QPrinter*>(painter.device());
    if (!doc || !printer)
        return;
    const QnPoint size = doc->GetPictureSize();
    if (size.x <= 0 || size.y <= 0)
        return;
    const QRect page(QPoint(0, 0), printer->pageLayout().paintRectPixels(printer->resolution()).size());
    const QnRect f = PrintedPictureRect(size, page, printer->resolution(), margins_);
    if (f.IsEmpty())
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // Paper gets the full pixels, never the reduced copy a screen may show
    // while they wait; should they fail, the blitter draws what it can.
    LdRunEdit([&] { doc->GetPicture()->EnsurePixels(); });
    // The picture drawn through a transform onto the fitted rectangle, in
    // blitter tiles: the printer gets device pixels, never a whole copy.
    const QnXFormXY fit(QnXForm(0, size.x, 0, int32_t(f.Width())), QnXForm(0, size.y, 0, int32_t(f.Height())));
    QnBlt blitter(128, 128);
    const QnRgn clip(f);
    {
        QPainterDC dc(painter, QRegion(f.left, f.top, int(f.Width()), int(f.Height())));
        doc->DrawPicture(dc, &clip, -f.left, -f.top, fit, QnXFormXY(), nullptr, &blitter);
    }
    QGuiApplication::restoreOverrideCursor();
}
