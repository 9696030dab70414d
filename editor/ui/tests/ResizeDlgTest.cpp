// The resize dialog: lengths typed in every unit, proportions kept, the
// resolution sources, Reset enabled only after a change, Enter taking a
// typed size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "DialogGrab.h"
#include "editor/ui/DeviceResolution.h"
#include "editor/ui/ResizeDlg.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"

namespace {

class ResizeDialog : public ::testing::Test {
protected:
    void TearDown() override { fw::SetDialogHook({}); }

    // Runs a dialog on a 400 x 300 picture at 300 dpi; work drives it.
    int Run(ResizeDlg& dialog, const std::function<void(ResizeDlg&)>& work)
    {
        fw::SetDialogHook([&](fw::Dialog& d) { work(static_cast<ResizeDlg&>(d)); });
        return dialog.DoModal();
    }
    static void Type(ResizeDlg& d, uint32_t id, const char* text)
    {
        qobject_cast<QLineEdit*>(d.GetDlgItem(id))->setText(text);
    }
    static std::string Text(ResizeDlg& d, uint32_t id) { return fw::GetControlText(d.GetDlgItem(id)); }
    static void Click(ResizeDlg& d, uint32_t id) { qobject_cast<QAbstractButton*>(d.GetDlgItem(id))->click(); }
    static bool Enabled(ResizeDlg& d, uint32_t id) { return d.GetDlgItem(id)->isEnabled(); }
};

}  // namespace

TEST_F(ResizeDialog, LengthsInEveryUnit)
{
    struct Case {
        uint32_t unitRadio;
        const char* typed;
        int32_t width;
        const char* shown;  // the 400 pixels the dialog opened with, in the unit
    };
    const Case cases[] = {
        {ResizeDlg::IDC_CENTIMETRES, "10", 1181, "3.386667"},
        {ResizeDlg::IDC_INCHES, "2.5", 750, "1.333333"},
        {ResizeDlg::IDC_PIXELS, "250", 250, "400"},
        {ResizeDlg::IDC_PIXELS, "abc", 1, "400"},
        {ResizeDlg::IDC_CENTIMETRES, "abc", 1, "3.386667"},
    };
    for (const Case& c : cases) {
        ResizeDlg dialog(400, 300, 300, 300, 0);
        Run(dialog, [&](ResizeDlg& d) {
            Click(d, ResizeDlg::IDC_KEEP_PROPORTIONS);
            Click(d, c.unitRadio);
            EXPECT_EQ(Text(d, ResizeDlg::IDC_WIDTH), c.shown) << c.typed;
            Type(d, ResizeDlg::IDC_WIDTH, c.typed);
            d.OnKillFocusWidth();
            d.PressButton(fw::IDOK);
        });
        EXPECT_EQ(dialog.width, c.width) << c.typed;
        EXPECT_EQ(dialog.height, 300) << c.typed;
    }
}

TEST_F(ResizeDialog, KeepProportions)
{
    ResizeDlg dialog(400, 300, 300, 300, 0);
    Run(dialog, [&](ResizeDlg& d) {
        Type(d, ResizeDlg::IDC_WIDTH, "200");
        d.OnKillFocusWidth();
        EXPECT_EQ(d.height, 150);
        Type(d, ResizeDlg::IDC_HEIGHT, "100");
        d.OnKillFocusHeight();
        EXPECT_EQ(d.width, 133);
        // Off, a size of another shape, on again: the new size fits inside it.
        Click(d, ResizeDlg::IDC_KEEP_PROPORTIONS);
        Type(d, ResizeDlg::IDC_WIDTH, "800");
        d.OnKillFocusWidth();
        EXPECT_EQ(d.height, 100);
        Click(d, ResizeDlg::IDC_KEEP_PROPORTIONS);
        EXPECT_EQ(d.width, 133);
        EXPECT_EQ(d.height, 100);
        Click(d, ResizeDlg::IDC_KEEP_PROPORTIONS);
        Type(d, ResizeDlg::IDC_HEIGHT, "600");
        d.OnKillFocusHeight();
        Click(d, ResizeDlg::IDC_KEEP_PROPORTIONS);
        EXPECT_EQ(d.width, 133);
        EXPECT_EQ(d.height, 100);
        // Leaving the field takes what was typed.
        d.show();
        QApplication::setActiveWindow(&d);
        d.GetDlgItem(ResizeDlg::IDC_WIDTH)->setFocus();
        Type(d, ResizeDlg::IDC_WIDTH, "80");
        d.GetDlgItem(ResizeDlg::IDC_HEIGHT)->setFocus();
        EXPECT_EQ(d.height, 60);
        // Typed, then OK with Enter: the width is taken, the height follows.
        Type(d, ResizeDlg::IDC_WIDTH, "40");
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(dialog.width, 40);
    EXPECT_EQ(dialog.height, 30);
}

TEST_F(ResizeDialog, ResolutionSourcesAndReset)
{
    ResizeDlg dialog(400, 300, 300, 200, 1);
    const QnPoint screen = LdScreenResolution();
    const QnPoint printer = LdDefaultPrinterResolution().value_or(QnPoint{300, 300});
    const int result = Run(dialog, [&](ResizeDlg& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), "Resample");
        EXPECT_FALSE(Enabled(d, ResizeDlg::IDC_RESET));
        EXPECT_TRUE(Enabled(d, ResizeDlg::IDC_HRES));
        EXPECT_EQ(Text(d, ResizeDlg::IDC_VRES), "200");

        auto* vertical = qobject_cast<QComboBox*>(d.GetDlgItem(ResizeDlg::IDC_VRES));
        vertical->setCurrentIndex(4);
        emit vertical->activated(4);
        EXPECT_EQ(d.vRes, 600);
        EXPECT_TRUE(Enabled(d, ResizeDlg::IDC_RESET));
        EXPECT_TRUE(d.PressButton(ResizeDlg::IDC_RESET));
        EXPECT_EQ(d.vRes, 200);
        EXPECT_FALSE(Enabled(d, ResizeDlg::IDC_RESET));

        Click(d, ResizeDlg::IDC_SCREEN);
        EXPECT_EQ(d.hRes, screen.x);
        EXPECT_EQ(d.vRes, screen.y);
        EXPECT_FALSE(Enabled(d, ResizeDlg::IDC_HRES));
        EXPECT_FALSE(Enabled(d, ResizeDlg::IDC_VRES));
        Click(d, ResizeDlg::IDC_PRINTER);
        EXPECT_EQ(d.hRes, printer.x);
        EXPECT_EQ(d.vRes, printer.y);
        // Inches follow the new resolution.
        Click(d, ResizeDlg::IDC_INCHES);
        EXPECT_EQ(Text(d, ResizeDlg::IDC_WIDTH), printer.x == 300 ? "1.333333" : Text(d, ResizeDlg::IDC_WIDTH));
        d.show();
        GrabWhenAsked(d, "ResizeDlg");
        d.PressButton(ResizeDlg::IDC_RESET);
        EXPECT_EQ(d.resolutionSource, ResizeDlg::Custom);
        EXPECT_TRUE(Enabled(d, ResizeDlg::IDC_HRES));
        d.PressButton(fw::IDCANCEL);
    });
    EXPECT_EQ(result, fw::IDCANCEL);
    EXPECT_EQ(dialog.hRes, 300);
    EXPECT_EQ(dialog.width, 400);
}
