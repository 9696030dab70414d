// Edit > Copy: the whole picture without a selection, the selection's box
// cut to the picture with one, a paste after the document has closed, and
// a cancel that leaves the clipboard alone, and the copy pasted back as a
// new document.
#include "DocTestSupport.h"

#include "../../operations/tests/AbortingControl.h"
#include "editor/app/ClipboardDib.h"
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

// Edit > Copy, then Paste As New Image through the program's own file of the
// clipboard's picture: the new document's pixels equal the copied ones
// (a grey picture comes back as colour, the clipboard's 24-bit form).
TEST_F(Copy, PastedAsANewImageGivesEqualPixels)
{
    const auto grey = [] {
        PpQnPicture p(37, 21, WA_GRAY, nullptr);
        std::vector<uint8_t> row(37);
        for (int32_t y = 0; y < 21; ++y) {
            for (int32_t x = 0; x < 37; ++x)
                row[size_t(x)] = uint8_t(x * 6 + y);
            p->SetRow(0, 0, y, row.data());
        }
        return p;
    };
    // Widths whose rows need padding to four bytes, both picture types.
    const PpQnPicture pictures[] = {Pattern(90, 40), Pattern(33, 7), grey()};
    for (const PpQnPicture& picture : pictures) {
        SCOPED_TRACE(testing::Message() << picture->GetWidth() << "x" << picture->GetHeight() << " type "
                                        << picture->Type());
        CLodo40Doc copied;
        NewFromExpression(copied, PpQnExpr(PpQnFlVal(picture)));
        copied.OnEditCopy();
        ASSERT_TRUE(fw::Clipboard::HasDib());

        CLodo40Doc pasted;
        host.request = NewDocumentRequest{NewDocumentRequest::File, WriteClipboardDibToTempFile(), {}, "Paste"};
        ASSERT_TRUE(pasted.OnNewDocument());
        host.request = NewDocumentRequest{};
        EXPECT_EQ(pasted.GetPictureSize(), copied.GetPictureSize());
        EXPECT_EQ(pasted.RenderToDib(), copied.RenderToDib());
        EXPECT_TRUE(messages.empty());
    }
    QGuiApplication::clipboard()->clear();
}
