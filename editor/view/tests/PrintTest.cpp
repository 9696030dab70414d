// Page setup and printing of a picture view: the fitted rectangle with the
// margins, a cancelled page setup, and a print to a PDF file that shows the
// picture where the margins put it.
#include "ViewTestFrame.h"

#include "framework/PrintDialog.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QPrinter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace {

class Printing : public ViewFrameTest {
protected:
    void SetUp() override { SetUpFrame(nullptr); }
    void TearDown() override
    {
        fw::SetPrintDialogHook(nullptr);
        TearDownFrame();
    }
};

} // namespace

TEST(FitRectKeepAspect, WiderAndTallerPictures)
{
    EXPECT_EQ(FitRectKeepAspect(QnRect{0, 0, 200, 100}, QnRect{0, 0, 100, 100}), (QnRect{0, 25, 100, 75}));
    EXPECT_EQ(FitRectKeepAspect(QnRect{0, 0, 100, 400}, QnRect{10, 0, 210, 200}), (QnRect{85, 0, 135, 200}));
    // Margins equal to the printer's least ones print from the page's edge.
    fw::PageMargins m;
    m.margins = m.minMargins = QMarginsF(500, 500, 500, 500);
    EXPECT_EQ(PrintedPictureRect(QnPoint{300, 300}, QRect(0, 0, 1000, 2000), 254, m), (QnRect{0, 500, 1000, 1500}));
    // 10 mm more on the left at 254 dpi is 100 device pixels.
    m.margins.setLeft(1500);
    EXPECT_EQ(PrintedPictureRect(QnPoint{300, 300}, QRect(0, 0, 1000, 2000), 254, m), (QnRect{100, 550, 1000, 1450}));
}

TEST_F(Printing, ACancelledPageSetupKeepsTheMargins)
{
    CLodo40View* view = OpenPattern(240, 160);
    ASSERT_NE(view, nullptr);
    fw::SetPrintDialogHook([](fw::PrintDialogRequest& r) {
        r.margins->margins = QMarginsF(1, 2, 3, 4);
        return false;
    });
    view->OnFilePageSetup();
    EXPECT_EQ(view->Margins().margins, QMarginsF());
}

// The PDF turned back into pixels: inside the fitted rectangle the
// picture's colours at the page's scale, white everywhere else.
TEST_F(Printing, APrintedPageHoldsThePictureInsideWhiteMargins)
{
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    CLodo40View* view = OpenPattern(240, 160);
    ASSERT_NE(view, nullptr);
    // Margins that put the picture off the page's centre: 30 mm on the
    // left, 10 mm elsewhere.
    fw::SetPrintDialogHook([](fw::PrintDialogRequest& r) {
        if (r.kind == fw::PrintDialogKind::PageSetup)
            r.margins->margins = QMarginsF(3000, 1000, 1000, 1000);
        return true;
    });
    view->OnFilePageSetup();

    const QString pdf = QString::fromStdString((folder / "page.pdf").string());
    QPrinter& printer = app.GetPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    view->OnFilePrint();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));

    constexpr int kDpi = 100;
    const QString png = QString::fromStdString((folder / "page").string());
    ASSERT_EQ(QProcess::execute(pdftoppm, {"-r", QString::number(kDpi), "-png", "-singlefile", pdf, png}), 0);
    const QImage page = QImage(png + ".png").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(page.isNull());

    // The printer's device pixels, from the page's corner.
    const int res = printer.resolution();
    const QRect paint = printer.pageLayout().paintRectPixels(res);
    const QnPoint size{240, 160};
    const QnRect f = PrintedPictureRect(size, QRect(QPoint(0, 0), paint.size()), res, view->Margins());
    ASSERT_FALSE(f.IsEmpty());
    const QRectF fitted(paint.left() + f.left, paint.top() + f.top, f.Width(), f.Height());
    ASSERT_GT(fitted.left(), paint.left()) << "the left margin moves the picture";
    const double toPage = double(kDpi) / res;
    const QRectF onPage(fitted.topLeft() * toPage, fitted.size() * toPage);
    ASSERT_TRUE(QRectF(page.rect()).contains(onPage));

    // Channels may differ a little: the PDF's image compression and scaling.
    constexpr int kTolerance = 8;
    const auto near = [](int a, int b) { return std::abs(a - b) <= kTolerance; };
    const CLodo40Doc* doc = view->GetDocument();
    int wrong = 0;
    std::ostringstream first;
    for (int j = 0; j < 12; ++j) {
        for (int i = 0; i < 12; ++i) {
            // Pixel centres a little inside the rectangle's edges.
            const QPointF at(onPage.left() + 3 + (onPage.width() - 6) * i / 11.0,
                             onPage.top() + 3 + (onPage.height() - 6) * j / 11.0);
            const QRgb got = page.pixel(int(at.x()), int(at.y()));
            const QPointF centre(int(at.x()) + 0.5, int(at.y()) + 0.5);
            const QnPoint p{int32_t((centre.x() - onPage.left()) * size.x / onPage.width()),
                            int32_t((centre.y() - onPage.top()) * size.y / onPage.height())};
            const uint32_t want = doc->GetPixelColor(p);
            if (!near(qRed(got), int(want & 0xFF)) || !near(qGreen(got), int((want >> 8) & 0xFF)) ||
                !near(qBlue(got), int((want >> 16) & 0xFF))) {
                if (wrong++ == 0)
                    first << "picture point " << p.x << "," << p.y << " printed as " << std::hex << got << " for "
                          << want;
            }
        }
    }
    EXPECT_EQ(wrong, 0) << "points off the picture's colours, the first: " << first.str();

    // The margins around the rectangle, a grid over the whole page.
    const QRectF around = onPage.adjusted(-2, -2, 2, 2);
    int stained = 0;
    for (int y = 0; y < page.height(); y += 7) {
        for (int x = 0; x < page.width(); x += 7) {
            if (around.contains(QPointF(x + 0.5, y + 0.5)))
                continue;
            const QRgb got = page.pixel(x, y);
            if (qRed(got) < 255 - kTolerance || qGreen(got) < 255 - kTolerance || qBlue(got) < 255 - kTolerance)
                ++stained;
        }
    }
    EXPECT_EQ(stained, 0) << "margin pixels that are not white";
}
