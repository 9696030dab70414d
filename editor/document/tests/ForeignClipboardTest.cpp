// Pictures between the editor and other programs on one display: a PNG or
// BMP that another program offers pastes as a new picture and into the
// selection with its pixels unchanged, and the editor's copy reaches
// another program as PNG.
#include "DocTestSupport.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QThread>

#include "editor/app/ClipboardDib.h"
#include "framework/Clipboard.h"

using namespace doctest;

namespace {

class ForeignClipboard : public DocTest {
protected:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsEmpty("QN_NO_DISPLAY"))
            GTEST_SKIP() << qgetenv("QN_NO_DISPLAY").constData();
        DocTest::SetUp();
    }
    void TearDown() override
    {
        if (!qEnvironmentVariableIsEmpty("QN_NO_DISPLAY"))
            return;
        if (peer.state() != QProcess::NotRunning) {
            peer.kill();
            peer.waitForFinished();
        }
        // What the clipboard keeps would outlive the collector's last
        // collection at exit.
        QGuiApplication::clipboard()->clear();
        DocTest::TearDown();
    }
    // Runs our event loop (which serves the clipboard) until done holds.
    template <typename Done>
    static bool Serve(Done done)
    {
        for (int round = 0; round < 400 && !done(); ++round) {
            QCoreApplication::processEvents();
            QThread::msleep(25);
        }
        return done();
    }

    QProcess peer;
};

// Distinct colours, 0x00BBGGRR as the document gives them.
uint32_t Colour(int x, int y) { return uint32_t(x * 30) | uint32_t(y * 50) << 8 | uint32_t(200 - x * 10) << 16; }

QImage Sample(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t c = Colour(x, y);
            image.setPixel(x, y, qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
        }
    return image;
}

}  // namespace

TEST_F(ForeignClipboard, APictureFromAnotherProgramPastesUnchanged)
{
    const struct {
        const char* mime;
        const char* format;
    } cases[] = {{"image/png", "PNG"}, {"image/bmp", "BMP"}};
    const QImage sample = Sample(7, 5);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mime);
        const QString file = QString::fromStdString(TempPath(std::string("offered.") + c.format));
        ASSERT_TRUE(sample.save(file, c.format));
        peer.start(CLIPBOARD_PEER, {"put", c.mime, file});
        ASSERT_TRUE(peer.waitForReadyRead(10000));
        ASSERT_TRUE(Serve([] { return fw::Clipboard::HasDib(); }));

        // Paste As New Image opens the file that the clipboard's picture is
        // written to.
        const QImage pasted(QString::fromStdString(WriteClipboardDibToTempFile()));
        ASSERT_EQ(pasted.size(), sample.size());
        EXPECT_EQ(pasted.convertToFormat(QImage::Format_RGB32), sample);

        // Paste Into Selection over the whole picture.
        CLodo40Doc doc;
        NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(7, 5))));
        host.clipboardFile = TempPath("pasted.bmp");
        doc.SetSelection(QnRgn(QnRect{0, 0, 7, 5}));
        doc.OnEditPasteIntoSelection();
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                EXPECT_EQ(doc.GetPixelColor(QnPoint{x, y}), Colour(x, y)) << x << "," << y;

        peer.kill();
        peer.waitForFinished();
        QGuiApplication::clipboard()->clear();
        Serve([] { return !fw::Clipboard::HasDib(); });
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(ForeignClipboard, TheEditorsCopyReachesAnotherProgramAsPng)
{
    CLodo40Doc doc;
    const QImage sample = Sample(9, 6);
    const std::string offered = TempPath("sample.bmp");
    ASSERT_TRUE(sample.save(QString::fromStdString(offered), "BMP"));
    ASSERT_TRUE(doc.OnOpenDocument(offered));
    doc.OnEditCopy();
    const QString received = QString::fromStdString(TempPath("received.png"));
    peer.start(CLIPBOARD_PEER, {"get", "image/png", received});
    ASSERT_TRUE(Serve([&] { return peer.state() == QProcess::NotRunning; }));
    EXPECT_EQ(peer.exitCode(), 0);
    const QImage got(received, "PNG");
    ASSERT_EQ(got.size(), sample.size());
    EXPECT_EQ(got.convertToFormat(QImage::Format_RGB32), sample);
}
