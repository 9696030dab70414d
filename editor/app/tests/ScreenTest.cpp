// The editor on a real X server (Xvfb), started as ./run.sh starts it, with
// a picture: the screen shows the window and in it the picture's colours in
// their places. Skips only where no Xvfb can be started.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <fstream>

#include "imexp/ImExp.h"
#include "picture/Picture.h"

namespace {

std::string ReadFile(const QString& path)
{
    std::ifstream in(path.toStdString());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(Screen, TheEditorShowsItsPictureOnAnXServer)
{
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    const QString import = QStandardPaths::findExecutable("import");
    if (xvfb.isEmpty() || import.isEmpty())
        GTEST_SKIP() << "Xvfb or ImageMagick's import is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    // A server on a display number it picks itself.
    QProcess server;
    server.start(xvfb, {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    if (!server.waitForStarted(5000) || !server.waitForReadyRead(10000))
        GTEST_SKIP() << "Xvfb could not be started";
    const QString display = ":" + QString::fromLatin1(server.readLine()).trimmed();

    // Magenta left, yellow right, 500 x 300.
    PpQnPicture p(500, 300, WA_RGB24, nullptr);
    std::vector<uint8_t> row(500 * 3);
    for (int32_t x = 0; x < 500; ++x) {
        row[size_t(3 * x)] = x < 250 ? 255 : 0;
        row[size_t(3 * x + 1)] = x < 250 ? 0 : 255;
        row[size_t(3 * x + 2)] = 255;
    }
    for (int32_t y = 0; y < 300; ++y)
        p->SetRow(0, 0, y, row.data());
    const std::string picture = dir.filePath("screen.png").toStdString();
    ASSERT_TRUE(imexp::WritePicture(picture, *p));

    QDir(dir.path()).mkdir("runtime");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.insert("DISPLAY", display);
    env.insert("QN_CONFIG_HOME", dir.filePath("config"));
    env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
    env.insert("TELVY12_TEST_REPORT", dir.filePath("report.txt"));
    QProcess editor;
    editor.setProcessEnvironment(env);
    editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    editor.start(TELVY12_PROGRAM, {"-nosplash", QString::fromStdString(picture)});
    ASSERT_TRUE(editor.waitForStarted());

    QElapsedTimer clock;
    clock.start();
    while (ReadFile(dir.filePath("report.txt")).find("ready") == std::string::npos && clock.elapsed() < 30000)
        QThread::msleep(100);
    // Magenta and yellow on the screen, side by side: grab until painted.
    // Side by side means lines on which a long magenta run meets a long
    // yellow one (other windows, such as the tool palette's previews, may
    // show either colour in short runs).
    int magenta = 0, yellow = 0, sideBySide = 0;
    for (int attempt = 0; attempt < 40 && (magenta < 5000 || yellow < 5000 || sideBySide < 50); ++attempt) {
        QThread::msleep(250);
        QProcess grab;
        grab.setProcessEnvironment(env);
        grab.start(import, {"-display", display, "-window", "root", dir.filePath("shot.png")});
        grab.waitForFinished(10000);
        const QImage shot(dir.filePath("shot.png"));
        if (shot.isNull())
            continue;
        magenta = yellow = sideBySide = 0;
        for (int y = 0; y < shot.height(); y += 2) {
            int magentaRun = 0, yellowRun = 0;
            bool met = false;
            for (int x = 0; x < shot.width(); ++x) {
                const QRgb c = shot.pixel(x, y) & 0xFFFFFF;
                magenta += c == 0xFF00FF && x % 2 == 0;
                yellow += c == 0xFFFF00 && x % 2 == 0;
                if (c == 0xFFFF00) {
                    met = met || (yellowRun == 0 && magentaRun >= 100);
                    yellowRun = yellowRun + 1;
                    magentaRun = 0;
                } else {
                    if (met && yellowRun >= 100) {
                        ++sideBySide;
                        break;
                    }
                    magentaRun = c == 0xFF00FF ? magentaRun + 1 : 0;
                    yellowRun = 0;
                    met = false;
                }
            }
        }
    }
    EXPECT_GE(magenta, 5000) << "the picture's left half is not on the screen";
    EXPECT_GE(yellow, 5000) << "the picture's right half is not on the screen";
    EXPECT_GE(sideBySide, 50) << "the picture's halves are not side by side";
    editor.kill();
    editor.waitForFinished();
    server.kill();
    server.waitForFinished();
}
