// New, Open and Save of the picture document: every format the import
// library reads, Save As into each writable format and back, the question
// for paletted pictures, a damaged file's message, the same name in two
// documents, saving over the opened file with undo afterwards, the DIB
// export, the archive load and store, and a large JPEG opened shrunk.
#include "DocTestSupport.h"

#include <cstdlib>
#include <fstream>

#include "base/QnExcept.h"

#include "editor/builtins/FL_Functions.h"
#include "editor/operations/PixelColor.h"
#include "editor/ui/NewDocDlg.h"
#include "framework/Archive.h"
#include "framework/DocTemplate.h"
#include "framework/MemFile.h"
#include "framework/MessageBox.h"
#include "imexp/ImExp.h"
#include "picture/tests/ShrunkJpeg.h"
#include "platform/Dib.h"

#include <QComboBox>
#include <QLineEdit>

using namespace doctest;

namespace {

class DocFile : public DocTest {
protected:
    // The document's picture rendered as 24-bit rows, top-down.
    static std::vector<uint8_t> Pixels(CLodo40Doc& doc)
    {
        std::vector<uint8_t> dib = doc.RenderToDib();
        const auto header = platform::BITMAPINFOHEADER::Read(dib);
        std::vector<uint8_t> rows;
        for (int32_t y = header->biHeight - 1; y >= 0; --y) {
            const uint8_t* row = dib.data() + 40 + header->RowBytes() * size_t(y);
            rows.insert(rows.end(), row, row + 3 * header->biWidth);
        }
        return rows;
    }
    std::string WritePattern(const std::string& name)
    {
        const std::string path = TempPath(name);
        EXPECT_TRUE(imexp::WritePicture(path, *Pattern(13, 9)));
        return path;
    }
};

int MaxDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b)
{
    int most = a.size() == b.size() ? 0 : 256;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        most = std::max(most, std::abs(int(a[i]) - int(b[i])));
    return most;
}

}  // namespace

TEST_F(DocFile, OpensEveryReadableFormatAndSavesEveryWritableOne)
{
    const std::string bmp = WritePattern("p.bmp");
    CLodo40Doc reference;
    ASSERT_TRUE(reference.OnOpenDocument(bmp));
    const std::vector<uint8_t> expected = Pixels(reference);
    EXPECT_FALSE(reference.IsModified());
    EXPECT_EQ(reference.GetLabel(), "Menu 57601");

    struct Case {
        const char* name;
        int tolerance;
    };
    for (const Case c : {Case{"p.png", 0}, Case{"p.tif", 0}, Case{"p.jpg", 40}, Case{"p2.bmp", 0}}) {
        SCOPED_TRACE(c.name);
        host.saveAs = TempPath(c.name);
        ASSERT_TRUE(reference.DoSave("", false));
        CLodo40Doc reopened;
        ASSERT_TRUE(reopened.OnOpenDocument(*host.saveAs));
        EXPECT_LE(MaxDifference(Pixels(reopened), expected), c.tolerance);
    }
    // GIF is read only; ImageMagick writes one from our BMP.
    const std::string gif = TempPath("p.gif");
    ASSERT_EQ(std::system(("convert " + bmp + " " + gif).c_str()), 0);
    CLodo40Doc fromGif;
    answers = {fw::IDNO};  // GIF pictures are paletted: keep it so
    ASSERT_TRUE(fromGif.OnOpenDocument(gif));
    EXPECT_EQ(fromGif.GetPictureSize(), (QnPoint{13, 9}));
    EXPECT_TRUE(messages.empty() || messages.back().rfind("The picture opened is neither", 0) == 0);
}

TEST_F(DocFile, PalettedPicturesAskToBeConverted)
{
    const std::string path = TempPath("pal.bmp");
    // The picture takes a palette of its type's full size.
    PALETTEENTRY palette[256] = {};
    palette[1] = {250, 20, 10, 0};
    const PpQnPicture indexed(4, 4, WA_8BIT, palette);
    ASSERT_TRUE(imexp::WritePicture(path, *indexed));
    struct Case {
        int answer;
        int type;
        bool modified;
    };
    for (const Case c : {Case{fw::IDNO, 4, false}, Case{fw::IDYES, 16, true}}) {
        messages.clear();
        answers = {c.answer};
        CLodo40Doc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].rfind("The picture opened is neither grayscale nor truecolor one.", 0), 0u);
        EXPECT_EQ(doc.PictureType(), c.type);
        EXPECT_EQ(doc.IsModified(), c.modified);
        doc.SetPathName(path, false);
        EXPECT_EQ(doc.GetTitle(), c.modified ? "pal.bmp*" : "pal.bmp");
    }
}

TEST_F(DocFile, DamagedFileOpensNothingAndNamesTheFile)
{
    const std::string path = TempPath("broken.png");
    std::ofstream(path) << "\x89PNG\r\n\x1a\n this is not a picture";
    CLodo40Doc doc;
    EXPECT_FALSE(doc.OnOpenDocument(path));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("broken.png"), std::string::npos) << messages[0];
    EXPECT_FALSE(doc.GetPicture());
}

TEST_F(DocFile, SaveOverTheOpenedFileKeepsUndoTrue)
{
    const std::string path = WritePattern("over.png");
    CLodo40Doc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    const std::vector<uint8_t> original = Pixels(doc);
    doc.ApplyExpression(EditExpr(doc.GetExpression(), 200), nullptr, nullptr, "Edit", true, true);
    doc.SetPathName(path, false);
    ASSERT_TRUE(doc.DoSave(path));
    EXPECT_FALSE(doc.IsModified());
    // Nothing cached survives: the earlier states are computed again.
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    answers = {fw::IDYES, fw::IDYES};
    doc.StepHistory(1);
    EXPECT_EQ(Pixels(doc), original);
    doc.StepHistory(-1);
    EXPECT_EQ(BlueAt00(doc), 200);
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    doc.StepHistory(1);
    EXPECT_EQ(Pixels(doc), original);
    // The file holds the edited picture.
    CLodo40Doc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_EQ(BlueAt00(reopened), 200);
}

TEST_F(DocFile, ANameOpenInAnotherDocumentIsRefused)
{
    fw::MultiDocTemplate docTemplate("\nPicture\nPicture\nBitmap (*.bmp)\n.BMP\nid\nname",
                                     FW_RUNTIME_CLASS(CLodo40Doc), nullptr, nullptr);
    auto* a = new CLodo40Doc;
    auto* b = new CLodo40Doc;
    a->autoDelete = b->autoDelete = false;
    docTemplate.AddDocument(a);
    docTemplate.AddDocument(b);
    const std::string path = WritePattern("same.png");
    ASSERT_TRUE(a->OnOpenDocument(path));
    a->SetPathName(path, false);
    EXPECT_FALSE(b->OnOpenDocument(path));  // the open one is activated instead
    NewFromExpression(*b, MakeNewPictureExpr(0, 2, 2, 72, 72));
    EXPECT_FALSE(b->OnSaveDocument(a->GetPathName()));
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "Can't save since picture with this name is already opened");
    docTemplate.RemoveDocument(a);
    docTemplate.RemoveDocument(b);
    delete a;
    delete b;
}

TEST_F(DocFile, NewAsksForASizeAndReadsTheResolution)
{
    struct Case {
        const char* resolution;
        int expected;
    };
    for (const Case c : {Case{"abc", 300}, Case{"0", 300}, Case{"-5", 300}, Case{"150", 150}}) {
        fw::SetDialogHook([&](fw::Dialog& d) {
            qobject_cast<QLineEdit*>(d.GetDlgItem(CNewDocDlg::IDC_WIDTH))->setText("20");
            qobject_cast<QLineEdit*>(d.GetDlgItem(CNewDocDlg::IDC_HEIGHT))->setText("10");
            qobject_cast<QComboBox*>(d.GetDlgItem(CNewDocDlg::IDC_RESOLUTION))->setEditText(c.resolution);
            d.PressButton(fw::IDOK);
        });
        host.background = 0x00102030;
        CLodo40Doc doc;
        ASSERT_TRUE(doc.OnNewDocument());
        EXPECT_EQ(doc.GetPicture()->GetHRes(), c.expected);
        EXPECT_EQ(doc.GetPicture()->GetVRes(), c.expected);
        EXPECT_EQ(doc.GetPictureSize(), (QnPoint{20, 10}));
        EXPECT_EQ(doc.GetPixelColor(QnPoint{19, 9}), 0x00102030u);
        EXPECT_TRUE(doc.IsModified());
    }
    // The next dialog starts at the last size; Cancel makes nothing.
    fw::SetDialogHook([&](fw::Dialog& d) {
        EXPECT_EQ(qobject_cast<QLineEdit*>(d.GetDlgItem(CNewDocDlg::IDC_WIDTH))->text(), "20");
        d.PressButton(fw::IDCANCEL);
    });
    CLodo40Doc cancelled;
    EXPECT_FALSE(cancelled.OnNewDocument());
    // A size no picture can have is refused with a message.
    fw::SetDialogHook([&](fw::Dialog& d) {
        qobject_cast<QLineEdit*>(d.GetDlgItem(CNewDocDlg::IDC_WIDTH))->setText("2147483647");
        qobject_cast<QLineEdit*>(d.GetDlgItem(CNewDocDlg::IDC_HEIGHT))->setText("2147483647");
        d.PressButton(fw::IDOK);
    });
    messages.clear();
    CLodo40Doc huge;
    EXPECT_FALSE(huge.OnNewDocument());
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(DocFile, NewFromAFileLabelsItsFirstState)
{
    const std::string path = WritePattern("clip.bmp");
    host.request = NewDocumentRequest{NewDocumentRequest::FileWithCursor, path, {}, "Paste As New Image"};
    CLodo40Doc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetLabel(), "Paste As New Image");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.GetSource());
}

TEST_F(DocFile, DibExportOfGreyAndColour)
{
    CLodo40Doc doc;
    NewFromExpression(doc, MakeNewPictureExpr(0x00010203, 5, 3, 72, 72));
    const std::vector<uint8_t> dib = doc.RenderToDib();
    const auto header = platform::BITMAPINFOHEADER::Read(dib);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->biBitCount, 24);
    EXPECT_EQ(header->biXPelsPerMeter, 300);
    EXPECT_EQ(dib.size(), 40u + 16u * 3u);
    EXPECT_EQ(dib[40], 0x01);  // blue of 0x00010203 (red is the low byte)
    EXPECT_EQ(dib[40 + 15], 0);  // row padding

    const PpQnPicture grey(5, 3, WA_GRAY, nullptr);
    NewFromExpression(doc, PpQnExpr(PpQnFlVal(grey)));
    const std::vector<uint8_t> native = doc.RenderToNativeDib();
    EXPECT_EQ(platform::BITMAPINFOHEADER::Read(native)->biBitCount, 8);
    const uint8_t* last = native.data() + 40 + 4 * 255;
    EXPECT_EQ(last[0], 255);
    EXPECT_EQ(last[1], 255);
    EXPECT_EQ(last[2], 255);
}

TEST_F(DocFile, ArchiveStoreAndLoad)
{
    CLodo40Doc doc;
    NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(7, 5))));
    fw::MemFile file;
    {
        fw::Archive ar(file, fw::Archive::store);
        doc.Serialize(ar);
        ar.Close();
    }
    fw::MemFile stored(file.data());
    CLodo40Doc loaded;
    {
        fw::Archive ar(stored, fw::Archive::load);
        loaded.Serialize(ar);
    }
    EXPECT_EQ(loaded.GetLabel(), "???");
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(Pixels(loaded), Pixels(doc));
    // A document that holds a picture already refuses a second load.
    fw::MemFile again(file.data());
    fw::Archive ar(again, fw::Archive::load);
    try {
        loaded.Serialize(ar);
        FAIL();
    } catch (const QnExcept& e) {
        EXPECT_STREQ(e.what(), "Can't load picture from unknown source");
    }
}

// A JPEG larger than the view it opens in is decoded only as small as the
// view will show it; its full pixels come when the document is told the
// program is idle, or earlier when anything reads them, and at idle the
// views are drawn again from them either way.
TEST_F(DocFile, OpensALargeJpegShrunkForItsView)
{
    const std::string path = TempPath("large.jpg");
    shrunktest::WriteJpeg(shrunktest::PhotoLike(640, 480), path);
    const PpQnPicture whole = shrunktest::ReadWhole(path);
    for (const bool readFirst : {false, true}) {
        SCOPED_TRACE(readFirst ? "a pixel read first" : "idle first");
        QnObj::CollectGarbage(QnObj::DF_DISCARD, -1); // the next open reads the file again
        CLodo40Doc doc;
        RecordingView view;
        view.resize(200, 150);
        doc.AddView(&view);
        ASSERT_TRUE(doc.OnOpenDocument(path));
        EXPECT_TRUE(doc.PixelsWaiting());
        EXPECT_TRUE(doc.GetPicture()->PixelsPending());
        EXPECT_EQ(doc.GetPictureSize(), (QnPoint{640, 480}));
        if (readFirst) {
            EXPECT_EQ(doc.GetPixelColor(QnPoint{300, 200}), GetRenderObjPixelColor(PpQnRenderObj(whole), {300, 200}));
            EXPECT_FALSE(doc.GetPicture()->PixelsPending());
        }
        view.updates.clear();
        doc.DecodeWaitingPixels();
        EXPECT_FALSE(doc.PixelsWaiting());
        EXPECT_FALSE(doc.GetPicture()->PixelsPending());
        ASSERT_EQ(view.updates.size(), 1u);
        EXPECT_TRUE(view.updates[0].whole);
        EXPECT_FALSE(doc.IsModified());
        doc.RemoveView(&view);
    }
    // Without a view there is nothing to fit: the picture is read whole.
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    CLodo40Doc alone;
    ASSERT_TRUE(alone.OnOpenDocument(path));
    EXPECT_FALSE(alone.PixelsWaiting());
    EXPECT_FALSE(alone.GetPicture()->PixelsPending());
}
