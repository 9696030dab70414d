// The conversion dialogs: the effect their preview shows follows the
// controls, Bayer comes and goes with the standard palette, and the
// preview switch shows the plain picture.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>

#include "DialogGrab.h"
#include "framework/MessageBox.h"
#include "editor/ui/Convert1Dlg.h"
#include "editor/ui/Convert4Dlg.h"
#include "editor/ui/PreviewControl.h"
#include "PreviewTestEffect.h"

namespace {

using Target = CLdConversion::Target;
using Palette = CLdConversion::Palette;

// The effect the dialogs give their preview, with the conversions they
// asked it for.
struct Effects {
    CLdConversionEffect Maker()
    {
        return [this](const CLdConversion& c) {
            asked.push_back(c);
            return PreviewTestEffect::Function();
        };
    }
    CLdConversion Last() const { return asked.empty() ? CLdConversion{} : asked.back(); }
    std::vector<CLdConversion> asked;
};

QComboBox* Combo(fw::Dialog& d, uint32_t id)
{
    return qobject_cast<QComboBox*>(d.GetDlgItem(id));
}

// Chooses entry index of a combo box as the user would.
void Choose(fw::Dialog& d, uint32_t id, int index)
{
    QComboBox* combo = Combo(d, id);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

std::vector<std::string> Entries(QComboBox* combo)
{
    std::vector<std::string> entries;
    for (int i = 0; i < combo->count(); ++i)
        entries.push_back(combo->itemText(i).toStdString());
    return entries;
}

}  // namespace

TEST(ConvertDialogs, MonochromePreviewFollowsTheRasterAndTheSwitch)
{
    Effects effects;
    Convert1Dlg dialog(RampPicture(120, 90), effects.Maker());
    dialog.rasterIndex = 1;
    fw::SetDialogHook([&](fw::Dialog& d) {
        auto& convert = static_cast<Convert1Dlg&>(d);
        EXPECT_EQ(Entries(Combo(d, Convert1Dlg::IDC_RASTER)),
                  (std::vector<std::string>{"None", "Error diffusion", "Bayer", "Fatting"}));
        EXPECT_EQ(effects.Last(), (CLdConversion{Target::Mono, Palette::Standard, 8}));
        Choose(d, Convert1Dlg::IDC_RASTER, 3);
        EXPECT_EQ(effects.Last(), (CLdConversion{Target::Mono, Palette::Standard, 24}));
        EXPECT_TRUE(convert.Preview()->Effect());
        EXPECT_TRUE(convert.Preview()->ShowsEffect());

        d.show();
        GrabWhenAsked(d, "Convert1Dlg");
        const QImage on = convert.Preview()->grab().toImage();
        qobject_cast<QCheckBox*>(d.GetDlgItem(Convert1Dlg::IDC_SHOW_PREVIEW))->click();
        EXPECT_FALSE(convert.Preview()->ShowsEffect());
        const QImage off = convert.Preview()->grab().toImage();
        EXPECT_NE(on, off);  // the plain ramp has greys the converted one lacks
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(dialog.rasterIndex, 3);
    EXPECT_EQ(dialog.showPreview, 0);
    EXPECT_GT(PreviewTestEffect::calls, 0);
    PreviewTestEffect::Reset();
}

TEST(ConvertDialogs, PalettedTitlesAndEffects)
{
    struct Case {
        bool fourBit;
        int palette;
        int raster;
        const char* title;
        CLdConversion effect;
        int32_t paletteColours;
    };
    const Case cases[] = {
        {true, 1, 1, "Convert to 4-bit paletted", {Target::Paletted4, Palette::Optimized, 8}, 16},
        {true, 0, 2, "Convert to 4-bit paletted", {Target::Paletted4, Palette::Standard, 16}, 0},
        {false, 1, 0, "Convert to 8-bit paletted", {Target::Paletted8, Palette::Optimized, 0}, 256},
        {false, 0, 1, "Convert to 8-bit paletted", {Target::Paletted8, Palette::Standard, 8}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title + std::to_string(c.palette));
        Effects effects;
        Convert4Dlg dialog(RampPicture(120, 90), effects.Maker(), c.fourBit);
        dialog.paletteIndex = c.palette;
        dialog.rasterIndex = c.raster;
        fw::SetDialogHook([&](fw::Dialog& d) {
            auto& convert = static_cast<Convert4Dlg&>(d);
            EXPECT_EQ(d.windowTitle().toStdString(), c.title);
            EXPECT_EQ(Combo(d, Convert4Dlg::IDC_RASTER)->count(), c.palette == 0 ? 3 : 2);
            EXPECT_EQ(effects.Last(), c.effect);
            EXPECT_EQ(effects.Last().PaletteColours(), c.paletteColours);
            EXPECT_TRUE(convert.Preview()->Effect());
            d.PressButton(fw::IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(), fw::IDCANCEL);
        EXPECT_EQ(dialog.rasterIndex, c.raster);
    }
}

TEST(ConvertDialogs, BayerOnlyWithTheStandardPalette)
{
    Effects effects;
    Convert4Dlg dialog(RampPicture(120, 90), effects.Maker(), true);
    dialog.paletteIndex = 0;
    dialog.rasterIndex = 2;
    fw::SetDialogHook([&](fw::Dialog& d) {
        QComboBox* raster = Combo(d, Convert4Dlg::IDC_RASTER);
        EXPECT_EQ(Entries(raster), (std::vector<std::string>{"None", "Error diffusion", "Bayer"}));
        EXPECT_EQ(raster->currentIndex(), 2);

        Choose(d, Convert4Dlg::IDC_PALETTE, 1);  // Optimized: Bayer goes, error diffusion instead
        EXPECT_EQ(Entries(raster), (std::vector<std::string>{"None", "Error diffusion"}));
        EXPECT_EQ(raster->currentIndex(), 1);
        EXPECT_EQ(effects.Last(), (CLdConversion{Target::Paletted4, Palette::Optimized, 8}));

        Choose(d, Convert4Dlg::IDC_PALETTE, 0);  // Standard: Bayer offered again, not chosen
        EXPECT_EQ(Entries(raster), (std::vector<std::string>{"None", "Error diffusion", "Bayer"}));
        EXPECT_EQ(raster->currentIndex(), 1);
        EXPECT_EQ(effects.Last(), (CLdConversion{Target::Paletted4, Palette::Standard, 8}));
        d.show();
        GrabWhenAsked(d, "Convert4Dlg");
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(dialog.paletteIndex, 0);
    EXPECT_EQ(dialog.rasterIndex, 1);
    EXPECT_EQ(dialog.showPreview, 1);
}

TEST(ConvertDialogs, CancelGivesBackTheCallersChoices)
{
    Effects effects;
    Convert4Dlg dialog(RampPicture(120, 90), effects.Maker(), false);
    dialog.paletteIndex = 0;
    dialog.rasterIndex = 2;
    fw::SetDialogHook([](fw::Dialog& d) {
        Choose(d, Convert4Dlg::IDC_PALETTE, 1);
        qobject_cast<QCheckBox*>(d.GetDlgItem(Convert4Dlg::IDC_SHOW_PREVIEW))->click();
        d.PressButton(fw::IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDCANCEL);
    EXPECT_EQ(dialog.paletteIndex, 0);
    EXPECT_EQ(dialog.rasterIndex, 2);
    EXPECT_EQ(dialog.showPreview, 1);
    fw::SetDialogHook({});
}
