// Page setup and printing of a picture view: the fitted rectangle with the
// margins, a cancelled page setup, and a print to a PDF file that holds the
// picture.
#include "ViewTestFrame.h"

#include "framework/PrintDialog.h"

#include <QFile>
#include <QPrinter>

#include <gtest/gtest.h>

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

TEST_F(Printing, ACancelledPageSetupKeepsTheMarginsAndAPrintHoldsThePicture)
{
    CLodo40View* view = OpenPattern(240, 160);
    ASSERT_NE(view, nullptr);
    fw::SetPrintDialogHook([](fw::PrintDialogRequest& r) {
        if (r.kind == fw::PrintDialogKind::PageSetup) {
            r.margins->margins = QMarginsF(1, 2, 3, 4);
            return false;
        }
        return true;
    });
    view->OnFilePageSetup();
    EXPECT_EQ(view->Margins().margins, QMarginsF());

    const std::string pdf = (folder / "page.pdf").string();
    QPrinter& printer = app.GetPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    view->OnFilePrint();
    QFile file(QString::fromStdString(pdf));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/Subtype /Image")) << "the picture is on the page";
}
