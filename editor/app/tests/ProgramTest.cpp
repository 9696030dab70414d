// The real Telvy12 program, started as a user starts it (offscreen, with
// settings and sockets of its own): it shows the picture it was started
// with, a second start hands its files to the first, and the album's
// hand-over reaches a running editor or starts one.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <fstream>
#include <string>

#include "album/app/EditorHandOver.h"
#include "album/app/ProgramLauncher.h"
#include "imexp/ImExp.h"
#include "picture/Picture.h"

namespace {

class Program : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkdir("runtime");
        QFile::setPermissions(dir.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QN_CONFIG_HOME", dir.filePath("config"));
        env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
        env.insert("TELVY12_TEST_REPORT", report());
        qputenv("XDG_RUNTIME_DIR", dir.filePath("runtime").toLocal8Bit());
    }
    void TearDown() override
    {
        for (QProcess* p : started) {
            p->kill();
            p->waitForFinished(5000);
            delete p;
        }
    }
    QString report() const { return dir.filePath("report.txt"); }
    std::string ReportText() const
    {
        std::ifstream in(report().toStdString());
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Waits until the report holds text.
    bool WaitForReport(const std::string& text, int ms = 20000) const
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            if (ReportText().find(text) != std::string::npos)
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    QProcess* Start(const QStringList& args, const QProcessEnvironment& environment)
    {
        auto* p = new QProcess;
        p->setProcessEnvironment(environment);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(TELVY12_PROGRAM, args);
        started.push_back(p);
        return p;
    }
    // Blocks of colour that survive a reduced view: 400 x 300, left half
    // red, right half blue, a green band across the middle.
    std::string Picture(const char* name)
    {
        PpQnPicture p(400, 300, WA_RGB24, nullptr);
        std::vector<uint8_t> row(400 * 3);
        for (int32_t y = 0; y < 300; ++y) {
            for (int32_t x = 0; x < 400; ++x) {
                const bool band = y >= 120 && y < 180;
                row[size_t(3 * x)] = band ? 0 : (x < 200 ? 0 : 255);
                row[size_t(3 * x + 1)] = band ? 255 : 0;
                row[size_t(3 * x + 2)] = band ? 0 : (x < 200 ? 255 : 0);
            }
            p->SetRow(0, 0, 299 - y, row.data());
        }
        const std::string path = dir.filePath(name).toStdString();
        EXPECT_TRUE(imexp::WritePicture(path, *p));
        return path;
    }

    QTemporaryDir dir;
    QProcessEnvironment env;
    std::vector<QProcess*> started;
};

}  // namespace

TEST_F(Program, ShowsThePictureItWasStartedWith)
{
    const std::string picture = Picture("blocks.png");
    QProcessEnvironment e = env;
    e.insert("TELVY12_TEST_SNAPSHOT", dir.filePath("shown.png"));
    QProcess* p = Start({"-nosplash", QString::fromStdString(picture)}, e);
    ASSERT_TRUE(p->waitForFinished(30000));
    EXPECT_EQ(p->exitCode(), 0);
    const QImage shown(dir.filePath("shown.png"));
    ASSERT_FALSE(shown.isNull());
    // The view shows the picture whole, fitted: its four colour regions
    // come in the right places relative to each other.
    int red = 0, blue = 0, green = 0;
    QPoint redAt, blueAt;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            if (c == QColor(255, 0, 0)) {
                ++red;
                redAt = QPoint(x, y);
            } else if (c == QColor(0, 0, 255)) {
                ++blue;
                blueAt = QPoint(x, y);
            } else if (c == QColor(0, 255, 0)) {
                ++green;
            }
        }
    EXPECT_GT(red, 1000);
    EXPECT_NEAR(double(red) / blue, 1.0, 0.05);
    EXPECT_NEAR(double(green) / (red + blue), 60.0 / 240.0, 0.05);
    EXPECT_LT(redAt.x(), blueAt.x());
    EXPECT_NE(ReportText().find("open " + picture), std::string::npos);
}

TEST_F(Program, ASecondStartHandsItsFilesToTheFirst)
{
    const std::string a = Picture("a.png"), b = Picture("b b.png");
    QProcess* first = Start({"-nosplash"}, env);
    ASSERT_TRUE(first->waitForStarted());
    ASSERT_TRUE(WaitForReport("ready "));  // it listens
    QProcess* second = Start({"-nosplash", QString::fromStdString(a), QString::fromStdString(b)}, env);
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(WaitForReport("open " + a));
    EXPECT_TRUE(WaitForReport("open " + b));
    EXPECT_EQ(first->state(), QProcess::Running);
}

TEST_F(Program, TheAlbumsHandOverReachesARunningEditorOrStartsOne)
{
    const std::string a = Picture("album1.png"), b = Picture("album2.png");
    DetachedLauncher launcher;
    EditorHandOver handOver(launcher, TELVY12_PROGRAM);
    // No editor: the hand-over starts one with the picture (it inherits
    // this process's environment).
    for (const auto& [key, value] : {std::pair{"QT_QPA_PLATFORM", "offscreen"}})
        qputenv(key, value);
    qputenv("QN_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    qputenv("TELVY12_TEST_REPORT", report().toLocal8Bit());
    EXPECT_EQ(handOver.SendPicture(a), EditorHandOver::Result::Started);
    ASSERT_TRUE(WaitForReport("ready "));
    const std::string text = ReportText();
    const int64_t pid = std::stoll(text.substr(text.find("ready ") + 6));
    ASSERT_GT(pid, 0);
    // The started editor shares this test's output: it must end with it.
    struct Ender {
        int64_t pid;
        ~Ender() { ::kill(pid_t(pid), SIGKILL); }
    } ender{pid};
    ASSERT_TRUE(WaitForReport("open " + a));
    // The editor now runs: the next picture goes to it as a dropped file.
    handOver.SetEditor(pid);
    EXPECT_EQ(handOver.DropPicture(b), EditorHandOver::Result::Handed);
    EXPECT_TRUE(WaitForReport("open " + b));
}
