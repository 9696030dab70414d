// The colour swatch: the chooser's answer becomes the colour, and the owner
// is told once whether the user chose or cancelled.
#include <gtest/gtest.h>

#include <QTest>

#include "editor/ui/ColorButton.h"
#include "editor/ui/SysColor.h"

namespace {

class ColorSwatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        button.resize(40, 30);
        button.colour = fw::Rgb(10, 20, 30);
        QObject::connect(&button, &QAbstractButton::clicked, [this] { ++notified; });
        button.show();
    }
    void TearDown() override { fw::SetColorDialogHook({}); }

    CColorButton button;
    int notified = 0;
    std::vector<fw::ColorRef> offered;
};

}  // namespace

TEST_F(ColorSwatch, TakesTheChosenColourAndTellsTheOwner)
{
    fw::SetColorDialogHook([this](fw::ColorRef initial) {
        offered.push_back(initial);
        return std::optional<fw::ColorRef>(fw::Rgb(200, 100, 50));
    });
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(offered, std::vector<fw::ColorRef>{fw::Rgb(10, 20, 30)});
    EXPECT_EQ(button.colour, fw::Rgb(200, 100, 50));
    EXPECT_EQ(notified, 1);  // the release adds no click of its own

    const QImage image = button.grab().toImage();
    EXPECT_EQ(image.pixel(20, 15), qRgb(200, 100, 50));
    EXPECT_EQ(image.pixel(20, 0), LdQColor(LdGetSysColor(LD_COLOR_BTNSHADOW)).rgb());
    EXPECT_EQ(image.pixel(20, 29), LdQColor(LdGetSysColor(LD_COLOR_BTNHIGHLIGHT)).rgb());
}

TEST_F(ColorSwatch, CancelKeepsTheColourButStillTellsTheOwner)
{
    fw::SetColorDialogHook([](fw::ColorRef) { return std::optional<fw::ColorRef>(); });
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button.colour, fw::Rgb(10, 20, 30));
    EXPECT_EQ(notified, 1);

    // Other buttons open nothing.
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(notified, 1);
}
