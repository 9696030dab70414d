// The faces the editor names are drawn with the Liberation faces at 96 dpi.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include "editor/helpdlg/SystemFont.h"

TEST(SystemFont, NamedFacesUseTheirLiberationStandIns)
{
    const std::pair<const char*, const char*> faces[] = {
        {"MS Sans Serif", "Liberation Sans"}, {"arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"}, {"Courier New", "Liberation Mono"},
        {"Small Fonts", "Liberation Sans"},
    };
    for (const auto& [name, standIn] : faces) {
        CLdLogFont logFont = LdPointFont(100, name);
        EXPECT_EQ(QFontInfo(LdMakeFont(logFont)).family(), standIn) << name;
    }
    EXPECT_EQ(LdFaceFor("DejaVu Sans"), "DejaVu Sans");
}

TEST(SystemFont, PointSizesAndHeights)
{
    EXPECT_EQ(LdPointFont(80, "MS Sans Serif").height, -11);  // 10.67 rounded
    EXPECT_EQ(LdPointFont(72, "Small Fonts").height, -10);
    EXPECT_EQ(LdPointFont(120, "Arial").height, -16);
    EXPECT_EQ(LdMakeFont(LdPointFont(80, "Arial")).pixelSize(), 11);

    // A positive height is the cell: the em is made smaller to fit it.
    CLdLogFont cell;
    cell.height = 20;
    cell.faceName = "Arial";
    const QFont font = LdMakeFont(cell);
    EXPECT_LT(font.pixelSize(), 20);
    EXPECT_NEAR(QFontMetrics(font).height(), 20, 1);
}
