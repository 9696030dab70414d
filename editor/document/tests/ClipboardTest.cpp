// Edit > Copy: the whole picture without a selection, the selection's box
// cut to the picture with one, a paste after the document has closed, and
// a cancel that leaves the clipboard alone.
#include "DocTestSupport.h"

#include "../../operations/tests/AbortingControl.h"
#include "editor/operations/CropToSelection.h"
#include "editor/operations/DibExport.h"
#include "editor/operations/UserAbortExcept.h"
#include "framework/Clipboard.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

using namespace doctest;

namespace {

class Copy : public DocTest {};

QImage Pasted()
{
    const auto dib = fw::Clipboard::GetDib();
    if (!dib)
        return QImage();
    return fw::Clipboard::DibToImage(*dib).value_or(QImage());
}

} // namespace

TEST_F(Copy, TheSelectionsBoxInsideThePictureGoesToTheClipboard)
{
    QImage whole, part;
    {
        CLodo40Doc doc;
        NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(90, 40))));
        doc.OnEditCopy();
        whole = Pasted();
        // A selection reaching past the right and bottom edges.
        doc.SetSelection(QnRgn(QnRect{60, 10, 200, 100}));
        doc.OnEditCopy();
    }
    // The document is gone; the clipboard still renders what it copied.
    part = Pasted();
    ASSERT_FALSE(whole.isNull());
    EXPECT_EQ(whole.size(), QSize(90, 40));
    ASSERT_FALSE(part.isNull());
    EXPECT_EQ(part.size(), QSize(30, 30));
    EXPECT_EQ(part.pixel(0, 0), whole.pixel(60, 10));
    EXPECT_EQ(part.pixel(29, 29), whole.pixel(89, 39));
    // What the clipboard keeps would otherwise outlive the collector's last
    // collection at exit.
    QGuiApplication::clipboard()->clear();
}

TEST_F(Copy, ABoxCoveringThePictureHandsBackThePictureItselfAndACancelRaises)
{
    const PpQnPicture picture = Pattern(100, 70);
    QnMachineContext m;
    const auto maskOf = [](const QnRect& r) {
        // Any render object serves as the mask: only its rectangle counts.
        PpQnPicture mask(int32_t(r.Width()), int32_t(r.Height()), WA_GRAY, nullptr);
        return PpQnExpr(PpQnFlVal(mask));
    };
    const PpQnExpr same = MakeCropToSelectionExpr(PpQnExpr(PpQnFlVal(picture)), maskOf(QnRect{0, 0, 150, 90}));
    EXPECT_EQ(m.eval(same, nullptr)->CastToValue()->ValuePtr(), picture.Get());
    AbortingControl control;
    const PpQnExpr cut = MakeCropToSelectionExpr(PpQnExpr(PpQnFlVal(picture)), maskOf(QnRect{0, 0, 50, 50}));
    EXPECT_THROW(m.eval(cut, &control), UserAbortExcept);
}
