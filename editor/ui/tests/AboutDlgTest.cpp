// The About box's figures: sizes in KB without a 32-bit limit, and the
// box showing them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QRegularExpression>

#include "DialogGrab.h"
#include "framework/MessageBox.h"
#include "editor/ui/AboutDlg.h"
#include "editor/ui/AboutFigures.h"

TEST(AboutFigures, Texts)
{
    EXPECT_EQ(LdMemoryText(uint64_t(16) << 30), "16777216 KB");
    EXPECT_EQ(LdMemoryText(1023), "0 KB");
    EXPECT_EQ(LdDiskFreeText(LdDiskFree{(uint64_t(5) << 30) + 2047, "/data"}), "5242881 KB Free on /data");
    EXPECT_EQ(LdDiskFreeText(std::nullopt), "Unavailable");
}

TEST(AboutFigures, ReadFromTheSystem)
{
    EXPECT_GT(LdTotalPhysicalMemory(), uint64_t(1) << 20);
    const auto here = LdQueryDiskFree(".");
    ASSERT_TRUE(here.has_value());
    EXPECT_EQ(here->mountPoint.front(), '/');
    EXPECT_FALSE(LdQueryDiskFree("/no/such/folder").has_value());
}

TEST(AboutDlg, ShowsTheFigures)
{
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "About Orvane Telvy v.1.2");
    fw::SetDialogHook([](fw::Dialog& d) {
        const QString memory = qobject_cast<QLabel*>(d.GetDlgItem(CAboutDlg::IDC_MEMORY))->text();
        const QString disk = qobject_cast<QLabel*>(d.GetDlgItem(CAboutDlg::IDC_DISK))->text();
        EXPECT_TRUE(QRegularExpression("^\\d+ KB$").match(memory).hasMatch()) << memory.toStdString();
        EXPECT_TRUE(QRegularExpression("^\\d+ KB Free on /").match(disk).hasMatch()) << disk.toStdString();
        GrabWhenAsked(d, "AboutDlg");
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    fw::SetDialogHook({});
}
