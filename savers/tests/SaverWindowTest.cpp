// The saver windows under the offscreen platform: frames drawn at clock
// times, the full-screen window's end at the first input, the settings
// dialog driven through its hooks, and the program's start by command line.
#include <gtest/gtest.h>

#include "savers/tests/SaverReference.h"
#include "savers/tests/SaverTestSupport.h"

#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "platform/TickClock.h"
#include "savers/CSaverAboutDlg.h"
#include "savers/CSaverApp.h"
#include "savers/CSaverDlg.h"
#include "savers/CSaverFullScreenWnd.h"
#include "savers/SaverIds.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QSlider>

#include <functional>

namespace {

uint32_t clockNow = 0;
uint32_t TestClock() { return clockNow; }

class SaverWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousClock = platform::TickClock::SetSource(TestClock);
        clockNow = 1000;
        picturePath = f.Picture("lodo40ss.bmp");
        WriteWizardBmp(picturePath, picture);
    }
    void TearDown() override
    {
        platform::TickClock::SetSource(previousClock);
        fw::SetDialogHook({});
        fw::SetFileDialogHook({});
        fw::SetMessageBoxHook({});
    }
    // What the wizard writes for a saver.
    void InstallPicture(const std::string& program)
    {
        f.Settings(program).WriteString(kSaverName, picturePath);
        f.Settings(program).WriteString(kSaverPath, picturePath);
    }
    static void Flush()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    platform::TickClock::Source previousClock = nullptr;
    SaverFolder f;
    SaverDib picture = PatternDib(120, 90);
    std::string picturePath;
    FakeScreen screen{PatternDib(64, 48, 99)};
};

TEST_F(SaverWindows, WindowShowsTheFrameOfTheClockTime)
{
    InstallPicture("WHIRL");
    f.Settings("WHIRL").WriteInt(kSaverSize, 40);
    CSaverWnd window(SaverProgram::Whirl(), f.Settings("WHIRL"), screen, false);
    window.resize(240, 180);
    ReferenceSaver ref{120, 90, 36};
    for (clockNow = 1000; clockNow <= 1000 + 1234; clockNow += 10)
        window.OnTimer();
    for (int i = 0; i < 123; ++i)
        ref.Tick();
    const QImage frame = window.grab().toImage();
    frame.save("/tmp/savers-whirl-frame.png");
    for (const auto& [i, j] : {std::pair{18, 18}, {18, 19}, {12, 20}, {25, 12}, {0, 0}}) {
        const auto [sx, sy] = ref.WhirlSource(i, j, 30);
        const uint8_t* p = picture.Pixel(sx, sy);
        EXPECT_EQ(frame.pixelColor(2 * (ref.x + j), 2 * (ref.y + i)), QColor(p[2], p[1], p[0])) << i << "," << j;
    }
}

TEST_F(SaverWindows, FullScreenEndsAtAMoveAwayFromTheFirstPosition)
{
    InstallPicture("ZOOM");
    QPointer<CSaverFullScreenWnd> window = new CSaverFullScreenWnd(SaverProgram::Zoom(), f.Settings("ZOOM"), screen);
    window->resize(320, 240);
    window->show();
    const auto move = [&](QPoint at) {
        QMouseEvent e(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window, &e);
        Flush();
    };
    move(QPoint(50, 60));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->FirstMousePosition(), QPoint(50, 60));
    move(QPoint(50, 60));
    ASSERT_TRUE(window);
    f.Settings("ZOOM").WriteString(kSaverPath, "overwritten");
    move(QPoint(51, 60));
    EXPECT_FALSE(window);
    // The window wrote its picture path as it went.
    EXPECT_EQ(f.Settings("ZOOM").GetString(kSaverPath, ""), picturePath);
}

TEST_F(SaverWindows, FullScreenEndsAtKeysButtonsAndLossOfFocus)
{
    const auto key = [](QWidget* w) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
        QApplication::sendEvent(w, &e);
    };
    const auto button = [](QWidget* w) {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    const auto deactivate = [](QWidget* w) {
        QEvent e(QEvent::WindowDeactivate);
        QApplication::sendEvent(w, &e);
    };
    const std::vector<std::function<void(QWidget*)>> inputs{key, button, deactivate};
    for (const auto& input : inputs) {
        QPointer<CSaverFullScreenWnd> window = new CSaverFullScreenWnd(SaverProgram::Whirl(), f.Settings("WHIRL"), screen);
        window->show();
        input(window);
        Flush();
        EXPECT_FALSE(window);
    }
}

// The dialog as the wizard starts it: picture and values already stored.
TEST_F(SaverWindows, SettingsDialogStoresEveryValueOnOk)
{
    InstallPicture("WHIRL");
    f.Settings("WHIRL").WriteInt(kSaverSize, 25);
    f.Settings("WHIRL").WriteInt(kSaverWhirl, 60);
    CSaverDlg dialog(SaverProgram::Whirl(), f.Settings("WHIRL"), screen, "/opt/quendle/whirl");
    fw::SetDialogHook([&](fw::Dialog& d) {
        auto* size = qobject_cast<QSlider*>(d.GetDlgItem(IDC_SIZE));
        auto* whirl = qobject_cast<QSlider*>(d.GetDlgItem(IDC_WHIRL));
        auto* useScreen = qobject_cast<QCheckBox*>(d.GetDlgItem(IDC_USE_SCREEN));
        ASSERT_TRUE(size && whirl && useScreen);
        EXPECT_EQ(size->value(), 25);
        EXPECT_EQ(whirl->value(), 60);
        EXPECT_EQ(size->minimum(), 1);
        EXPECT_EQ(size->maximum(), 100);
        EXPECT_EQ(size->pageStep(), 10);
        EXPECT_TRUE(useScreen->isEnabled());
        EXPECT_FALSE(useScreen->isChecked());
        EXPECT_FALSE(d.GetDlgItem(IDC_LOAD_PICTURE)->isVisible());
        d.resize(d.sizeHint());
        d.grab().save("/tmp/savers-whirl-dialog.png");
        whirl->setValue(80);  // keyboard move: the preview stores it at once
        EXPECT_EQ(f.Settings("WHIRL").GetString(kSaverWhirl, ""), "80");
        EXPECT_EQ(dialog.Preview()->Model().Strength(), 80);
        size->setValue(50);
        useScreen->click();
        EXPECT_EQ(screen.captures, 1);
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    const SaverSettings s = f.Settings("WHIRL");
    EXPECT_EQ(s.GetString(kSaverName, ""), picturePath);
    EXPECT_EQ(s.GetString(kSaverSize, ""), "50");
    EXPECT_EQ(s.GetString(kSaverWhirl, ""), "80");
    EXPECT_EQ(s.GetString(kSaverScreen, ""), "1");
    EXPECT_EQ(platform::RegistryStore(f.Registry()).GetString("system.ini\\boot", "SCRNSAVE.EXE"),
              "/opt/quendle/whirl");
}

TEST_F(SaverWindows, CancelKeepsValuesButWhatThePreviewStored)
{
    InstallPicture("ZOOM");
    f.Settings("ZOOM").WriteInt(kSaverSize, 10);
    f.Settings("ZOOM").WriteInt(kSaverScreen, 0);
    {
        CSaverDlg dialog(SaverProgram::Zoom(), f.Settings("ZOOM"), screen, "/opt/quendle/zoom");
        fw::SetDialogHook([&](fw::Dialog& d) {
            EXPECT_EQ(d.GetDlgItem(IDC_WHIRL), nullptr);
            EXPECT_EQ(qobject_cast<QLabel*>(d.GetDlgItem(IDC_SIZE_LABEL))->text(), "Effect Size");
            // Sizes 10 and 11 give the same square on 120 x 90; zoom stores
            // the size all the same.
            qobject_cast<QSlider*>(d.GetDlgItem(IDC_SIZE))->setValue(11);
            qobject_cast<QCheckBox*>(d.GetDlgItem(IDC_USE_SCREEN))->click();
            d.PressButton(fw::IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(), fw::IDCANCEL);
        f.Settings("ZOOM").WriteString(kSaverPath, "before the dialog goes");
    }
    const SaverSettings s = f.Settings("ZOOM");
    EXPECT_EQ(s.GetString(kSaverSize, ""), "11");
    EXPECT_EQ(s.GetString(kSaverScreen, ""), "0");
    EXPECT_EQ(s.GetString(kSaverPath, ""), picturePath);  // the preview's own write
    EXPECT_FALSE(platform::RegistryStore(f.Registry()).GetString("system.ini\\boot", "SCRNSAVE.EXE"));
}

TEST_F(SaverWindows, WithoutAPictureFileUseScreenIsCheckedAndLocked)
{
    f.Settings("WHIRL").WriteString(kSaverPath, f.Picture("gone.bmp"));
    CSaverDlg dialog(SaverProgram::Whirl(), f.Settings("WHIRL"), screen, "/x/whirl");
    fw::SetDialogHook([&](fw::Dialog& d) {
        auto* useScreen = qobject_cast<QCheckBox*>(d.GetDlgItem(IDC_USE_SCREEN));
        EXPECT_TRUE(useScreen->isChecked());
        EXPECT_FALSE(useScreen->isEnabled());
        EXPECT_EQ(dialog.Preview()->Model().Effect().Picture().Width(), 64);  // the desktop
        // The hidden "Load Picture..." still works when pressed.
        fw::SetFileDialogHook([&](const fw::FileDialogRequest& r) -> std::optional<std::string> {
            EXPECT_EQ(r.filters, std::vector<std::string>{"Bitmap Files (*.bmp)"});
            EXPECT_TRUE(r.mustExist);
            return picturePath;
        });
        d.PressButton(IDC_LOAD_PICTURE);
        EXPECT_EQ(dialog.Preview()->Model().Effect().Picture().Width(), 120);
        EXPECT_EQ(f.Settings("WHIRL").GetString(kSaverName, ""), picturePath);
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(f.Settings("WHIRL").GetString(kSaverScreen, ""), "1");
}

TEST_F(SaverWindows, AboutBoxFromTheSystemCommand)
{
    CSaverDlg dialog(SaverProgram::Zoom(), f.Settings("ZOOM"), screen, "/x/zoom");
    std::vector<std::string> shown;
    fw::SetDialogHook([&](fw::Dialog& d) {
        if (auto* about = dynamic_cast<CSaverAboutDlg*>(&d)) {
            shown.push_back(about->windowTitle().toStdString());
            for (QLabel* label : about->findChildren<QLabel*>())
                if (!label->text().isEmpty())
                    shown.push_back(label->text().toStdString());
            return;
        }
        dialog.OnSysCommand(IDM_ABOUTBOX + 3);
        dialog.OnSysCommand(0xF060);  // other system commands are not the About box
    });
    dialog.DoModal();
    EXPECT_EQ(shown, (std::vector<std::string>{"About Quendle Software Screen Saver", "Zoom Version 1.0"}));
}

TEST_F(SaverWindows, ProgramStartsWhatItsCommandLineAsks)
{
    InstallPicture("WHIRL");
    {
        CSaverApp app(SaverProgram::Whirl(), platform::RegistryStore(f.Registry()));
        app.SetScreen(&screen);
        app.SetArguments({"/c:1234"});
        EXPECT_FALSE(app.InitInstance());
        EXPECT_EQ(app.EffectWnd(), nullptr);
    }
    {
        CSaverApp app(SaverProgram::Whirl(), platform::RegistryStore(f.Registry()));
        app.SetScreen(&screen);
        int dialogs = 0;
        fw::SetDialogHook([&](fw::Dialog& d) {
            ++dialogs;
            EXPECT_EQ(d.windowTitle(), "Whirl Screen Saver");
        });
        app.SetArguments({});
        EXPECT_TRUE(app.InitInstance());
        EXPECT_EQ(app.Run(), 0);  // the dialog was the whole run
        EXPECT_EQ(dialogs, 1);
    }
    {
        CSaverApp app(SaverProgram::Whirl(), platform::RegistryStore(f.Registry()));
        app.SetScreen(&screen);
        app.SetArguments({"-S"});
        ASSERT_TRUE(app.InitInstance());
        QPointer<CSaverFullScreenWnd> window = app.FullScreenWnd();
        ASSERT_TRUE(window);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
        window->close();
        Flush();
        EXPECT_FALSE(window);
        EXPECT_EQ(app.EffectWnd(), nullptr);
    }
}

} // namespace
